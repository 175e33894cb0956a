#include "form1.h"

#include <QClipboard>
#include <QGuiApplication>
#include <QIcon>
#include <QShortcut>

#include "frequency_table.h"
#include "input_box.h"
#include "main_window_layout.h"
#include "message_box.h"
#include "play_cue.h"
#include "program.h"

namespace ombrix {
namespace {

QString ToQString(std::string_view text) {
  return QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size()));
}

// Each bin of the table is shown in the cell of the same index.
static_assert(MainWindowLayout::kCellCount == FrequencyTable::kBinCount);

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
  };
  for (int bin = 1; bin <= FrequencyTable::kBinCount; ++bin)
    controls.cells[bin] = &Find<QLabel>(MainWindowLayout::CellName(bin));
  return controls;
}

void Form1::Build(QWidget& window) {
  BuildWindow(window, MainWindowLayout::Window(), MainWindowLayout::Controls());
  window.setWindowIcon(QIcon(QStringLiteral(":/ombrix.svg")));
  Controls& controls = controls_.emplace(FindControls());

  QWidget::setTabOrder(&controls.start, &controls.exit);
  QWidget::setTabOrder(&controls.exit, &controls.init);
  QWidget::setTabOrder(&controls.init, &controls.help);
  controls.start.setFocus();

  runNotes_.reset();
  auto* copy = new QShortcut(QKeySequence::Copy, &window);
  QObject::connect(copy, &QShortcut::activated, copy, [this] { CopyTable(); });

  OnClick(controls.start, [this] { Command1_Click(); });
  OnClick(controls.exit, [this] { Command2_Click(); });
  OnClick(controls.init, [this] { Command3_Click(); });
  OnClick(controls.help, [this] { Command4_Click(); });
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
}

void Form1::DetachRunNotes() {
  Controls& ui = *controls_;
  runNotes_.reset();
  for (int bin = 1; bin <= FrequencyTable::kBinCount; ++bin)
    ui.cells[bin]->setToolTip(QString());
  ui.average.setToolTip(QString());
}

void Form1::CopyTable() const {
  if (runNotes_)
    QGuiApplication::clipboard()->setText(runNotes_->TabSeparated());
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
