// SPDX-License-Identifier: GPL-3.0-or-later
#include <gtest/gtest.h>

#include <QAccessible>
#include <QClipboard>
#include <QMenu>
#include <QStyle>
#include <QStyleOptionButton>
#include <QToolTip>

#include "build_window.h"
#include "catalogue.h"
#include "chart_texts.h"
#include "dialog_script.h"
#include "golden_image.h"
#include "help_text.h"
#include "help_window_layout.h"
#include "main_window_layout.h"
#include "meeting_texts.h"
#include "program.h"
#include "program_windows.h"
#include "qt_printers.h"
#include "table_texts.h"

namespace ombrix::testing {
namespace {

// The window as a run reads the clock: its cursor, its buttons, and whether the events that
// were pending at the click have run.
QString duringRun;
bool pendingEventsRan = false;
float ProbeClock() {
  const int cursor = Shown("Form1")->cursor().shape();
  duringRun = QStringLiteral("%1 %2 %3").arg(cursor).arg(Buttons()).arg(pendingEventsRan);
  return 43200.0f;
}

// Shown and clicked at once, before its activation has asked for the settings: the dialogs
// come first, the click is dropped, and no run is made without settings.
class MainWindowTest : public ::testing::Test {
 protected:
  void SetUp() override {
    script.Type("5").Type("100").Type("1000");  // a refused answer brings back the default
    script.note = [] {  // the buttons' words, the catalogue's as in the page
      QStringList words;
      for (const auto* button : QApplication::activeModalWidget()->findChildren<QPushButton*>())
        words << button->text();
      return words.join(' ');
    };
    windows.StartUp();
    QTest::mouseClick(Button("Command1"), Qt::LeftButton);
    ASSERT_TRUE(script.Finish());
    script.note = [] { return QString(); };
    ASSERT_TRUE(script.seen.size() == 3 && !Ended()) << script.seen.join('\n').toStdString();
    ASSERT_EQ(script.seen[1],
              "Setting the number of guests|Please enter an integer between 10 "
              "and 1000 ...|100|OK Cancel");
    Shown("Form1")->activateWindow();  // back from the dialogs, for the keyboard
    ASSERT_TRUE(QTest::qWaitForWindowActive(Shown("Form1")));
  }
  Program program;
  ProgramWindows windows{program, 20261206, ProbeClock};  // seeded, clock at noon
  DialogScript script;
};

// Right-clicks a control of the main window, at its centre or at a point of its own: the menu
// that opens as "text shortcut enabled, ...".
QString RightClick(QWidget* control, int click = -1, QPoint at = {}) {
  QWidget* window = control->window();  // through the window, as the platform delivers clicks
  QTest::mouseClick(window->windowHandle(), Qt::RightButton, {},
                    control->mapTo(window, at.isNull() ? control->rect().center() : at));
  auto* menu = qobject_cast<QMenu*>(QApplication::activePopupWidget());
  QStringList items;
  for (QAction* item : menu ? menu->actions() : QList<QAction*>())
    items << item->text() + " " + item->shortcut().toString() + " " +
                 (item->isEnabled() ? "1" : "0");
  if (menu && click >= 0)
    QTest::mouseClick(menu, Qt::LeftButton, {},
                      menu->actionGeometry(menu->actions()[click]).center());
  else if (menu)
    menu->close();
  return items.join(", ");
}

// Replays the chosen bar's meeting from the keyboard, Enter on the bars and Space on Replay:
// the chart's model.
const ChartModel* ReplayByKeys() {
  QWidget* chart = Shown("Chart");
  QTest::keyClick(chart->findChild<QWidget*>(ToQString(ChartWindowNames::kDrawing)),
                  Qt::Key_Return);
  QTest::keyClick(chart->findChild<QWidget*>(ToQString(ChartWindowNames::kReplay)), Qt::Key_Space);
  return &static_cast<ChartWindow*>(chart)->Model();
}

// Init plays its cue, clears the table and asks for the settings with its own titles; the chart
// follows it too.
TEST_F(MainWindowTest, TheTablesMenuOpensAChartThatFollowsTheRunsAndInitAndGoesWithTheWindow) {
  const auto chart = [] { return Shown("Chart") ? Shown("Chart")->accessibleName() : "closed"; };
  // The language is for any time, named in its own words.
  EXPECT_EQ(RightClick(Label("Label5")),
            "Show chart Ctrl+G 0, Copy table Ctrl+C 0, Coins against guests Ctrl+Shift+Z 1, "
            "\u65e5\u672c\u8a9e  1");
  for (int twice = 0; twice < 2; ++twice) {  // to Japanese and back: the empty cells' hint too
    RightClick(Label("Label5"), 3);
    ASSERT_EQ(CurrentCatalogue().language, twice ? "en" : "ja");
    EXPECT_EQ(Label("dosu(52)")->toolTip(), ToQString(Tr(kTableHint)));
  }
  Button("Command1")->click();
  EXPECT_EQ(RightClick(Button("Command1")), "");  // off the table
  // Off the table too: the average, and the first pixel right of the last column.
  EXPECT_EQ(RightClick(Label("Label3")) + RightClick(Label("dosu(9)"), -1, {49, 9}), "");
  EXPECT_TRUE(
      RightClick(Label("dosu(63)"), 0).startsWith("Show chart Ctrl+G 1, Copy table Ctrl+C 1,"));
  EXPECT_EQ(chart(), "Chart: 100 guests, 1000 experiments");
  // Above the main window, as its transient, and the table's notes show while it is active.
  EXPECT_EQ(Shown("Chart")->windowHandle()->transientParent(), Shown("Form1")->windowHandle());
  ASSERT_TRUE(QTest::qWaitForWindowActive(Shown("Chart")));
  QTest::mouseMove(Label("dosu(52)"));
  EXPECT_TRUE(QTest::qWaitFor([] { return QToolTip::text().startsWith("Shortage -7\n"); }));
  // A meeting replaying stops with Init, which clears it with the chart.
  const ChartModel* model = ReplayByKeys();
  ASSERT_TRUE(model->ClockRunning());
  QString writes;
  Listen(writes);
  script.note = [model] {
    return Settings() + " " + Table() + " " + (model->ClockRunning() ? "replaying" : "");
  };
  script.Type("200").Type("50");
  Button("Command3")->click();
  ASSERT_TRUE(script.Finish());
  EXPECT_EQ(writes, kPinpon);
  EXPECT_EQ(script.seen.mid(3), QStringList({" Setting the number of guests|Please enter an "
                                             "integer between 10 and 1000 ...|100|/ empty ",
                                             " Setting the number of experiment|Please enter an "
                                             "integer between 1 and 10000 ...|1000|200/ empty "}));
  ASSERT_EQ(Settings() + " " + Table() + " " + Buttons(), "200/50 empty 1111");
  EXPECT_TRUE((chart() + " " + RightClick(Label("dosu(1)")))
                  .startsWith("Chart: no run shown Show chart Ctrl+G 0, Copy table Ctrl+C 0,"));
  Button("Command1")->click();  // nothing of the first run is added in
  EXPECT_EQ(Table() + " " + chart(), "50 Chart: 200 guests, 50 experiments");
  Press("Chart", Qt::Key_Escape);
  EXPECT_EQ(chart() + " " + Buttons(), "closed 0111");  // the main window stays
  // The menu keys reach the table's menu from the focused button.
  Shown("Form1")->activateWindow();
  ASSERT_TRUE(QTest::qWaitForWindowActive(Shown("Form1")) && QApplication::focusWidget());
  const QRect table = ToQRect(MainWindowLayout::TableArea().Pixels());
  for (const QKeyCombination keys : {Qt::Key_Menu | Qt::NoModifier, Qt::SHIFT | Qt::Key_F10}) {
    QTest::keyClick(QApplication::focusWidget(), keys.key(), keys.keyboardModifiers());
    QWidget* menu = QApplication::activePopupWidget();
    ASSERT_TRUE(menu && menu->pos() == Shown("Form1")->mapToGlobal(table.center())) << keys.key();
    menu->close();
  }
  Press("Form1", Qt::Key_G, Qt::ControlModifier);
  EXPECT_EQ(chart(), "Chart: 200 guests, 50 experiments");
  // Where it opens: no side of the main window has room on the 800 x 800 offscreen screen,
  // even shrunk, so over it at its smallest, under Exit, over the rows left empty.
  EXPECT_EQ(Shown("Chart")->geometry(), QRect(2, 126, 480, 360));
  // Exit stops a replay before its message, which waits for an answer; then the program ends,
  // and the chart keeps nothing alive.
  model = ReplayByKeys();
  ASSERT_TRUE(model->ClockRunning());
  script.note = [model] { return model->ClockRunning() ? "replaying" : "stopped"; };
  script.Press(Qt::Key_Return);
  Button("Command2")->click();
  ASSERT_TRUE(script.Finish());
  EXPECT_TRUE(script.seen.last().endsWith("|stopped")) << script.seen.last().toStdString();
  EXPECT_TRUE(Ended());
  EXPECT_EQ(chart(), "closed");
}

// Counts of four digits, as at 10 guests and 10000 experiments, are drawn narrowed into their
// cells, clear of the edges, where they ran into each other. A count that fits is drawn as it
// always was: see the golden pictures.
TEST_F(MainWindowTest, CountsWiderThanTheirCellsAreNarrowedToFit) {
  QStringList touching;  // the counts with ink 2 pixels from an edge of their cell
  for (const QString count : {"2063", "2050", "1153", "2001"}) {
    Label("dosu(52)")->setText(count);
    const QImage drawn = Label("dosu(52)")->grab().toImage();
    const QRect area = Label("dosu(52)")->contentsRect();
    for (int y = area.top(); y <= area.bottom(); ++y)
      for (const int x : {area.left(), area.left() + 1, area.right() - 1, area.right()})
        if (qGray(drawn.pixel(x, y)) < 160 && !touching.endsWith(count))
          touching << count;
  }
  EXPECT_EQ(touching.join(' ').toStdString(), "");
}

// A settings dialog left without a number: the exit message once, which ends the program
// however it is closed, here through the window manager, as the script closes a dialog it has
// no step for.
TEST(EndingTest, AnEmptyAnswerShowsTheExitMessageOnceAndEnds) {
  Program program;
  ProgramWindows windows(program);
  DialogScript script;
  script.note = [] { return Label("Label82")->text(); };
  script.Type("100").Type("");
  windows.StartUp();
  ASSERT_TRUE(script.Finish());
  EXPECT_EQ(script.seen.mid(2), QStringList{"Experiment of Ombrix|This software will exit.||100"});
  EXPECT_TRUE(Ended() && !Shown("Form1"));
}

// The window before and after the seeded run, pixel for pixel, and what the pictures leave out:
// the title bar, the icon and the desktop entry the window belongs to. Where the window stands,
// the display tests check on real screens; where the focus starts, the keyboard process test.
// What a screen reader hears of a value, a header of one value or an open one, and a cell; the
// events pending at the click run first, then the run under the hourglass; the notes each cell
// carries after it.
using MainWindowGoldenTest = MainWindowTest;
TEST_F(MainWindowGoldenTest, BeforeAndAfterASeededRun) {
  EXPECT_EQ(CompareWithGolden("main-window-empty", *Shown("Form1")), "");
  EXPECT_EQ(Shown("Form1")->windowTitle(), "Experiment of Ombrix 2\u3000Ombrix project 2026");
  EXPECT_EQ(qAlpha(Shown("Form1")->windowIcon().pixmap(32).toImage().pixel(0, 0)), 255);
  EXPECT_EQ(QGuiApplication::desktopFileName(), "org.ombrix.Ombrix");
  const auto spoken = [](const QStringList& names) {
    QStringList said;
    for (const QString& name : names)
      said << QAccessible::queryAccessibleInterface(Label(name))->text(QAccessible::Name);
    return said.join('|');
  };
  EXPECT_EQ(spoken({"Label3", "Label7", "Label8", "Label81", "dosu(52)"}),
            "Average of shortage: none|shortage -58 or less|-57|shortage 4 or more|shortage -7: "
            "no count");
  Shown("Form1")->setCursor(Qt::CrossCursor);
  int cursorAtPendingEvent = -1;
  QTimer::singleShot(0, [&] {
    pendingEventsRan = true;
    cursorAtPendingEvent = Shown("Form1")->cursor().shape();
  });
  QTest::mouseClick(Button("Command1"), Qt::LeftButton);
  EXPECT_EQ(cursorAtPendingEvent, Qt::CrossCursor);
  EXPECT_EQ(duringRun, QStringLiteral("%1 1001 1").arg(Qt::WaitCursor));
  EXPECT_EQ(Shown("Form1")->cursor().shape(), Qt::ArrowCursor);
  EXPECT_EQ(CompareWithGolden("main-window-after-run", *Shown("Form1")), "");
  const QString count = Label("dosu(52)")->text();
  // The seeded run met -36 once, -18 fourteen times and nothing at the open end.
  EXPECT_EQ(spoken({"dosu(52)", "dosu(23)", "dosu(41)", "dosu(1)"}),
            "shortage -7: " + count +
                " experiments|shortage -36: 1 experiment|shortage -18: 14 experiments|shortage "
                "-58 or less: 0 experiments");
  EXPECT_TRUE(Label("dosu(52)")->toolTip().startsWith("Shortage -7\nObserved: " + count + " "));
  QTest::keyClick(Shown("Form1"), Qt::Key_C, Qt::ControlModifier);
  EXPECT_EQ(QGuiApplication::clipboard()->text().split('\n')[52], "-7\t" + count + "\t57.9584");
}

// Switched to Japanese mid-run with a meeting on the chart, every number and the chart's state
// stay, and the words are the Japanese catalogue's, Qt's own among them; the windows and a
// dialog as they look in Japanese; switching back brings every English word back.
TEST_F(MainWindowGoldenTest, InJapaneseMidRunTheNumbersStayAndTheWordsChange) {
  Button("Command1")->click();
  RightClick(Label("dosu(63)"), 0);
  ASSERT_TRUE(QTest::qWaitForWindowActive(Shown("Chart")));
  QTest::keyClick(QApplication::focusWidget(), Qt::Key_Return);  // the highest bar's meeting
  const ChartModel& model = static_cast<ChartWindow*>(Shown("Chart"))->Model();
  const auto numbers = [&model] {
    return QStringLiteral("%1 %2 %3 %4 %5 %6")
        .arg(Table(), Settings(), Label("Label3")->text())
        .arg(int(model.State()))
        .arg(model.ChosenBar())
        .arg(model.GuestsShown());
  };
  const auto words = [] {
    return QStringList{Shown("Form1")->windowTitle(),
                       Button("Command1")->text(),
                       Label("dosu(52)")->toolTip(),
                       Shown("Chart")->windowTitle(),
                       Shown("Chart")->accessibleName(),
                       Find<QPushButton>("Chart", "Back")->text(),
                       QCoreApplication::translate("QLineEdit", "&Copy")};
  };
  const QString before = numbers();
  const QStringList english = words();
  EXPECT_EQ(RightClick(Label("dosu(1)"), 3),
            "Show chart Ctrl+G 1, Copy table Ctrl+C 1, Coins against guests Ctrl+Shift+Z 1, "
            "\u65e5\u672c\u8a9e  1");
  ASSERT_EQ(CurrentCatalogue().language, "ja");
  EXPECT_EQ(numbers(), before);
  const QStringList japanese = words();
  const QStringList expected{ToQString(MainWindowLayout::Window().caption),
                             ToQString(Tr("Experiment Start")),
                             japanese[2],
                             ToQString(ChartWindowSpec().caption),
                             ToQString(model.Name()),
                             ToQString(Tr(MeetingTexts::kBack))};
  EXPECT_EQ(japanese.mid(0, 6), expected);
  EXPECT_EQ(japanese[2].section('\n', 0, 0),
            ToQString(Tr("Shortage {values}", {{"values", "-7"}})));
  for (int k = 0; k < english.size(); ++k)
    EXPECT_NE(japanese[k], english[k]) << "not translated: " << english[k].toStdString();
  EXPECT_EQ(CompareWithGolden("main-window-after-run-ja", *Shown("Form1")), "");
  EXPECT_EQ(CompareWithGolden("chart-window-meeting-ja", *Shown("Chart")), "");
  Press("Chart", Qt::Key_Backspace);
  EXPECT_EQ(CompareWithGolden("chart-window-ja", *Shown("Chart")), "");
  EXPECT_EQ(RightClick(Label("dosu(1)")),
            ToQString(Tr("Show chart") + " Ctrl+G 1, " + Tr("Copy table") + " Ctrl+C 1, " +
                      Tr("Coins against guests") + " Ctrl+Shift+Z 1, English  1"));

  bool pictured = false;  // the first dialog, of the guests
  script.note = [&pictured] {
    return std::exchange(pictured, true)
               ? QString()
               : CompareWithGolden("settings-dialog-ja", *QApplication::activeModalWidget());
  };
  script.Type("100").Type("1000");
  Button("Command3")->click();
  ASSERT_TRUE(script.Finish());
  EXPECT_EQ(script.seen.mid(3, 1), QStringList{ToQString(Tr(kGuestsDialog.initTitle)) + "|" +
                                               ToQString(kGuestsDialog.Prompt()) + "|100|"});
  Button("Command4")->click();
  ASSERT_TRUE(QTest::qWaitForWindowActive(Shown("Form2")));
  QTest::qWait(20);  // the activation's handler prints the text
  EXPECT_EQ(CompareWithGolden("help-window-ja", *Shown("Form2")), "");
  script.Type("100").Type("1000");
  Find<QPushButton>("Form2", "Command1")->click();
  ASSERT_TRUE(script.Finish());

  Button("Command1")->click();
  RightClick(Label("dosu(63)"), 0);
  RightClick(Label("dosu(1)"), 3);
  ASSERT_EQ(CurrentCatalogue().language, "en");
  // But for the new run's counts in the tooltip and the chart's name, shown with no meeting.
  const QStringList back = words();
  for (const int k : {0, 1, 3, 5, 6})
    EXPECT_EQ(back[k], english[k]) << "not back in English: " << back[k].toStdString();
}

// Every caption of the main window fits its control at its font, in every language, and each
// line of a translated help text fits the help window's text area, without being narrowed.
TEST(TextFitTest, EveryCaptionAndHelpLineFitsItsPlace) {
  for (const Catalogue* catalogue : BuiltCatalogues()) {
    UseCatalogue(*catalogue);
    QWidget main, help;
    BuildWindow(main, MainWindowLayout::Window(), MainWindowLayout::Controls());
    BuildWindow(help, HelpWindowLayout::Window(), HelpWindowLayout::Controls());
    for (auto* label : main.findChildren<QLabel*>())
      EXPECT_LE(label->fontMetrics().horizontalAdvance(label->text()),
                label->contentsRect().width())
          << catalogue->language << " " << label->objectName().toStdString() << ": "
          << label->text().toStdString();
    for (auto* button : main.findChildren<QPushButton*>()) {
      QStyleOptionButton option;  // the buttons wrap their words in their contents' area
      option.initFrom(button);
      const QRect area =
          button->style()->subElementRect(QStyle::SE_PushButtonContents, &option, button);
      const QRect needed = button->fontMetrics().boundingRect(
          area, Qt::AlignCenter | Qt::TextWordWrap, button->text());
      EXPECT_TRUE(area.contains(needed))
          << catalogue->language << " " << button->text().toStdString() << " needs "
          << ::testing::PrintToString(needed) << " in " << ::testing::PrintToString(area);
    }
    const QWidget& area = *help.findChild<QWidget*>(ToQString(HelpWindowLayout::kText));
    if (catalogue == BuiltCatalogues().front())
      continue;  // English's lines may be narrowed: the font they were laid out for is lacking
    const std::vector<std::string> lines = HelpLines();
    EXPECT_LE(int(lines.size()) * QFontInfo(area.font()).pixelSize(), area.contentsRect().height())
        << catalogue->language;
    for (const std::string& line : lines)
      EXPECT_LE(QFontMetricsF(area.font()).horizontalAdvance(ToQString(line)),
                area.contentsRect().width())
          << catalogue->language << ": " << line;
  }
  UseCatalogue(*BuiltCatalogues().front());
}

}  // namespace
}  // namespace ombrix::testing
