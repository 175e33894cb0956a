// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QAudioFormat>
#include <QByteArray>
#include <QString>
#include <optional>

namespace ombrix {

// The samples of a playable WAVE file, and how to play them.
struct WaveSound {
  QAudioFormat format;
  QByteArray samples;
};

// The sound in `path` when it is a regular file holding a whole WAV sound of one or two
// channels in uncompressed samples, decoded by libsndfile. Otherwise nothing.
std::optional<WaveSound> ReadWaveFile(const QString& path);

}  // namespace ombrix
