#include "media_control.h"

#include <QAudioDevice>
#include <QAudioSink>
#include <QBuffer>
#include <QCoreApplication>
#include <QFile>
#include <QFileInfo>
#include <QMediaDevices>
#include <QTimer>
#include <QtEndian>
#include <algorithm>

#include "cue_path.h"

namespace ombrix {

namespace {

// Cues are short; anything larger is not one, and is not read into memory.
constexpr qint64 kLargestWaveFile = 64 * 1024 * 1024;

quint16 ReadLe16(const QByteArray& bytes, qsizetype at) {
  return qFromLittleEndian<quint16>(bytes.constData() + at);
}

quint32 ReadLe32(const QByteArray& bytes, qsizetype at) {
  return qFromLittleEndian<quint32>(bytes.constData() + at);
}

// The sample layouts the player plays: integer PCM of 8, 16 or 32 bits, as the audio output
// takes them. Float, 24-bit and extensible formats it refuses.
bool IsDecodableFormat(const QByteArray& fmt) {
  constexpr quint16 kPcm = 1;
  const quint16 formatTag = ReadLe16(fmt, 0);
  const quint16 channels = ReadLe16(fmt, 2);
  const quint32 sampleRate = ReadLe32(fmt, 4);
  const quint16 blockAlign = ReadLe16(fmt, 12);
  const quint16 bitsPerSample = ReadLe16(fmt, 14);

  const bool knownLayout =
      formatTag == kPcm && (bitsPerSample == 8 || bitsPerSample == 16 || bitsPerSample == 32);
  return knownLayout && (channels == 1 || channels == 2) && sampleRate >= 1000 &&
         sampleRate <= 384000 && blockAlign == channels * bitsPerSample / 8;
}

QAudioFormat AudioFormatOf(const QByteArray& fmt) {
  QAudioFormat format;
  format.setChannelCount(ReadLe16(fmt, 2));
  format.setSampleRate(static_cast<int>(ReadLe32(fmt, 4)));
  switch (ReadLe16(fmt, 14)) {
    case 8:
      format.setSampleFormat(QAudioFormat::UInt8);
      break;
    case 16:
      format.setSampleFormat(QAudioFormat::Int16);
      break;
    default:
      format.setSampleFormat(QAudioFormat::Int32);
      break;
  }
  return format;
}

}  // namespace

std::optional<WaveSound> ReadWaveFile(const QString& path) {
  if (!QFileInfo(path).isFile()) {
    return std::nullopt;
  }
  QFile file(path);
  if (!file.open(QIODevice::ReadOnly)) {
    return std::nullopt;
  }
  const qint64 fileSize = file.size();
  if (fileSize > kLargestWaveFile) {
    return std::nullopt;
  }

  const QByteArray riff = file.read(12);
  if (riff.size() != 12 || !riff.startsWith("RIFF") || riff.mid(8, 4) != "WAVE") {
    return std::nullopt;
  }
  // A header that claims more bytes than the file holds means a truncated or corrupt file.
  const qint64 riffEnd = 8 + qint64{ReadLe32(riff, 4)};
  if (riffEnd < 12 || riffEnd > fileSize) {
    return std::nullopt;
  }

  // Every size is checked against the file, so that a truncated or lying header is refused
  // here rather than played as noise or read past its end.
  QByteArray fmt;
  quint16 blockAlign = 0;
  qint64 position = 12;
  while (position + 8 <= riffEnd) {
    if (!file.seek(position)) {
      return std::nullopt;
    }
    const QByteArray chunkHeader = file.read(8);
    if (chunkHeader.size() != 8) {
      return std::nullopt;
    }
    const QByteArray id = chunkHeader.left(4);
    const qint64 size = ReadLe32(chunkHeader, 4);
    const qint64 body = position + 8;
    if (body + size > riffEnd) {
      return std::nullopt;
    }

    if (id == "fmt ") {
      constexpr qint64 kPlainFormatSize = 16;
      if (size < kPlainFormatSize) {
        return std::nullopt;
      }
      fmt = file.read(kPlainFormatSize);
      if (fmt.size() != kPlainFormatSize || !IsDecodableFormat(fmt)) {
        return std::nullopt;
      }
      blockAlign = ReadLe16(fmt, 12);
    } else if (id == "data") {
      // The format must come first, and the samples must be whole frames, at least one.
      if (blockAlign == 0 || size < blockAlign || size % blockAlign != 0) {
        return std::nullopt;
      }
      QByteArray samples = file.read(size);
      if (samples.size() != size) {
        return std::nullopt;
      }
      return WaveSound{AudioFormatOf(fmt), std::move(samples)};
    }
    // A chunk of odd size is followed by one pad byte.
    position = body + size + size % 2;
  }
  return std::nullopt;
}

// One sound playing, from memory: start() returns at once and the sound goes on by itself.
class MediaControl::Playback : public QObject {
 public:
  Playback(const WaveSound& sound, const QAudioDevice& device)
      : samples_(sound.samples + Silence(sound.format)),
        stream_(&samples_),
        output_(device, sound.format) {
    stream_.open(QIODevice::ReadOnly);
    output_.start(&stream_);
  }
  ~Playback() override { output_.stop(); }

  bool Playing() const { return output_.state() == QAudio::ActiveState; }
  void Stop() { output_.stop(); }

  // Lets the sound play to its end, then deletes itself.
  void Linger() {
    setParent(QCoreApplication::instance());
    const qint64 leftUs =
        output_.format().durationForBytes(stream_.size()) - output_.processedUSecs();
    QTimer::singleShot(std::max<qint64>(leftUs / 1000, 0) + 100, this, &QObject::deleteLater);
  }

 private:
  // The audio output may never ask for the last part of a buffer that is shorter than its
  // period, so the sound ends in a little silence that can be left unplayed.
  static QByteArray Silence(const QAudioFormat& format) {
    const char zero = format.sampleFormat() == QAudioFormat::UInt8 ? '\x80' : '\0';
    return QByteArray(format.bytesForDuration(200'000), zero);
  }

  QByteArray samples_;
  QBuffer stream_;
  QAudioSink output_;
};

MediaControl::MediaControl(QWidget* parent) : QWidget(parent) {
  setFocusPolicy(Qt::NoFocus);
  // Explicitly hidden, so that showing the window does not show the player.
  QWidget::setVisible(false);
}

MediaControl::~MediaControl() {
  // Help unloads the window just after its chime has started: the chime plays to its end
  // rather than being cut off.
  if (playback_ && playback_->Playing())
    playback_.release()->Linger();
}

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
  if (playback_) {
    playback_->Stop();
  }
}

void MediaControl::Close() {
  playback_.reset();
  sound_.reset();
}

void MediaControl::Open() {
  Close();
  const QString path = FindCue(fileName_);
  if (path.isEmpty()) {
    return;
  }
  // Read and checked here, in full, so that nothing can go wrong once it plays.
  if (auto sound = ReadWaveFile(path)) {
    sound_ = std::make_unique<WaveSound>(std::move(*sound));
  }
}

void MediaControl::Sound() {
  if (!sound_) {
    return;
  }
  playback_.reset();  // a sound still playing stops; the new one starts from the beginning
  const QAudioDevice device = QMediaDevices::defaultAudioOutput();
  if (device.isNull() || !device.isFormatSupported(sound_->format)) {
    return;  // no sound device, or none that takes this file: silence
  }
  playback_ = std::make_unique<Playback>(*sound_, device);
}

}  // namespace ombrix
