// SPDX-License-Identifier: GPL-3.0-or-later
#include "main_window.h"

#include <QClipboard>
#include <QGuiApplication>
#include <QMenu>
#include <QScreen>
#include <QShortcut>
#include <QWindow>

#include "build_window.h"
#include "chart_placement.h"
#include "chart_surroundings.h"
#include "input_box.h"
#include "main_window_layout.h"
#include "message_box.h"
#include "play_cue.h"
#include "program.h"
#include "qt_conversions.h"
#include "shortage_chart.h"

namespace ombrix {
namespace {

// The table's menu, opened by a right click on the table. Its commands wait for a run before
// they are enabled.
void AddTableMenu(QWidget& window) {
  auto* menu = new QMenu(&window);
  for (const auto& command : {MainWindowLayout::kShowChart, MainWindowLayout::kCopyTable}) {
    auto* action = new QAction(ToQString(command.caption), &window);
    action->setObjectName(ToQString(command.name));
    action->setShortcut(QKeySequence(ToQString(command.Shortcut())));
    action->setEnabled(false);
    window.addAction(action);
    menu->addAction(action);
  }
  window.setContextMenuPolicy(Qt::CustomContextMenu);
  QObject::connect(&window, &QWidget::customContextMenuRequested, menu,
                   [&window, menu](const QPoint& at) {
                     if (MainWindowLayout::TableArea().Pixels().Contains(at.x(), at.y()))
                       menu->popup(window.mapToGlobal(at));
                   });
  // From the keyboard the focus is on a button, never on the table: the menu keys open the
  // table's menu at the table, wherever the focus is.
  for (const QKeySequence& keys :
       {QKeySequence(Qt::Key_Menu), QKeySequence(Qt::SHIFT | Qt::Key_F10)}) {
    auto* shortcut = new QShortcut(keys, &window);
    QObject::connect(shortcut, &QShortcut::activated, menu, [&window, menu] {
      menu->popup(window.mapToGlobal(ToQRect(MainWindowLayout::TableArea().Pixels()).center()));
    });
  }
}

}  // namespace

MainWindow::MainWindow(Program& program, std::uint64_t randomSeed, RandomGenerator::Clock clock)
    : LoadableWindow(program), random_(randomSeed, clock) {}

MainWindow::Controls MainWindow::FindControls() const {
  using Layout = MainWindowLayout;
  Controls controls{
      .start = Find<QPushButton>(Layout::kStart),
      .exit = Find<QPushButton>(Layout::kExit),
      .init = Find<QPushButton>(Layout::kInit),
      .help = Find<QPushButton>(Layout::kHelp),
      .guestCount = Find<QLabel>(Layout::kGuestCount),
      .experimentCount = Find<QLabel>(Layout::kExperimentCount),
      .average = Find<QLabel>(Layout::kAverage),
      .cells = {},
      .cuePlayer = Find<MediaPlayerControl>(Layout::kCuePlayer),
      .showChart = Find<QAction>(Layout::kShowChart.name),
      .copyTable = Find<QAction>(Layout::kCopyTable.name),
  };
  for (int bin = 1; bin <= FrequencyTable::kBinCount; ++bin)
    controls.cells[bin] = &Find<QLabel>(Layout::CellName(bin));
  return controls;
}

void MainWindow::Build(QWidget& window) {
  BuildWindow(window, MainWindowLayout::Window(), MainWindowLayout::Controls());
  // The table's tooltips show while the chart is the active window too.
  window.setAttribute(Qt::WA_AlwaysShowToolTips);
  AddTableMenu(window);
  Controls& controls = controls_.emplace(FindControls());

  QWidget::setTabOrder(&controls.start, &controls.exit);
  QWidget::setTabOrder(&controls.exit, &controls.init);
  QWidget::setTabOrder(&controls.init, &controls.help);
  controls.start.setFocus();

  report_.reset();
  QObject::connect(&controls.showChart, &QAction::triggered, [this] { ShowChart(); });
  QObject::connect(&controls.copyTable, &QAction::triggered, [this] { CopyTable(); });

  OnClick(controls.start, [this] { OnStartClicked(); });
  OnClick(controls.exit, [this] { OnExitClicked(); });
  OnClick(controls.init, [this] { OnInitClicked(); });
  OnClick(controls.help, [this] { OnHelpClicked(); });
}

void MainWindow::Unloaded() {
  controls_.reset();
  chart_.reset();
}

void MainWindow::OnActivated() {
  AskSettings(SettingsVariant::Activation);
}

void MainWindow::AskSettings(SettingsVariant variant) {
  if (AskExperimentSettings(*this, settings_, variant) == Flow::EndProgram)
    program().End();
}

void MainWindow::OnStartClicked() {
  DoEvents();
  if (!IsLoaded())
    return;  // a pending event may have closed the window
  Controls& ui = *controls_;
  Widget()->setCursor(Qt::WaitCursor);
  ui.exit.setEnabled(false);
  ui.init.setEnabled(false);

  report_.emplace(engine_.Run(settings_));
  const ShortageRun& run = report_->run;

  ui.average.setText(ToQString(AverageText(run.average)));
  for (int bin = 1; bin <= FrequencyTable::kBinCount; ++bin)
    ui.cells[bin]->setText(ToQString(run.table.CellText(bin)));
  ui.start.setEnabled(false);
  ui.exit.setEnabled(true);
  ui.init.setEnabled(true);
  Widget()->setCursor(Qt::ArrowCursor);
  AttachRunNotes();
  if (chart_ && chart_->IsOpen()) {
    chart_->ShowRun(RunChart(), Meetings());
    chart_->raise();  // over this window, which a click may have raised over it
  }
}

void MainWindow::OnExitClicked() {
  if (chart_)
    chart_->StopReplay();  // not behind the exit message, which waits for an answer
  PlayCue(controls_->cuePlayer, ToQString(MainWindowLayout::kExitCue));
  if (ShowExitMessage(*this, settings_) == kButtonOk)
    program().End();
}

void MainWindow::OnInitClicked() {
  Controls& ui = *controls_;
  PlayCue(ui.cuePlayer, ToQString(MainWindowLayout::kCommandCue));
  ui.start.setEnabled(true);
  for (int bin = 1; bin <= FrequencyTable::kBinCount; ++bin)
    ui.cells[bin]->clear();
  ui.experimentCount.clear();
  ui.average.clear();
  ui.guestCount.clear();
  DetachRunNotes();
  AskSettings(SettingsVariant::Init);
}

void MainWindow::OnHelpClicked() {
  PlayCue(controls_->cuePlayer, ToQString(MainWindowLayout::kCommandCue));
  Unload();
  if (helpWindow_)
    helpWindow_().Show();
}

void MainWindow::AttachRunNotes() {
  Controls& ui = *controls_;
  const RunNotes notes(*report_);
  for (int bin = 1; bin <= FrequencyTable::kBinCount; ++bin)
    ui.cells[bin]->setToolTip(ToQString(notes.CellToolTip(bin)));
  ui.average.setToolTip(ToQString(notes.AverageToolTip()));
  ui.showChart.setEnabled(true);
  ui.copyTable.setEnabled(true);
}

void MainWindow::DetachRunNotes() {
  Controls& ui = *controls_;
  report_.reset();
  for (int bin = 1; bin <= FrequencyTable::kBinCount; ++bin)
    ui.cells[bin]->setToolTip(QString());
  ui.average.setToolTip(QString());
  ui.showChart.setEnabled(false);
  ui.copyTable.setEnabled(false);
  if (chart_)
    chart_->ShowNoRun();
}

void MainWindow::CopyTable() const {
  if (report_)
    QGuiApplication::clipboard()->setText(ToQString(RunNotes(*report_).TabSeparated()));
}

RunMeetings MainWindow::Meetings() const {
  return {
      .next = [this](int value,
                     int experiment) { return report_->run.NextMeetingWith(value, experiment); },
      .replay = [this](int experiment) { return engine_.Replay(report_->run, experiment); }};
}

ShortageChart MainWindow::RunChart() const {
  return ChartOf(report_->law, report_->run.Values(), report_->run.average);
}

void MainWindow::ShowChart() {
  if (!report_)
    return;
  if (!chart_) {
    chart_ = std::make_unique<ChartWindow>();
    // Kept above this window but not above other programs, with its own title bar.
    chart_->winId();
    chart_->windowHandle()->setTransientParent(Widget()->windowHandle());
  }
  // An open chart shows the run already, as the student left it: its coins marker, a meeting.
  if (!chart_->IsOpen()) {
    chart_->Open(RunChart(), Meetings());
    // Placed as whole windows, title bars and borders included, like this one's.
    const QWidget& main = *Widget();
    const QSize frame = main.frameGeometry().size() - main.size();
    const QRect place =
        PlaceBeside(ChartSurroundings(main.screen()->availableGeometry(), main.frameGeometry(),
                                      main.geometry(), report_->run.table));
    // Set as a client area: the chart window's own frame is not known before it is shown.
    const QPoint client = main.geometry().topLeft() - main.frameGeometry().topLeft();
    chart_->setGeometry({place.topLeft() + client, place.size() - frame});
  }
  chart_->show();
  chart_->raise();
  chart_->activateWindow();
}

std::string MainWindow::InputBox(std::string_view prompt, std::string_view title,
                                 std::string_view defaultText) {
  return ombrix::InputBox(Widget(), ToQString(prompt), ToQString(title), ToQString(defaultText))
      .toStdString();
}

std::int16_t MainWindow::MsgBox(std::string_view prompt, std::string_view title, int) {
  return static_cast<std::int16_t>(ombrix::MsgBox(Widget(), ToQString(prompt), ToQString(title)));
}

void MainWindow::ShowCount(std::string_view label, std::string_view text) {
  Find<QLabel>(label).setText(ToQString(text));
}

}  // namespace ombrix
