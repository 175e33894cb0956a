// SPDX-License-Identifier: GPL-3.0-or-later
#include "main_window.h"

#include <QAction>
#include <QScreen>
#include <QShortcut>
#include <QWindow>

#include "build_window.h"
#include "chart_placement.h"
#include "chart_surroundings.h"
#include "main_window_layout.h"
#include "media_player_control.h"
#include "play_cue.h"
#include "program_commands.h"
#include "qt_conversions.h"

namespace ombrix {

MainWindow::MainWindow(Program& program, Events events, std::function<void(Command)> tableCommand)
    : LoadableWindow(program, std::move(events)), tableCommand_(std::move(tableCommand)) {}

void MainWindow::Build(QWidget& window) {
  BuildWindow(window, MainWindowLayout::Window(), MainWindowLayout::Controls());
  // The table's tooltips show while the chart is the active window too.
  window.setAttribute(Qt::WA_AlwaysShowToolTips);
  AddTableMenu(window);
}

// The table's menu, opened by a right click on the table or by its keys. Its commands wait
// for a run before they are enabled.
void MainWindow::AddTableMenu(QWidget& window) {
  menu_ = new QMenu(&window);
  for (const auto& command : MainWindowLayout::kMenuCommands) {
    auto* action = new QAction(ToQString(command.Caption()), &window);
    action->setObjectName(ToQString(command.name));
    action->setShortcut(QKeySequence(ToQString(command.Shortcut())));
    action->setEnabled(!command.waitsForRun);
    QObject::connect(action, &QAction::triggered,
                     [this, command = command.command] { tableCommand_(command); });
    window.addAction(action);
    menu_->addAction(action);
  }
  window.setContextMenuPolicy(Qt::CustomContextMenu);
  QObject::connect(&window, &QWidget::customContextMenuRequested, menu_,
                   [this, &window](const QPoint& at) {
                     if (MainWindowLayout::TableArea().Pixels().Contains(at.x(), at.y()))
                       menu_->popup(window.mapToGlobal(at));
                   });
  for (const KeyBinding& binding : kKeyMap) {
    if (binding.part != KeyPart::Table || binding.command != Command::OpenTableMenu)
      continue;
    auto* shortcut = new QShortcut(QKeySequence(ToQString(KeyLabel(binding.key))), &window);
    QObject::connect(shortcut, &QShortcut::activated,
                     [this] { tableCommand_(Command::OpenTableMenu); });
  }
}

void MainWindow::OpenTableMenu() const {
  const QRect table = ToQRect(MainWindowLayout::TableArea().Pixels());
  menu_->popup(Widget()->mapToGlobal(table.center()));
}

void MainWindow::Relabel() {
  QWidget& window = *Widget();
  RelabelWindow(window, MainWindowLayout::Window(), MainWindowLayout::Controls());
  for (const auto& command : MainWindowLayout::kMenuCommands)
    window.findChild<QAction*>(ToQString(command.name))->setText(ToQString(command.Caption()));
}

void MainWindow::PlayCue(std::string_view file) const {
  ombrix::PlayCue(Find<MediaPlayerControl>(MainWindowLayout::kCuePlayer), ToQString(file));
}

void MainWindow::Unloaded() {
  menu_ = nullptr;
  chart_.reset();
}

void MainWindow::TellChart(ChartCall call, const ProgramCommands& commands) {
  if (call == ChartCall::Open) {
    OpenChart(commands);
  } else if (call == ChartCall::Coverage) {
    OpenChart(commands);
    chart_->ShowCoverage(commands.Points(), commands.SweepRun());
  } else if (!chart_) {
    // Never opened: nothing to tell.
  } else if (call == ChartCall::Run && chart_->IsOpen()) {
    chart_->ShowRun(commands.RunChart(), commands.Meetings());
    chart_->raise();  // over this window, which a click may have raised over it
  } else if (call == ChartCall::Init) {
    chart_->ShowNoRun();
  } else if (call == ChartCall::Exit) {
    chart_->StopReplay();
  } else if (call == ChartCall::Close) {
    chart_.reset();
  } else if (call == ChartCall::Relabel) {
    chart_->Relabel();
  } else if (call == ChartCall::Points) {
    chart_->ShowPoints(commands.Points(), commands.SweepRun());
  }
}

void MainWindow::OpenChart(const ProgramCommands& commands) {
  if (!chart_) {
    chart_ = std::make_unique<ChartWindow>(tableCommand_);
    // Kept above this window but not above other programs, with its own title bar.
    chart_->winId();
    chart_->windowHandle()->setTransientParent(Widget()->windowHandle());
  }
  // An open chart shows the run already, as the student left it: its coins marker, a meeting.
  // Without a run it opens for the coins against the guests, which need none.
  if (!chart_->IsOpen()) {
    if (commands.Report())
      chart_->Open(commands.RunChart(), commands.Meetings());
    // Placed as whole windows, title bars and borders included, like this one's.
    const QWidget& main = *Widget();
    const QSize frame = main.frameGeometry().size() - main.size();
    const QRect place = PlaceBeside(
        ChartSurroundings(main.screen()->availableGeometry(), main.frameGeometry(), main.geometry(),
                          commands.Report() ? commands.Report()->run.table : FrequencyTable{}));
    // Set as a client area: the chart window's own frame is not known before it is shown.
    const QPoint client = main.geometry().topLeft() - main.frameGeometry().topLeft();
    chart_->setGeometry({place.topLeft() + client, place.size() - frame});
  }
  chart_->show();
  chart_->raise();
  chart_->activateWindow();
}

}  // namespace ombrix
