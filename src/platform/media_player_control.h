// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>
#include <QWidget>
#include <memory>

#include "sound_player.h"

namespace ombrix {

// The hidden media player of a window. It is driven, like the control it stands in for, by
// writing string properties: the file name, then commands. It never shows itself and never
// takes the focus; the sound itself is its SoundPlayer's business.
class MediaPlayerControl : public QWidget {
  Q_OBJECT

 public:
  // Dispatch identifiers of the two writable properties.
  static constexpr int kFileNameDispatchId = 22;
  static constexpr int kCommandDispatchId = 23;

  explicit MediaPlayerControl(QWidget* parent = nullptr);
  ~MediaPlayerControl() override;

  // "Stop" stops playing, "Close" closes the open file, "Open" opens the file named by the
  // file name (looked up with FindCue), "Sound" starts playing the open file once and
  // returns at once. Any other command does nothing.
  void SetCommand(const QString& command);
  // Stored as given; it is resolved only when "Open" runs.
  void SetFileName(const QString& fileName);

  // Showing is refused: the player has no buttons on screen.
  void setVisible(bool visible) override;

 signals:
  // Emitted after each property write has taken effect, in the order of the writes. The
  // writes are what a caller of the player relies on, so they stay observable.
  void propertyWritten(int dispatchId, const QString& value);

 private:
  QString fileName_;
  std::unique_ptr<SoundPlayer> sound_;
};

}  // namespace ombrix
