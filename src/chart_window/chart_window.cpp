// SPDX-License-Identifier: GPL-3.0-or-later
#include "chart_window.h"

#include <QApplication>
#include <QClipboard>
#include <QGuiApplication>
#include <QHBoxLayout>
#include <QHelpEvent>
#include <QPainter>
#include <QPushButton>
#include <QSlider>
#include <QStyle>
#include <QTimer>
#include <QToolTip>
#include <QVBoxLayout>
#include <algorithm>

#include "bars_accessible.h"
#include "chart_texts.h"
#include "coverage_texts.h"
#include "fonts.h"
#include "key_names.h"
#include "meeting_texts.h"
#include "qt_conversions.h"
#include "scene_painter.h"
#include "screen_reader.h"

namespace ombrix {

// The drawing of the chart: it paints the model's scene at its own size, and stands for the
// bars, whose keys, pointer and tooltips go to the model, and which a screen reader finds as a
// list (BarsAccessible).
class ChartDrawing final : public QWidget {
 public:
  explicit ChartDrawing(ChartWindow& window) : window_(window) {
    static const bool bars = (QAccessible::installFactory(&ChartDrawing::Bars), true);
    (void)bars;
    setFocusPolicy(Qt::StrongFocus);
    setMouseTracking(true);
  }

  // While the drawing has the focus, a screen reader follows the chosen bar as the focused item
  // of the bars' list.
  void FollowChosenBar() {
    const int chosen = window_.Model().ChosenBar();
    if (following_ && chosen >= 0 && chosen != followed_)
      FocusBar(this, chosen);
    followed_ = chosen;
  }

 protected:
  void paintEvent(QPaintEvent*) override {
    QPainter painter(this);
    PaintScene(painter, window_.Model().Scene(), hasFocus());
  }
  void resizeEvent(QResizeEvent* event) override {
    window_.Carry(window_.Model().Resize({double(width()), double(height())}));
    QWidget::resizeEvent(event);
  }
  void focusInEvent(QFocusEvent* event) override {
    window_.Carry(window_.Model().FocusBars());
    QWidget::focusInEvent(event);
    // Qt tells of the whole list's focus once this returns: the chosen bar's comes after it.
    QTimer::singleShot(0, this, [this] {
      following_ = hasFocus();
      followed_ = -1;
      FollowChosenBar();
    });
  }
  void focusOutEvent(QFocusEvent* event) override {
    following_ = false;
    update();  // without the focus frame
    QWidget::focusOutEvent(event);
  }
  void keyPressEvent(QKeyEvent* event) override { window_.Forward(KeyPart::Bars, *event); }
  // A touch screen's tap reaches the desktop as a click, and acts as one.
  void mousePressEvent(QMouseEvent* event) override {
    if (event->button() == Qt::LeftButton)
      window_.Carry(window_.Model().PointerDown(PointOf(*event), Pointer::Mouse));
  }
  void mouseMoveEvent(QMouseEvent* event) override {
    const Point at = PointOf(*event);
    setCursor(window_.Model().GrabsMarker(at) || window_.Model().Dragging() ? Qt::SizeHorCursor
                                                                            : Qt::ArrowCursor);
    if (event->buttons() & Qt::LeftButton)  // a press on the marker's line may become a drag
      window_.Carry(window_.Model().PointerMove(at));
  }
  void mouseReleaseEvent(QMouseEvent*) override { window_.Carry(window_.Model().PointerUp()); }
  bool event(QEvent* event) override {
    if (event->type() != QEvent::ToolTip)
      return QWidget::event(event);
    const auto* help = static_cast<QHelpEvent*>(event);
    const std::string tip = window_.Model().ToolTipAt({double(help->x()), double(help->y())});
    if (tip.empty())
      QToolTip::hideText();
    else
      QToolTip::showText(help->globalPos(), ToQString(tip), this);
    return true;
  }

 private:
  static Point PointOf(const QMouseEvent& event) {
    return {event.position().x(), event.position().y()};
  }
  static QAccessibleInterface* Bars(const QString&, QObject* object) {
    auto* drawing = dynamic_cast<ChartDrawing*>(object);
    return drawing ? new BarsAccessible(drawing, drawing->window_.Model()) : nullptr;
  }

  ChartWindow& window_;
  bool following_ = false;
  int followed_ = -1;  // the bar a screen reader was last told of
};

ChartWindow::ChartWindow(std::function<void(Command)> programCommand)
    : model_(TextWidthOf),
      drawing_(new ChartDrawing(*this)),
      coins_(new QSlider(Qt::Horizontal)),
      coinsRow_(new QHBoxLayout),
      commands_(new QWidget),
      replay_(new QPushButton),
      step_(new QPushButton),
      back_(new QPushButton),
      coverage_(new QWidget),
      sweep_(new QPushButton),
      clear_(new QPushButton),
      coverageBack_(new QPushButton),
      programCommand_(std::move(programCommand)) {
  const WindowSpec window = ChartWindowSpec();
  setObjectName(ToQString(window.name));
  // A dialog-type window: X11 window managers keep one above the window it is transient for
  // only then. It keeps a normal window's title bar and buttons.
  setWindowFlags(Qt::Dialog | Qt::WindowTitleHint | Qt::WindowSystemMenuHint |
                 Qt::WindowMinMaxButtonsHint | Qt::WindowCloseButtonHint);
  resize(ToQRect(window.rect.Pixels()).size());
  // White around the chart, as in it.
  QPalette white = palette();
  white.setColor(QPalette::Window, ToQColor(ChartPalette::kWhite));
  setPalette(white);
  setAutoFillBackground(true);

  drawing_->setObjectName(ToQString(ChartWindowNames::kDrawing));
  drawing_->setMinimumSize(int(kSmallestChartSize.width), int(kSmallestChartSize.height));
  coins_->setObjectName(ToQString(ChartWindowNames::kCoins));
  coinsRow_->addWidget(coins_);
  replay_->setObjectName(ToQString(ChartWindowNames::kReplay));
  step_->setObjectName(ToQString(ChartWindowNames::kStep));
  back_->setObjectName(ToQString(ChartWindowNames::kBack));
  commands_->setObjectName(ToQString(ChartWindowNames::kMeeting));
  coverage_->setObjectName(ToQString(ChartWindowNames::kCoverage));
  sweep_->setObjectName(ToQString(ChartWindowNames::kSweep));
  clear_->setObjectName(ToQString(ChartWindowNames::kClearPoints));
  coverageBack_->setObjectName(ToQString(ChartWindowNames::kCoverageBack));
  const auto row = [](QWidget* row, std::initializer_list<QWidget*> parts) {
    auto* buttons = new QHBoxLayout(row);
    buttons->setContentsMargins(0, 0, 6, 0);
    buttons->addStretch();
    for (QWidget* button : parts)
      buttons->addWidget(button);
  };
  row(commands_, {replay_, step_, back_});
  row(coverage_, {sweep_, clear_, coverageBack_});
  auto* layout = new QVBoxLayout(this);
  layout->setContentsMargins(0, 0, 0, 4);
  layout->setSpacing(0);
  layout->addWidget(drawing_, 1);
  layout->addLayout(coinsRow_);
  layout->addWidget(commands_);
  layout->addWidget(coverage_);
  for (QWidget* part :
       std::initializer_list<QWidget*>{coins_, replay_, step_, sweep_, clear_, coverageBack_})
    part->installEventFilter(this);

  QObject::connect(coins_, &QSlider::valueChanged, this,
                   [this](int value) { Carry(model_.SetMarkerValue(value)); });
  QObject::connect(replay_, &QPushButton::clicked, this,
                   [this] { Carry(model_.ReplayClicked(Now())); });
  QObject::connect(step_, &QPushButton::clicked, this,
                   [this] { Carry(model_.StepClicked(Now())); });
  QObject::connect(back_, &QPushButton::clicked, this, [this] { Carry(model_.Back()); });
  QObject::connect(coverageBack_, &QPushButton::clicked, this, [this] { Carry(model_.Back()); });
  QObject::connect(sweep_, &QPushButton::clicked, this, [this] { Carry(model_.SweepClicked()); });
  QObject::connect(clear_, &QPushButton::clicked, this, [this] { Carry(model_.ClearClicked()); });
  frames_.setInterval(ReplayClock::kFrameMilliseconds);
  frames_.setTimerType(Qt::PreciseTimer);
  QObject::connect(&frames_, &QTimer::timeout, this, [this] { Carry(model_.Tick(Now())); });
  clock_.start();
  Relabel();
}

void ChartWindow::Relabel() {
  setWindowTitle(ToQString(ChartWindowSpec().caption));
  coins_->setAccessibleName(ToQString(Tr(ChartTexts::kCoinsMarker)));
  step_->setText(ToQString(Tr(MeetingTexts::kStep)));
  step_->setToolTip(ToQString(ShortcutLabel(KeyPart::Replay, Command::StepGuest)));
  back_->setText(ToQString(Tr(MeetingTexts::kBack)));
  back_->setToolTip(ToQString(ShortcutLabel(KeyPart::Chart, {Command::Back, Command::Leave})));
  clear_->setText(ToQString(Tr(CoverageTexts::kClear)));
  coverageBack_->setText(back_->text());
  coverageBack_->setToolTip(back_->toolTip());
  Show();
}

ChartWindow::~ChartWindow() = default;

void ChartWindow::Open(const ShortageChart& run, RunMeetings meetings) {
  Carry(model_.Open(run, std::move(meetings)));
}

void ChartWindow::ShowRun(const ShortageChart& run, RunMeetings meetings) {
  Carry(model_.Run(run, std::move(meetings)));
}

void ChartWindow::ShowNoRun() {
  Carry(model_.Init());
}

void ChartWindow::ShowCoverage(const CoveragePoints& points, std::optional<int> sweepRun) {
  Carry(model_.ShowCoverage(points, sweepRun));
}

void ChartWindow::ShowPoints(const CoveragePoints& points, std::optional<int> sweepRun) {
  Carry(model_.ShowPoints(points, sweepRun));
}

void ChartWindow::StopReplay() {
  Carry(model_.Exit());
}

void ChartWindow::Forward(KeyPart part, QKeyEvent& event) {
  const std::optional<Key> key = KeyOf(event);
  if (!key || CommandOf(part, *key) == Command::None)
    return event.ignore();  // for the widget's own keys, such as Tab
  event.accept();
  Carry(model_.Key(part, *key, Now()));
}

void ChartWindow::keyPressEvent(QKeyEvent* event) {
  Forward(KeyPart::Chart, *event);
}

bool ChartWindow::eventFilter(QObject* watched, QEvent* event) {
  if (event->type() != QEvent::KeyPress)
    return QWidget::eventFilter(watched, event);
  auto& key = *static_cast<QKeyEvent*>(event);
  Forward(watched == coins_    ? KeyPart::Marker
          : watched == step_   ? KeyPart::Step
          : watched == replay_ ? KeyPart::Replay
                               : KeyPart::Sweep,
          key);
  return key.isAccepted();
}

void ChartWindow::closeEvent(QCloseEvent* event) {
  HandOn(model_.Close().command);
  QWidget::closeEvent(event);
}

// A sweep's start is handed on from the event loop: its runs yield to the events between them,
// which may close this window. Stop acts at once, before the next run.
void ChartWindow::HandOn(Command command) {
  if (command == Command::Sweep)
    QTimer::singleShot(0, qApp, [forward = programCommand_, command] { forward(command); });
  else if (command != Command::None)
    programCommand_(command);
}

void ChartWindow::Carry(const ChartOutcome& outcome) {
  if (outcome.close) {
    close();  // a command of its own goes with closeEvent
    return;
  }
  HandOn(outcome.command);
  Show();
  if (outcome.copyPicture)
    QGuiApplication::clipboard()->setImage(drawing_->grab().toImage());
  if (!outcome.copyText.empty())
    QGuiApplication::clipboard()->setText(ToQString(outcome.copyText));
  if (!outcome.say.empty()) {
    replay_->setAccessibleDescription(ToQString(outcome.say));
    // Read out with the focus where it comes to Replay; else told at once.
    if (!outcome.focus)
      Announce(ToQString(outcome.say));
  }
  if (outcome.focus && isVisible()) {
    QWidget* parts[] = {nullptr, this, drawing_, coins_, replay_, step_, sweep_};
    if (QWidget* part = parts[int(*outcome.focus)])
      part->setFocus(Qt::OtherFocusReason);
  }
  if (outcome.showToolTip)
    ShowChosenToolTip();
}

// Beside the chosen item, as the pointer resting on it shows it: for a tap or a key.
void ChartWindow::ShowChosenToolTip() {
  const std::vector<BarChoice> choices = model_.Choices();
  const int chosen = model_.ChosenBar();
  if (chosen < 0 || chosen >= int(choices.size()))
    return;
  const Box band = choices[std::size_t(chosen)].band;
  QToolTip::showText(drawing_->mapToGlobal(QPoint(int(band.Right()), int(band.Bottom()))),
                     ToQString(model_.ChosenBarToolTip()), drawing_);
}

void ChartWindow::Show() {
  const bool distribution = model_.State() == ChartState::Distribution;
  const bool meeting = model_.InMeeting();
  const bool coverage = model_.State() == ChartState::Coverage;
  if (model_.ClockRunning() != frames_.isActive())
    model_.ClockRunning() ? frames_.start() : frames_.stop();
  // Qt tells a screen reader of every call, so a replay's frames would repeat unchanged words.
  const auto describe = [](QWidget& part, const std::string& words) {
    if (const QString text = ToQString(words); part.accessibleDescription() != text)
      part.setAccessibleDescription(text);
  };
  if (const QString name = ToQString(model_.Name()); accessibleName() != name)
    setAccessibleName(name);
  describe(*this, model_.Description());
  const bool choosing = distribution || (coverage && !model_.Choices().empty());
  drawing_->setFocusPolicy(choosing ? Qt::StrongFocus : Qt::NoFocus);
  if (const QString items = ToQString(model_.ItemsName()); drawing_->accessibleName() != items)
    drawing_->setAccessibleName(items);
  {
    const QSignalBlocker quiet(coins_);
    coins_->setRange(model_.LeastMarkerValue(), 0);
    coins_->setValue(model_.MarkerValue());
  }
  describe(*coins_, model_.CoinsDescription());
  coins_->setVisible(distribution);
  commands_->setVisible(meeting);
  coverage_->setVisible(coverage);
  coverageBack_->setVisible(model_.CanGoBack());
  replay_->setText(ToQString(model_.ReplayCaption()));
  sweep_->setText(ToQString(model_.SweepCaption()));
  // Larger with the window, never smaller than the window face's standard size.
  const double scale = std::max(1.0, TextScale(model_.DrawingSize()));
  for (QWidget* part :
       std::initializer_list<QWidget*>{replay_, step_, back_, sweep_, clear_, coverageBack_})
    part->setFont(WindowFont(ChartPalette::kLabelPixels * 0.75 * scale, false));
  AlignCoinsSlider();
  drawing_->FollowChosenBar();
  drawing_->update();
}

void ChartWindow::AlignCoinsSlider() {
  if (model_.State() != ChartState::Distribution)
    return;
  // The handle's middle under the marker, at none and at all coins.
  const DistributionGeometry at = model_.Distribution();
  const int handle = coins_->style()->pixelMetric(QStyle::PM_SliderLength, nullptr, coins_);
  const int left = int(std::lround(at.CoinsX(model_.MostCoins()))) - handle / 2;
  const int right = drawing_->width() - int(std::lround(at.CoinsX(0))) - (handle - handle / 2);
  coinsRow_->setContentsMargins(std::max(0, left), 0, std::max(0, right), 0);
}

}  // namespace ombrix
