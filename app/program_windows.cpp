// SPDX-License-Identifier: GPL-3.0-or-later
#include "program_windows.h"

#include <QApplication>
#include <QClipboard>
#include <QIcon>
#include <exception>

#include "catalogue.h"
#include "fonts.h"
#include "input_box.h"
#include "message_box.h"
#include "program.h"
#include "screen_reader.h"
#include "user_language.h"

namespace ombrix {

void SetUpApplication() {
  QGuiApplication::setDesktopFileName(QStringLiteral("org.ombrix.Ombrix"));
  // Every window and dialog shows it; made once, as each window loaded afresh would render
  // it afresh into the pixmap cache.
  QApplication::setWindowIcon(QIcon(QStringLiteral(":/ombrix.svg")));
  // Only the program decides when it ends: Help unloads the main window before it shows help.
  QApplication::setQuitOnLastWindowClosed(false);
  RegisterFaceSubstitutes();
  UseQtWords(CurrentCatalogue().language);
}

ProgramWindows::ProgramWindows(Program& program, std::uint64_t randomSeed,
                               RandomGenerator::Clock clock)
    : program_(program), commands_(randomSeed, clock) {}

void ProgramWindows::StartUp() {
  Forward([this] { return commands_.StartUp(); });
}

LoadableWindow::Events ProgramWindows::EventsOf(ProgramWindow window) {
  return {
      .activated = [this, window] { Forward([=, this] { return commands_.Activated(window); }); },
      .closedByUser = [this,
                       window] { Forward([=, this] { return commands_.ClosedByUser(window); }); },
      .clicked =
          [this, window](std::string_view button) {
            Forward([=, this] { return commands_.Clicked(window, button); });
          }};
}

MainWindow& ProgramWindows::Main() {
  if (!mainWindow_) {
    mainWindow_ = std::make_unique<MainWindow>(
        program_, EventsOf(ProgramWindow::Main), [this](Command command) {
          Forward([=, this] { return commands_.TableCommand(command); });
        });
  }
  return *mainWindow_;
}

HelpWindow& ProgramWindows::Help() {
  if (!helpWindow_)
    helpWindow_ = std::make_unique<HelpWindow>(program_, EventsOf(ProgramWindow::Help));
  return *helpWindow_;
}

LoadableWindow& ProgramWindows::Window(ProgramWindow window) {
  if (window == ProgramWindow::Main)
    return Main();
  return Help();
}

LoadableWindow* ProgramWindows::Loaded() const {
  for (LoadableWindow* window : {static_cast<LoadableWindow*>(mainWindow_.get()),
                                 static_cast<LoadableWindow*>(helpWindow_.get())})
    if (window && window->IsLoaded())
      return window;
  return nullptr;
}

void ProgramWindows::Forward(const std::function<Effects()>& event) {
  try {
    Carry(event());
  } catch (const std::exception& error) {
    // Nothing inside the program traps errors; like any run-time error, it is reported and
    // the program ends.
    Carry(commands_.Failed(error.what()));
  }
}

void ProgramWindows::Carry(Effects effects) {
  while (!effects.empty()) {
    Effects next;
    for (const Effect& effect : effects) {
      Effects answer = CarryOne(effect);
      next.insert(next.end(), answer.begin(), answer.end());
    }
    effects = std::move(next);
  }
}

Effects ProgramWindows::CarryOne(const Effect& effect) {
  QWidget* over = Loaded() ? Loaded()->Widget() : nullptr;
  switch (effect.kind) {
    case EffectKind::Load:
      Window(effect.window).Show();
      break;
    case EffectKind::Unload:
      Window(effect.window).Unload();
      break;
    case EffectKind::AskText:
      return commands_.TextAnswered(InputBox(over, ToQString(effect.text), ToQString(effect.title),
                                             ToQString(effect.defaultText))
                                        .toStdString());
    case EffectKind::AskOk:
      return commands_.OkAnswered(
          static_cast<std::int16_t>(MsgBox(over, ToQString(effect.text), ToQString(effect.title))));
    case EffectKind::Yield:
      DoEvents();
      return commands_.Resumed();
    case EffectKind::RunExperiment:
      return commands_.RunExperiment();
    case EffectKind::SetText:
      Loaded()->SetText(effect.control, ToQString(effect.text));
      break;
    case EffectKind::SetToolTip:
      Loaded()->SetToolTip(effect.control, ToQString(effect.text));
      break;
    case EffectKind::Enable:
      Loaded()->Enable(effect.control, effect.on);
      break;
    case EffectKind::Busy:
      Loaded()->SetBusy(effect.on);
      break;
    case EffectKind::PlayCue:
      Main().PlayCue(effect.text);
      break;
    case EffectKind::PrintHelp:
      Help().PrintText();
      break;
    case EffectKind::Chart:
      Main().TellChart(effect.chart, commands_);
      break;
    case EffectKind::CopyText:
      QGuiApplication::clipboard()->setText(ToQString(effect.text));
      break;
    case EffectKind::OpenTableMenu:
      Main().OpenTableMenu();
      break;
    case EffectKind::Announce:
      Announce(ToQString(effect.text));
      break;
    case EffectKind::End:
      program_.End(effect.status);
      break;
    case EffectKind::Relabel:
      UseQtWords(effect.text);
      Main().Relabel();
      break;
  }
  return {};
}

}  // namespace ombrix
