// SPDX-License-Identifier: GPL-3.0-or-later
#include "wave_player.h"

#include <sndfile.h>
#include <QAudioDevice>
#include <QAudioSink>
#include <QBuffer>
#include <QCoreApplication>
#include <QFile>
#include <QFileInfo>
#include <QMediaDevices>
#include <QTimer>

#include <algorithm>
#include <cstring>
#include <memory>

#include "sound_player.h"

namespace ombrix {

namespace {

// Cues are short; anything larger is not one, and is not read into memory.
constexpr qint64 kLargestWaveFile = 64 * 1024 * 1024;

using SoundFile = std::unique_ptr<SNDFILE, decltype(&sf_close)>;

// The length the file's header gives for one of its chunks, or 0 when it has none.
sf_count_t DeclaredLength(SNDFILE* file, const char id[4]) {
  SF_CHUNK_INFO chunk{};
  std::memcpy(chunk.id, id, 4);
  chunk.id_size = 4;
  SF_CHUNK_ITERATOR* found = sf_get_chunk_iterator(file, &chunk);
  return found && sf_get_chunk_size(found, &chunk) == SF_ERR_NO_ERROR ? chunk.datalen : 0;
}

// Bytes a sample takes in the file, for the uncompressed layouts a cue is stored in; 0 for
// any other.
int StoredSampleBytes(int format) {
  switch (format & SF_FORMAT_SUBMASK) {
    case SF_FORMAT_PCM_U8:
      return 1;
    case SF_FORMAT_PCM_16:
      return 2;
    case SF_FORMAT_PCM_24:
      return 3;
    case SF_FORMAT_PCM_32:
    case SF_FORMAT_FLOAT:
      return 4;
    default:
      return 0;
  }
}

// libsndfile repairs a header that claims more than the file holds and decodes what is there.
// A cue cut short, or whose header lies about its size, is refused instead of played in part.
bool HeaderMatchesFile(SNDFILE* file, const SF_INFO& info, qint64 fileSize) {
  const sf_count_t frameBytes = sf_count_t{info.channels} * StoredSampleBytes(info.format);
  const sf_count_t riffEnd = 8 + DeclaredLength(file, "RIFF");
  return frameBytes > 0 && DeclaredLength(file, "data") == info.frames * frameBytes &&
         riffEnd <= fileSize;
}

// Qt's PulseAudio backend warns on the terminal when it finds no sound server, which to
// Ombrix only means silent chimes. Its warning has no category of its own to filter on.
QtMessageHandler outerMessageHandler = nullptr;

void DropSoundServerWarning(QtMsgType type, const QMessageLogContext& context,
                            const QString& message) {
  if (!message.startsWith(QLatin1String("PulseAudioService:")))
    outerMessageHandler(type, context, message);
}

// The default output, asked for without that warning.
QAudioDevice QuietDefaultAudioOutput() {
  outerMessageHandler = qInstallMessageHandler(DropSoundServerWarning);
  QAudioDevice device = QMediaDevices::defaultAudioOutput();
  qInstallMessageHandler(outerMessageHandler);
  return device;
}

}  // namespace

std::optional<WaveSound> ReadWaveFile(const QString& path) {
  const QFileInfo info(path);
  if (!info.isFile() || info.size() > kLargestWaveFile) {
    return std::nullopt;
  }
  SF_INFO format{};
  const SoundFile file(sf_open(QFile::encodeName(path).constData(), SFM_READ, &format), sf_close);
  // libsndfile also decodes FLAC, Vorbis, Opus and MPEG; a cue is a WAV file, plain or
  // extensible, and nothing else.
  const int type = format.format & SF_FORMAT_TYPEMASK;
  if (!file || (type != SF_FORMAT_WAV && type != SF_FORMAT_WAVEX) ||
      !HeaderMatchesFile(file.get(), format, info.size())) {
    return std::nullopt;
  }
  if (format.channels > 2 || format.samplerate < 1000 || format.samplerate > 384000 ||
      format.frames < 1) {
    return std::nullopt;
  }
  // Whatever the stored layout, the player gets 16-bit samples, which every output takes.
  QByteArray samples(format.frames * format.channels * qsizetype{sizeof(short)}, Qt::Uninitialized);
  if (sf_readf_short(file.get(), reinterpret_cast<short*>(samples.data()), format.frames) !=
      format.frames) {
    return std::nullopt;
  }
  QAudioFormat audio;
  audio.setChannelCount(format.channels);
  audio.setSampleRate(format.samplerate);
  audio.setSampleFormat(QAudioFormat::Int16);
  return WaveSound{audio, std::move(samples)};
}

namespace {

// One sound playing, from memory: start() returns at once and the sound goes on by itself.
class Playback : public QObject {
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
  // period, so the sound ends in a little silence that can be left unplayed. Samples are
  // always 16-bit, whose silence is zero.
  static QByteArray Silence(const QAudioFormat& format) {
    return QByteArray(format.bytesForDuration(200'000), '\0');
  }

  QByteArray samples_;
  QBuffer stream_;
  QAudioSink output_;
};

// Cues decoded by libsndfile, played from memory on an audio sink. Not QSoundEffect: Qt 6.4's
// was seen to block for good on releasing a sound after a broken file; a sink fed from memory
// cannot.
class WavePlayer final : public SoundPlayer {
 public:
  ~WavePlayer() override {
    // Help unloads the window just after its chime has started: the chime plays to its end
    // rather than being cut off.
    if (playback_ && playback_->Playing())
      playback_.release()->Linger();
  }

  void Open(const QString& path) override {
    Close();
    if (auto sound = ReadWaveFile(path))
      sound_ = std::make_unique<WaveSound>(std::move(*sound));
  }

  void Play() override {
    if (!sound_)
      return;
    playback_.reset();  // a sound still playing stops; the new one starts from the beginning
    const QAudioDevice device = QuietDefaultAudioOutput();
    if (device.isNull() || !device.isFormatSupported(sound_->format))
      return;  // no sound device, or none that takes this file: silence
    playback_ = std::make_unique<Playback>(*sound_, device);
  }

  void Stop() override {
    if (playback_)
      playback_->Stop();
  }

  void Close() override {
    playback_.reset();
    sound_.reset();
  }

 private:
  std::unique_ptr<WaveSound> sound_;
  std::unique_ptr<Playback> playback_;
};

}  // namespace

std::unique_ptr<SoundPlayer> MakeSoundPlayer() {
  return std::make_unique<WavePlayer>();
}

}  // namespace ombrix
