// SPDX-License-Identifier: GPL-3.0-or-later
// The windows as the user sees them, pixel for pixel, against pictures kept in tests/golden.
// They are exact for Debian 12's Qt, FreeType and IPA fonts.
//
// When a comparison fails, look at the picture it wrote beside the test (golden-actual/*.png)
// next to the golden one. If the change is intended, run scripts/update_golden_images.sh, look
// at every picture it rewrites, and commit them with the change; if not, the change broke the
// look of a window.
#pragma once

#include <QDir>
#include <QImage>
#include <QWidget>

namespace ombrix::testing {

// Compares the window with its golden image; on a difference, writes what it drew into
// golden-actual/.
inline QString CompareWithGolden(const QString& name, QWidget& window) {
  const QImage actual = window.grab().toImage().convertToFormat(QImage::Format_RGB32);
  const QString golden = QStringLiteral(OMBRIX_GOLDEN_DIR "/%1.png").arg(name);
  if (qEnvironmentVariableIsSet("OMBRIX_UPDATE_GOLDEN"))
    return actual.save(golden) ? QString() : "cannot write " + golden;
  if (QImage(golden).convertToFormat(QImage::Format_RGB32) == actual)
    return {};
  QDir().mkpath("golden-actual");
  actual.save("golden-actual/" + name + ".png");
  return QStringLiteral("%1 differs from %2: see golden-actual/%1.png").arg(name, golden);
}

}  // namespace ombrix::testing
