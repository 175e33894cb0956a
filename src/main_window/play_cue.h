// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>

#include "media_player_control.h"

namespace ombrix {

// Plays the sound cue `fileName` (a bare file name) once on the window's media player and
// returns without waiting for it; a cue that cannot be played is silent.
void PlayCue(MediaPlayerControl& cuePlayer, const QString& fileName);

}  // namespace ombrix
