// SPDX-License-Identifier: GPL-3.0-or-later
#include "media_player_control.h"

#include "cue_path.h"

namespace ombrix {

MediaPlayerControl::MediaPlayerControl(QWidget* parent)
    : QWidget(parent), sound_(MakeSoundPlayer()) {
  setFocusPolicy(Qt::NoFocus);
  // Explicitly hidden, so that showing the window does not show the player.
  QWidget::setVisible(false);
}

MediaPlayerControl::~MediaPlayerControl() = default;

void MediaPlayerControl::setVisible(bool /*visible*/) {
  QWidget::setVisible(false);
}

void MediaPlayerControl::SetCommand(const QString& command) {
  const auto is = [&command](const char* name) {
    return command.compare(QLatin1String(name), Qt::CaseInsensitive) == 0;
  };
  if (is("Stop")) {
    sound_->Stop();
  } else if (is("Close")) {
    sound_->Close();
  } else if (is("Open")) {
    const QString path = FindCue(fileName_);
    if (path.isEmpty())
      sound_->Close();
    else
      sound_->Open(path);
  } else if (is("Sound")) {
    sound_->Play();
  }
  emit propertyWritten(kCommandDispatchId, command);
}

void MediaPlayerControl::SetFileName(const QString& fileName) {
  fileName_ = fileName;
  emit propertyWritten(kFileNameDispatchId, fileName);
}

}  // namespace ombrix
