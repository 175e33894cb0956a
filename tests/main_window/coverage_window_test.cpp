// SPDX-License-Identifier: GPL-3.0-or-later
#include <gtest/gtest.h>

#include <QAccessible>
#include <QClipboard>
#include <QHelpEvent>
#include <QMenu>
#include <QPointingDevice>
#include <QToolTip>

#include "catalogue.h"
#include "chart_texts.h"
#include "dialog_script.h"
#include "golden_image.h"
#include "program.h"
#include "program_windows.h"

namespace ombrix::testing {
namespace {

// The coins against the guests in the real windows, with the settings 100 guests and 1000
// experiments and a seeded engine, before any run.
class CoverageWindowTest : public ::testing::Test {
 protected:
  void SetUp() override {
    script.Type("100").Type("1000");
    windows.StartUp();
    ASSERT_TRUE(script.Finish());
    Shown("Form1")->activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(Shown("Form1")));
  }
  static ChartWindow* Chart() { return static_cast<ChartWindow*>(Shown("Chart")); }
  static QPushButton* ChartButton(std::string_view name) {
    return Chart()->findChild<QPushButton*>(ToQString(name));
  }
  // The points' tooltips as a screen reader reads the drawing's list, joined by " / ".
  static QString Points() {
    QAccessibleInterface* list = QAccessible::queryAccessibleInterface(
        Chart()->findChild<QWidget*>(ToQString(ChartWindowNames::kDrawing)));
    QStringList items;
    for (int k = 0; k < list->childCount(); ++k)
      items << list->child(k)->text(QAccessible::Name);
    return items.join(" / ");
  }
  // A sweep from the view's button, let run until `points` are drawn.
  static void Sweep(int points = 7) {
    ChartButton(ChartWindowNames::kSweep)->click();
    ASSERT_TRUE(QTest::qWaitFor([&] { return int(Chart()->Model().Choices().size()) >= points; }));
  }
  Program program;
  ProgramWindows windows{program, 20261208, [] { return 43200.0f; }};
  DialogScript script;
};

TEST_F(CoverageWindowTest, OpensByKeyMenuAndTapAndItsPointsOutliveInit) {
  // By its key, before any run: theory alone, and no way back to a distribution.
  Press("Form1", Qt::Key_Z, Qt::ControlModifier | Qt::ShiftModifier);
  ASSERT_TRUE(Chart());
  EXPECT_EQ(Chart()->accessibleName(), "Chart: coins against guests");
  EXPECT_EQ(Points(), "");
  EXPECT_FALSE(ChartButton(ChartWindowNames::kCoverageBack)->isVisible());
  EXPECT_EQ(Chart()->focusWidget(), ChartButton(ChartWindowNames::kSweep));
  Press("Chart", Qt::Key_Escape);
  EXPECT_FALSE(Chart());
  // From the table's menu, by the pointer: its item is for any time, with its key.
  QWidget* form = Shown("Form1");
  QTest::mouseClick(form->windowHandle(), Qt::RightButton, {},
                    Label("dosu(5)")->mapTo(form, Label("dosu(5)")->rect().center()));
  auto* menu = qobject_cast<QMenu*>(QApplication::activePopupWidget());
  ASSERT_TRUE(menu);
  QAction* item = menu->actions()[2];
  EXPECT_EQ(
      item->text() + " " + item->shortcut().toString() + " " + QString::number(item->isEnabled()),
      "Coins against guests Ctrl+Shift+Z 1");
  QTest::mouseClick(menu, Qt::LeftButton, {}, menu->actionGeometry(item).center());
  ASSERT_TRUE(Chart() && Chart()->Model().State() == ChartState::Coverage);

  // A sweep leaves the settings, the table and Experiment Start as they were.
  const QString before = Settings() + " " + Table() + " " + Buttons();
  Sweep();
  EXPECT_EQ(Settings() + " " + Table() + " " + Buttons(), before);
  const QStringList swept = Points().split(" / ");
  ASSERT_EQ(swept.size(), 7) << Points().toStdString();
  EXPECT_EQ(swept[3],
            "100 guests: 19 coins cover 95 % by this run of 1000 experiments, 19 by theory. Run by "
            "the sweep");
  // A run by hand replaces the sweep's point at its count, filled, as drawn in both languages;
  // Init keeps them all.
  Shown("Form1")->activateWindow();
  Button("Command1")->click();
  EXPECT_TRUE(Points().split(" / ")[3].endsWith("Run by hand")) << Points().toStdString();
  EXPECT_EQ(Points().split(" / ").size(), 7);
  Chart()->resize(640, 520);
  EXPECT_EQ(CompareWithGolden("chart-window-coverage", *Chart()), "");
  for (const char* golden : {"chart-window-coverage-ja", ""}) {
    UseCatalogue(NextCatalogue());
    Chart()->Relabel();
    QTest::qWait(1);  // the buttons laid out again for their new words
    EXPECT_EQ(*golden ? CompareWithGolden(golden, *Chart()) : "", "");
  }
  script.Type("100").Type("1000");
  Button("Command3")->click();
  ASSERT_TRUE(script.Finish());
  EXPECT_EQ(Chart()->Model().State(), ChartState::Coverage);
  EXPECT_EQ(Points().split(" / ").size(), 7);

  // A finger's tap on a point shows its tooltip; the mouse resting on one shows it too.
  QWidget* drawing = Chart()->findChild<QWidget*>(ToQString(ChartWindowNames::kDrawing));
  const auto centre = [&](int k) {
    const Box band = Chart()->Model().Choices()[std::size_t(k)].band;
    return QPoint(int(band.left + band.width / 2), int(band.top + band.height / 2));
  };
  static QPointingDevice* screen = QTest::createTouchDevice();
  QTest::touchEvent(drawing, screen).press(0, centre(6));
  QTest::touchEvent(drawing, screen).release(0, centre(6));
  EXPECT_TRUE(QTest::qWaitFor([&] { return QToolTip::text() == swept[6]; }))
      << QToolTip::text().toStdString();
  QToolTip::hideText();
  QHelpEvent resting(QEvent::ToolTip, centre(5), drawing->mapToGlobal(centre(5)));
  QApplication::sendEvent(drawing, &resting);
  EXPECT_EQ(QToolTip::text(), swept[5]);
  // Ctrl+C copies the points as a spreadsheet takes them.
  QTest::keyClick(drawing, Qt::Key_C, Qt::ControlModifier);
  const QStringList copied = QGuiApplication::clipboard()->text().split('\n');
  EXPECT_EQ(copied.value(0),
            "Guests\tCoins by the run\tCoins by theory\tNumber of experiments\tRun by");
  EXPECT_EQ(copied.value(4), "100\t19\t19\t1000\thand");
  EXPECT_EQ(copied.value(7), "1000\t" + swept[6].section(' ', 2, 2) + "\t61\t1000\tsweep");
  // What a screen reader hears of the whole view: the guide and the points' sentence.
  EXPECT_TRUE(Chart()->accessibleDescription().endsWith(
      "a dashed guide 1.93 × √guests, and 7 points of the runs. Twice the guests: about 1.3 to "
      "1.5 times the coins."))
      << Chart()->accessibleDescription().toStdString();
  ChartButton(ChartWindowNames::kClearPoints)->click();
  QTest::qWait(1);
  EXPECT_EQ(Points(), "");
}

// Stop, closing the chart, Init, Help and Exit each stop a sweep between its runs, and it adds
// nothing after.
TEST_F(CoverageWindowTest, StopInitHelpExitAndCloseStopASweep) {
  const auto stops = [&](
                         const char* what, const std::function<void()>& action,
                         const std::function<void()>& after = [] {}) {
    Press("Form1", Qt::Key_Z, Qt::ControlModifier | Qt::ShiftModifier);
    ASSERT_TRUE(Chart()) << what;
    ChartButton(ChartWindowNames::kClearPoints)->click();
    QTest::qWait(1);
    // The sweep yields to the events pending between its runs: this one acts after two.
    QString during;
    QTimer between;
    QObject::connect(&between, &QTimer::timeout, [&] {
      if (!during.isEmpty() || Chart()->Model().Choices().size() < 2)
        return;
      during = QStringLiteral("%1 %2")
                   .arg(Chart()->Model().Sweeping())
                   .arg(ChartButton(ChartWindowNames::kSweep)->text());
      action();
    });
    between.start(0);
    ChartButton(ChartWindowNames::kSweep)->click();
    ASSERT_TRUE(QTest::qWaitFor([&] { return !during.isEmpty(); })) << what;
    between.stop();
    after();
    EXPECT_EQ(during, "1 Stop") << what;
    QTest::qWait(50);
    Press("Form1", Qt::Key_Z, Qt::ControlModifier | Qt::ShiftModifier);
    ASSERT_TRUE(Chart()) << what;
    EXPECT_FALSE(Chart()->Model().Sweeping()) << what;
    EXPECT_EQ(Chart()->Model().Choices().size(), 2u) << what;
    EXPECT_EQ(ChartButton(ChartWindowNames::kSweep)->text(), "Run 10 to 1000 guests") << what;
  };
  stops("Stop", [] { ChartButton(ChartWindowNames::kSweep)->click(); });
  stops("close", [] { Chart()->close(); });
  stops(
      "Init",
      [&] {
        script.Type("100").Type("1000");
        Button("Command3")->click();
      },
      [&] { ASSERT_TRUE(script.Finish()); });
  stops(
      "Help", [] { Button("Command4")->click(); },
      [&] {
        ASSERT_TRUE(QTest::qWaitFor([] { return Shown("Form2") != nullptr; }));
        script.Type("100").Type("1000");
        QTest::mouseClick(Find<QPushButton>("Form2", "Command1"), Qt::LeftButton);
        ASSERT_TRUE(script.Finish());
      });
  // Exit stops it before its message, whose OK ends the program.
  Press("Form1", Qt::Key_Z, Qt::ControlModifier | Qt::ShiftModifier);
  ChartButton(ChartWindowNames::kClearPoints)->click();
  script.note = [] {
    return QStringLiteral("%1 %2")
        .arg(Chart()->Model().Sweeping())
        .arg(Chart()->Model().Choices().size());
  };
  script.Press(Qt::Key_Return);
  QTimer between;
  QObject::connect(&between, &QTimer::timeout, [&] {
    if (Chart() && Chart()->Model().Choices().size() >= 2 && between.isActive()) {
      between.stop();
      Button("Command2")->click();
    }
  });
  between.start(0);
  ChartButton(ChartWindowNames::kSweep)->click();
  ASSERT_TRUE(script.Finish());
  EXPECT_EQ(script.seen.last(), "Experiment of Ombrix|This software will exit.||0 2");
  EXPECT_TRUE(Ended());
}

}  // namespace
}  // namespace ombrix::testing
