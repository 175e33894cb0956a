// SPDX-License-Identifier: GPL-3.0-or-later
#include "play_cue.h"

namespace ombrix {

void PlayCue(MediaPlayerControl& cuePlayer, const QString& fileName) {
  // Whatever the previous cue left open is stopped and closed before the new file is opened.
  cuePlayer.SetCommand(QStringLiteral("Stop"));
  cuePlayer.SetCommand(QStringLiteral("Close"));
  cuePlayer.SetFileName(fileName);
  cuePlayer.SetCommand(QStringLiteral("Open"));
  cuePlayer.SetCommand(QStringLiteral("Sound"));
}

}  // namespace ombrix
