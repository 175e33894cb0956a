// SPDX-License-Identifier: GPL-3.0-or-later
#include "display_guard.h"

#include <QString>
#include <QtGlobal>
#include <cstdio>
#include <cstdlib>
#include <cstring>

#include "translate.h"

namespace ombrix {
namespace {

QtMessageHandler previousHandler = nullptr;
// The first thing a platform plugin said: the cause, where the fatal message that follows
// only says that no plugin could be started.
QString firstPlatformMessage;

void HandleStartUpMessage(QtMsgType type, const QMessageLogContext& context,
                          const QString& message) {
  const bool fromPlatform = context.category && std::strncmp(context.category, "qt.qpa.", 7) == 0;
  if (type == QtFatalMsg) {
    const QString reason = (firstPlatformMessage.isEmpty() ? message : firstPlatformMessage)
                               .section(QLatin1Char('\n'), 0, 0)
                               .trimmed();
    std::fprintf(stderr, "ombrix: %s\n", qUtf8Printable(reason));
    if (reason.contains(QLatin1String("could not connect to display"), Qt::CaseInsensitive))
      std::fprintf(stderr, "ombrix: %s\n",
                   Tr("start Ombrix from a desktop session, or under xvfb-run").c_str());
    std::_Exit(1);
  }
  if (fromPlatform) {
    if (firstPlatformMessage.isEmpty())
      firstPlatformMessage = message;
    return;
  }
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
