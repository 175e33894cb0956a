#include <QApplication>
#include <memory>

#include "display_guard.h"
#include "fonts.h"
#include "program.h"
#include "program_windows.h"

int main(int argc, char* argv[]) {
  auto displayGuard = std::make_unique<ombrix::DisplayGuard>();
  QApplication app(argc, argv);
  displayGuard.reset();
  QGuiApplication::setDesktopFileName(QStringLiteral("org.ombrix.Ombrix"));
  // Only the program decides when it ends: Help unloads the main window before it shows help.
  QApplication::setQuitOnLastWindowClosed(false);
  ombrix::RegisterFaceSubstitutes();

  ombrix::Program program;
  ombrix::ProgramWindows windows(program);
  windows.StartUp();
  return QApplication::exec();
}
