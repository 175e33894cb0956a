// SPDX-License-Identifier: GPL-3.0-or-later
// The windows as the user sees them, pixel for pixel, against pictures kept in tests/golden.
//
// When this fails, look at the picture it wrote beside the test (golden-actual/*.png) next to
// the golden one. If the change is intended, run scripts/update_golden_images.sh, look at every
// picture it rewrites, and commit them with the change; if not, the change broke the look of
// a window.

#include <gtest/gtest.h>

#include <QClipboard>
#include <QDir>
#include <QImage>

#include "dialog_script.h"
#include "form1.h"
#include "form2.h"
#include "picture_box.h"
#include "program.h"

namespace ombrix::testing {
namespace {

// Compares the window with its golden image; on a difference, writes what it drew into
// golden-actual/ and counts the pixels that differ.
QString Compare(const QString& name, QWidget& window) {
  const QImage actual = window.grab().toImage().convertToFormat(QImage::Format_RGB32);
  const QString golden = QStringLiteral(OMBRIX_GOLDEN_DIR "/%1.png").arg(name);
  if (qEnvironmentVariableIsSet("OMBRIX_UPDATE_GOLDEN"))
    return actual.save(golden) ? QString() : "cannot write " + golden;
  const QImage expected = QImage(golden).convertToFormat(QImage::Format_RGB32);
  if (expected == actual)
    return {};
  int changed = 0;
  for (int y = 0; y < actual.height(); ++y) {
    for (int x = 0; x < actual.width(); ++x)
      changed += !expected.valid(x, y) || expected.pixel(x, y) != actual.pixel(x, y);
  }
  QDir().mkpath("golden-actual");
  actual.save("golden-actual/" + name + ".png");
  return QStringLiteral("%1 differs from %2 in %3 pixels (or in size): see golden-actual/%1.png")
      .arg(name, golden, QString::number(changed));
}

TEST(GoldenImageTest, MainWindowBeforeAndAfterARunAndTheHelpWindow) {
  Program program;
  Form1 main(program, 20261206, [] { return 43200.0f; });  // seeded, clock at noon
  DialogScript script;
  script.Type("100").Type("1000");
  main.Show();
  ASSERT_TRUE(script.Finish());
  EXPECT_EQ(Compare("main-window-empty", *Shown("Form1")), "");
  // What the pictures leave out: the title bars, and where the windows stand on the screen.
  EXPECT_EQ(Shown("Form1")->windowTitle(), "Experiment of Ombrix 2\u3000Ombrix project 2026");
  EXPECT_EQ(Shown("Form1")->geometry(), QRect(244, 99, 613, 512));

  Find<QPushButton>("Form1", "Command1")->click();
  EXPECT_EQ(Compare("main-window-after-run", *Shown("Form1")), "");

  Press("Form1", Qt::Key_G, Qt::ControlModifier);
  ASSERT_TRUE(Shown("Chart"));
  EXPECT_EQ(Compare("chart-window", *Shown("Chart")), "");
  EXPECT_EQ(Shown("Chart")->windowTitle(), "Experiment of Ombrix 2＿Chart　Ombrix project 2026");
  // No side of the main window has room on the 800 x 800 screen: the corner that hides least.
  EXPECT_EQ(Shown("Chart")->geometry(), QRect(2, 318, 640, 480));
  Press("Chart", Qt::Key_C, Qt::ControlModifier);  // the chart as a picture
  EXPECT_EQ(QGuiApplication::clipboard()->image(), Shown("Chart")->grab().toImage());

  Form2 help(program);
  help.Show();
  ASSERT_TRUE(QTest::qWaitForWindowActive(Shown("Form2")));
  QTest::qWait(20);  // the activation's handler prints the text
  EXPECT_EQ(Compare("help-window", *Shown("Form2")), "");
  EXPECT_EQ(Shown("Form2")->windowTitle(),
            "Experiment of Ombrix 2＿Help（Problem and Operation "
            "method）\u3000Ombrix project 2026");
  EXPECT_EQ(Shown("Form2")->geometry(), QRect(206, 136, 634, 581));

  // Every line of the help ends inside its area, at either scale: the area's last two columns
  // hold no text pixel.
  auto& picture = *Find<PictureBox>("Form2", "Picture1");
  const QRect area = picture.contentsRect();
  for (const int scale : {1, 2}) {
    QImage image(picture.size() * scale, QImage::Format_RGB32);
    image.setDevicePixelRatio(scale);
    picture.render(&image);
    const QImage edge = image.copy(
        QRect(QPoint(area.right() - 1, area.top()) * scale, QSize(2, area.height()) * scale));
    QImage white(edge.size(), QImage::Format_RGB32);
    white.fill(Qt::white);
    EXPECT_TRUE(edge == white) << "at scale " << scale;
  }
}

}  // namespace
}  // namespace ombrix::testing
