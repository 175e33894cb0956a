#include <QApplication>

#include "fonts.h"
#include "program.h"
#include "windows.h"

int main(int argc, char* argv[]) {
  QApplication app(argc, argv);
  // Only the program decides when it ends: Help unloads the main window before it shows help.
  QApplication::setQuitOnLastWindowClosed(false);
  ombrix::RegisterFaceSubstitutes();

  ombrix::Program program;
  ombrix::Windows windows(program);
  windows.StartUp();
  return QApplication::exec();
}
