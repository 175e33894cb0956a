#include "form1.h"

#include <QClipboard>
#include <QGuiApplication>
#include <QLabel>
#include <QPushButton>
#include <QShortcut>

#include "frequency_table.h"
#include "input_box.h"
#include "main_window_layout.h"
#include "media_control.h"
#include "message_box.h"
#include "play_cue.h"
#include "program.h"
#include "program_icon.h"

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

void Form1::Build(QWidget& window) {
  BuildWindow(window, MainWindowLayout::Window(), MainWindowLayout::Controls());
  window.setWindowIcon(ProgramIcon());

  QWidget::setTabOrder(Command(1), Command(2));
  QWidget::setTabOrder(Command(2), Command(3));
  QWidget::setTabOrder(Command(3), Command(4));
  Command(1)->setFocus();

  runNotes_.reset();
  auto* copy = new QShortcut(QKeySequence::Copy, &window);
  QObject::connect(copy, &QShortcut::activated, copy, [this] { CopyTable(); });

  OnClick("Command1", [this] { Command1_Click(); });
  OnClick("Command2", [this] { Command2_Click(); });
  OnClick("Command3", [this] { Command3_Click(); });
  OnClick("Command4", [this] { Command4_Click(); });
}

QLabel* Form1::dosu(int index) const {
  return Find<QLabel>(MainWindowLayout::CellName(index));
}

QLabel* Form1::Label(int number) const {
  return Find<QLabel>(QStringLiteral("Label%1").arg(number));
}

QPushButton* Form1::Command(int number) const {
  return Find<QPushButton>(QStringLiteral("Command%1").arg(number));
}

MediaControl* Form1::MMControl1() const {
  return Find<MediaControl>("MMControl1");
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
  SetMousePointer(Qt::WaitCursor);
  Command(2)->setEnabled(false);
  Command(3)->setEnabled(false);

  FrequencyTable table;
  table.Clear();
  engine_.Run(settings_, table);

  Label(3)->setText(QString::fromStdString(AverageText(engine_.ShortageAverage)));
  for (int bin = 1; bin <= FrequencyTable::kBinCount; ++bin) {
    dosu(bin)->setText(QString::fromStdString(table.CellText(bin)));
  }
  Command(1)->setEnabled(false);
  Command(2)->setEnabled(true);
  Command(3)->setEnabled(true);
  SetMousePointer(Qt::ArrowCursor);
  AttachRunNotes(table);
}

void Form1::Command2_Click() {
  PlayCue(*MMControl1(), "endpinpon.wav");
  if (ShowExitMessage(*this, settings_) == kButtonOk)
    program().End();
}

void Form1::Command3_Click() {
  PlayCue(*MMControl1(), "pinpon.wav");
  Command(1)->setEnabled(true);
  for (int index = 1; index <= MainWindowLayout::kCellCount; ++index)
    dosu(index)->clear();
  Label(2)->clear();
  Label(3)->clear();
  Label(82)->clear();
  DetachRunNotes();
  AskSettings(SettingsVariant::Init);
}

void Form1::Command4_Click() {
  PlayCue(*MMControl1(), "pinpon.wav");
  Unload();
  if (helpWindow_)
    helpWindow_().Show();
}

void Form1::AttachRunNotes(const FrequencyTable& table) {
  runNotes_.emplace(table, settings_.GuestCount, settings_.ExperimentCount, Label(3)->text());
  for (int bin = 1; bin <= FrequencyTable::kBinCount; ++bin) {
    dosu(bin)->setToolTip(runNotes_->CellToolTip(bin));
  }
  Label(3)->setToolTip(runNotes_->AverageToolTip());
}

void Form1::DetachRunNotes() {
  runNotes_.reset();
  for (int bin = 1; bin <= FrequencyTable::kBinCount; ++bin)
    dosu(bin)->setToolTip(QString());
  Label(3)->setToolTip(QString());
}

void Form1::CopyTable() const {
  if (runNotes_)
    QGuiApplication::clipboard()->setText(runNotes_->TabSeparated());
}

void Form1::SetMousePointer(Qt::CursorShape shape) {
  Window()->setCursor(shape);
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
  Label(82)->setText(ToQString(text));
}

void Form1::ShowExperimentCount(std::string_view text) {
  Label(2)->setText(ToQString(text));
}

}  // namespace ombrix
