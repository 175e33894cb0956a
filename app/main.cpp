#include <QApplication>
#include <memory>

#include "display_guard.h"
#include "program.h"
#include "program_windows.h"

int main(int argc, char* argv[]) {
  auto displayGuard = std::make_unique<ombrix::DisplayGuard>();
  QApplication app(argc, argv);
  displayGuard.reset();
  ombrix::SetUpApplication();

  ombrix::Program program;
  ombrix::ProgramWindows windows(program);
  windows.StartUp();
  return QApplication::exec();
}
