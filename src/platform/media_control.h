// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QAudioFormat>
#include <QByteArray>
#include <QString>
#include <QWidget>
#include <memory>
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

// The hidden media player of a window. It is driven, like the control it stands in for,
// by writing string properties: the file name, then commands. It never shows itself and
// never takes the focus.
//
// A file that is missing or cannot be decoded, or a machine without a sound device, plays
// nothing: no command ever blocks or fails. Not QSoundEffect: Qt 6.4's was seen to block for
// good on releasing a sound after a broken file; an audio sink fed from memory cannot.
class MediaControl : public QWidget {
  Q_OBJECT

 public:
  // Dispatch identifiers of the two writable properties.
  static constexpr int kFileNameDispatchId = 22;
  static constexpr int kCommandDispatchId = 23;

  explicit MediaControl(QWidget* parent = nullptr);
  ~MediaControl() override;

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
  void Stop();
  void Close();
  void Open();
  void Sound();

  QString fileName_;
  class Playback;

  std::unique_ptr<WaveSound> sound_;
  std::unique_ptr<Playback> playback_;
};

}  // namespace ombrix
