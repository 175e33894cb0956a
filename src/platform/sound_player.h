// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>
#include <memory>

namespace ombrix {

// Plays one sound file at a time. No call blocks or fails: a file that is missing or cannot be
// decoded, or a machine without a sound device, plays nothing.
class SoundPlayer {
 public:
  virtual ~SoundPlayer() = default;

  // Reads and decodes the file at `path` now, so that nothing can go wrong once it plays.
  virtual void Open(const QString& path) = 0;
  // Plays the open sound once from its start and returns at once.
  virtual void Play() = 0;
  virtual void Stop() = 0;
  virtual void Close() = 0;
};

// The program's sound output.
std::unique_ptr<SoundPlayer> MakeSoundPlayer();

}  // namespace ombrix
