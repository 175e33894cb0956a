#include "display_guard.h"

#include <QtGlobal>
#include <cstdio>
#include <cstdlib>
#include <cstring>

namespace ombrix {
namespace {

QtMessageHandler previousHandler = nullptr;

void HandleStartUpMessage(QtMsgType type, const QMessageLogContext& context,
                          const QString& message) {
  if (type == QtFatalMsg) {
    const char* display = std::getenv("DISPLAY");
    std::fprintf(stderr,
                 "ombrix: no display could be opened (DISPLAY is %s); start it from a "
                 "desktop session or under xvfb-run.\n",
                 display && *display ? display : "not set");
    std::_Exit(1);
  }
  // The platform plugins explain their failure at length before the fatal message.
  if (context.category && std::strncmp(context.category, "qt.qpa.", 7) == 0)
    return;
  if (previousHandler)
    previousHandler(type, context, message);
}

}  // namespace

DisplayGuard::DisplayGuard() {
  previousHandler = qInstallMessageHandler(HandleStartUpMessage);
}

DisplayGuard::~DisplayGuard() {
  qInstallMessageHandler(previousHandler);
}

}  // namespace ombrix
