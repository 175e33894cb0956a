#include "media_control.h"

#include <QFile>
#include <QFileInfo>
#include <QSoundEffect>
#include <QUrl>
#include <QtEndian>

#include "cue_path.h"

namespace ombrix {

namespace {

quint16 ReadLe16(const QByteArray& bytes, qsizetype at) {
  return qFromLittleEndian<quint16>(bytes.constData() + at);
}

quint32 ReadLe32(const QByteArray& bytes, qsizetype at) {
  return qFromLittleEndian<quint32>(bytes.constData() + at);
}

// The sample layouts the player decodes: integer PCM of 8, 16, 24 or 32 bits. Float and
// extensible formats it refuses.
bool IsDecodableFormat(const QByteArray& fmt) {
  constexpr quint16 kPcm = 1;
  const quint16 formatTag = ReadLe16(fmt, 0);
  const quint16 channels = ReadLe16(fmt, 2);
  const quint32 sampleRate = ReadLe32(fmt, 4);
  const quint16 blockAlign = ReadLe16(fmt, 12);
  const quint16 bitsPerSample = ReadLe16(fmt, 14);

  const bool knownLayout = formatTag == kPcm && (bitsPerSample == 8 || bitsPerSample == 16 ||
                                                 bitsPerSample == 24 || bitsPerSample == 32);
  return knownLayout && (channels == 1 || channels == 2) && sampleRate >= 1000 &&
         sampleRate <= 384000 && blockAlign == channels * bitsPerSample / 8;
}

}  // namespace

bool IsPlayableWaveFile(const QString& path) {
  if (!QFileInfo(path).isFile()) {
    return false;
  }
  QFile file(path);
  if (!file.open(QIODevice::ReadOnly)) {
    return false;
  }
  const qint64 fileSize = file.size();

  const QByteArray riff = file.read(12);
  if (riff.size() != 12 || !riff.startsWith("RIFF") || riff.mid(8, 4) != "WAVE") {
    return false;
  }
  // A header that claims more bytes than the file holds means a truncated or corrupt file.
  const qint64 riffEnd = 8 + qint64{ReadLe32(riff, 4)};
  if (riffEnd < 12 || riffEnd > fileSize) {
    return false;
  }

  // The decoder reads the samples until it has as many bytes as the data chunk claims. If the
  // file ends before that, or the last frame is incomplete, it waits for the rest forever, and
  // from then on releasing any sound blocks the program. Hence every size is checked here.
  quint16 blockAlign = 0;
  qint64 position = 12;
  while (position + 8 <= riffEnd) {
    if (!file.seek(position)) {
      return false;
    }
    const QByteArray chunkHeader = file.read(8);
    if (chunkHeader.size() != 8) {
      return false;
    }
    const QByteArray id = chunkHeader.left(4);
    const qint64 size = ReadLe32(chunkHeader, 4);
    const qint64 body = position + 8;
    if (body + size > riffEnd) {
      return false;
    }

    if (id == "fmt ") {
      constexpr qint64 kPlainFormatSize = 16;
      if (size < kPlainFormatSize) {
        return false;
      }
      const QByteArray fmt = file.read(kPlainFormatSize);
      if (fmt.size() != kPlainFormatSize || !IsDecodableFormat(fmt)) {
        return false;
      }
      blockAlign = ReadLe16(fmt, 12);
    } else if (id == "data") {
      // The format must come first, and the samples must be whole frames, at least one.
      return blockAlign != 0 && size >= blockAlign && size % blockAlign == 0;
    }
    // The decoder does not skip the pad byte after an odd-sized chunk and would lose its
    // place, so such a chunk before the samples is refused rather than skipped.
    if (size % 2 != 0) {
      return false;
    }
    position = body + size;
  }
  return false;
}

MediaControl::MediaControl(QWidget* parent) : QWidget(parent) {
  setFocusPolicy(Qt::NoFocus);
  // Explicitly hidden, so that showing the window does not show the player.
  QWidget::setVisible(false);
}

MediaControl::~MediaControl() = default;

void MediaControl::setVisible(bool /*visible*/) {
  QWidget::setVisible(false);
}

void MediaControl::SetCommand(const QString& command) {
  const auto is = [&command](const char* name) {
    return command.compare(QLatin1String(name), Qt::CaseInsensitive) == 0;
  };
  if (is("Stop")) {
    Stop();
  } else if (is("Close")) {
    Close();
  } else if (is("Open")) {
    Open();
  } else if (is("Sound")) {
    Sound();
  }
  emit propertyWritten(kCommandDispatchId, command);
}

void MediaControl::SetFileName(const QString& fileName) {
  fileName_ = fileName;
  emit propertyWritten(kFileNameDispatchId, fileName);
}

void MediaControl::Stop() {
  if (sound_) {
    sound_->stop();
  }
}

void MediaControl::Close() {
  Stop();
  sound_.reset();
  openPath_.clear();
}

void MediaControl::Open() {
  Close();
  // Checked here so that a bad file never reaches the decoder: it would only report the
  // failure later, asynchronously, with a warning.
  const QString path = FindCue(fileName_);
  if (path.isEmpty() || !IsPlayableWaveFile(path)) {
    return;
  }
  sound_ = std::make_unique<QSoundEffect>();
  // Loading runs in the background; a "Sound" that comes before it has finished plays as
  // soon as the samples are ready.
  sound_->setSource(QUrl::fromLocalFile(path));
  openPath_ = path;
}

void MediaControl::Sound() {
  if (sound_) {
    sound_->play();
  }
}

}  // namespace ombrix
