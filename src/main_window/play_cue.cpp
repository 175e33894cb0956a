// SPDX-License-Identifier: GPL-3.0-or-later
#include "play_cue.h"

namespace ombrix {

void PlayCue(MediaControl& mmControl1, const QString& fileName) {
  // Whatever the previous cue left open is stopped and closed before the new file is opened.
  mmControl1.SetCommand(QStringLiteral("Stop"));
  mmControl1.SetCommand(QStringLiteral("Close"));
  mmControl1.SetFileName(fileName);
  mmControl1.SetCommand(QStringLiteral("Open"));
  mmControl1.SetCommand(QStringLiteral("Sound"));
}

}  // namespace ombrix
