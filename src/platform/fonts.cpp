// SPDX-License-Identifier: GPL-3.0-or-later
#include "fonts.h"

#include <QStringList>

namespace ombrix {

void RegisterFaceSubstitutes() {
  QFont::insertSubstitutions(QString::fromUtf8(kWindowFace),
                             {"IPAPGothic", "IPA Pゴシック", "VL PGothic", "TakaoPGothic",
                              "Noto Sans CJK JP", "Source Han Sans JP", "IPAGothic"});
}

QFont WindowFont(double pointSize, bool bold) {
  QFont font(QString::fromUtf8(kWindowFace));
  font.setPointSizeF(pointSize);
  font.setWeight(bold ? QFont::Bold : QFont::Normal);
  font.setStyleStrategy(QFont::PreferAntialias);
  return font;
}

}  // namespace ombrix
