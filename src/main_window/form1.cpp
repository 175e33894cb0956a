// SPDX-License-Identifier: GPL-3.0-or-later
#include "form1.h"

#include <QClipboard>
#include <QGuiApplication>
#include <QIcon>
#include <QMenu>
#include <QScreen>
#include <span>

#include "chart_placement.h"
#include "frequency_table.h"
#include "input_box.h"
#include "main_window_layout.h"
#include "message_box.h"
#include "play_cue.h"
#include "program.h"
#include "shortage_chart.h"

namespace ombrix {
namespace {

QString ToQString(std::string_view text) {
  return QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size()));
}

// Each bin of the table is shown in the cell of the same index.
static_assert(MainWindowLayout::kCellCount == FrequencyTable::kBinCount);

// The table's menu, opened by a right click on the table. Its commands are shortcuts of the
// whole window too, shown in the menu, and wait for a run before they are enabled.
void AddTableMenu(QWidget& window) {
  auto* menu = new QMenu(&window);
  const auto add = [&](const char* name, const char* text, const QKeySequence& keys) {
    auto* action = new QAction(QLatin1String(text), &window);
    action->setObjectName(QLatin1String(name));
    action->setShortcut(keys);
    action->setEnabled(false);
    window.addAction(action);
    menu->addAction(action);
  };
  add("ShowChart", "Show chart", QKeySequence(Qt::CTRL | Qt::Key_G));
  add("CopyTable", "Copy table", QKeySequence::Copy);
  window.setContextMenuPolicy(Qt::CustomContextMenu);
  QObject::connect(&window, &QWidget::customContextMenuRequested, menu,
                   [&window, menu](const QPoint& at) {
                     if (MainWindowLayout::TableArea().ToPixels().contains(at))
                       menu->popup(window.mapToGlobal(at));
                   });
}

}  // namespace

Form1::Form1(Program& program, std::uint64_t randomSeed, RuntimeRandom::Clock clock)
    : Form(program), random_(randomSeed, clock) {}

Form1::Controls Form1::FindControls() const {
  Controls controls{
      .start = Find<QPushButton>("Command1"),
      .exit = Find<QPushButton>("Command2"),
      .init = Find<QPushButton>("Command3"),
      .help = Find<QPushButton>("Command4"),
      .guestCount = Find<QLabel>("Label82"),
      .experimentCount = Find<QLabel>("Label2"),
      .average = Find<QLabel>("Label3"),
      .cells = {},
      .mmControl1 = Find<MediaControl>("MMControl1"),
      .showChart = Find<QAction>("ShowChart"),
      .copyTable = Find<QAction>("CopyTable"),
  };
  for (int bin = 1; bin <= FrequencyTable::kBinCount; ++bin)
    controls.cells[bin] = &Find<QLabel>(MainWindowLayout::CellName(bin));
  return controls;
}

void Form1::Build(QWidget& window) {
  BuildWindow(window, MainWindowLayout::Window(), MainWindowLayout::Controls());
  window.setWindowIcon(QIcon(QStringLiteral(":/ombrix.svg")));
  AddTableMenu(window);
  Controls& controls = controls_.emplace(FindControls());

  QWidget::setTabOrder(&controls.start, &controls.exit);
  QWidget::setTabOrder(&controls.exit, &controls.init);
  QWidget::setTabOrder(&controls.init, &controls.help);
  controls.start.setFocus();

  runNotes_.reset();
  QObject::connect(&controls.showChart, &QAction::triggered, [this] { ShowChart(); });
  QObject::connect(&controls.copyTable, &QAction::triggered, [this] { CopyTable(); });

  OnClick(controls.start, [this] { Command1_Click(); });
  OnClick(controls.exit, [this] { Command2_Click(); });
  OnClick(controls.init, [this] { Command3_Click(); });
  OnClick(controls.help, [this] { Command4_Click(); });
}

void Form1::Unloaded() {
  controls_.reset();
  chart_.reset();
}

void Form1::Form_Activate() {
  AskSettings(SettingsVariant::Activation);
}

void Form1::AskSettings(SettingsVariant variant) {
  if (AskExperimentSettings(*this, settings_, variant) == Flow::EndProgram)
    program().End();
}

void Form1::Command1_Click() {
  DoEvents();
  if (!IsLoaded())
    return;  // a pending event may have closed the window
  Controls& ui = *controls_;
  Window()->setCursor(Qt::WaitCursor);
  ui.exit.setEnabled(false);
  ui.init.setEnabled(false);

  FrequencyTable table;
  table.Clear();
  engine_.Run(settings_, table);

  ui.average.setText(QString::fromStdString(AverageText(engine_.ShortageAverage)));
  for (int bin = 1; bin <= FrequencyTable::kBinCount; ++bin)
    ui.cells[bin]->setText(QString::fromStdString(table.CellText(bin)));
  ui.start.setEnabled(false);
  ui.exit.setEnabled(true);
  ui.init.setEnabled(true);
  Window()->setCursor(Qt::ArrowCursor);
  AttachRunNotes(table);
  if (chart_ && chart_->isVisible())
    chart_->ShowRun(RunChart());
}

void Form1::Command2_Click() {
  PlayCue(controls_->mmControl1, "endpinpon.wav");
  if (ShowExitMessage(*this, settings_) == kButtonOk)
    program().End();
}

void Form1::Command3_Click() {
  Controls& ui = *controls_;
  PlayCue(ui.mmControl1, "pinpon.wav");
  ui.start.setEnabled(true);
  for (int bin = 1; bin <= FrequencyTable::kBinCount; ++bin)
    ui.cells[bin]->clear();
  ui.experimentCount.clear();
  ui.average.clear();
  ui.guestCount.clear();
  DetachRunNotes();
  AskSettings(SettingsVariant::Init);
}

void Form1::Command4_Click() {
  PlayCue(controls_->mmControl1, "pinpon.wav");
  Unload();
  if (helpWindow_)
    helpWindow_().Show();
}

void Form1::AttachRunNotes(const FrequencyTable& table) {
  Controls& ui = *controls_;
  runNotes_.emplace(table, settings_.GuestCount, settings_.ExperimentCount, ui.average.text());
  for (int bin = 1; bin <= FrequencyTable::kBinCount; ++bin)
    ui.cells[bin]->setToolTip(runNotes_->CellToolTip(bin));
  ui.average.setToolTip(runNotes_->AverageToolTip());
  ui.showChart.setEnabled(true);
  ui.copyTable.setEnabled(true);
}

void Form1::DetachRunNotes() {
  Controls& ui = *controls_;
  runNotes_.reset();
  for (int bin = 1; bin <= FrequencyTable::kBinCount; ++bin)
    ui.cells[bin]->setToolTip(QString());
  ui.average.setToolTip(QString());
  ui.showChart.setEnabled(false);
  ui.copyTable.setEnabled(false);
  if (chart_)
    chart_->ShowNoRun();
}

void Form1::CopyTable() const {
  if (runNotes_)
    QGuiApplication::clipboard()->setText(runNotes_->TabSeparated());
}

ShortageChart Form1::RunChart() const {
  return ChartOf(settings_.GuestCount,
                 std::span(engine_.ShortageByExperiment).subspan(1, settings_.ExperimentCount),
                 engine_.ShortageAverage);
}

void Form1::ShowChart() {
  if (!runNotes_)
    return;
  if (!chart_) {
    chart_ = std::make_unique<ChartWindow>();
    chart_->setWindowIcon(Window()->windowIcon());
  }
  chart_->ShowRun(RunChart());
  if (!chart_->isVisible()) {
    // Placed as whole windows, title bars and borders included, like this one's.
    const QWidget& main = *Window();
    const QSize frame = main.frameGeometry().size() - main.size();
    const QRect table =
        MainWindowLayout::TableArea().ToPixels().translated(main.geometry().topLeft());
    const QRect place = PlaceBeside(main.screen()->availableGeometry(), main.frameGeometry(), table,
                                    chart_->size() + frame);
    chart_->resize(place.size() - frame);
    chart_->move(place.topLeft());
  }
  chart_->show();
  chart_->raise();
  chart_->activateWindow();
}

std::string Form1::InputBox(std::string_view prompt, std::string_view title,
                            std::string_view defaultText) {
  return ombrix::InputBox(Window(), ToQString(prompt), ToQString(title), ToQString(defaultText))
      .toStdString();
}

std::int16_t Form1::MsgBox(std::string_view prompt, std::string_view title, int) {
  return static_cast<std::int16_t>(ombrix::MsgBox(Window(), ToQString(prompt), ToQString(title)));
}

void Form1::ShowGuestCount(std::string_view text) {
  controls_->guestCount.setText(ToQString(text));
}

void Form1::ShowExperimentCount(std::string_view text) {
  controls_->experimentCount.setText(ToQString(text));
}

}  // namespace ombrix
