#include <gtest/gtest.h>

#include <QTemporaryDir>

#include "media_control.h"
#include "wave_test_files.h"

namespace ombrix {
namespace {

using test::Chunk;
using test::FormatBody;
using test::Riff;

QByteArray Data(int bytes) {
  return Chunk("data", QByteArray(bytes, '\0'));
}

QByteArray WithFormat(quint16 tag, quint16 channels, quint32 rate, quint16 bits, int dataBytes) {
  return Riff(Chunk("fmt ", FormatBody(tag, channels, rate, bits)) + Data(dataBytes));
}

QByteArray WithSizeAt(QByteArray wave, qsizetype at, quint32 size) {
  test::PutLe32(wave, at, size);
  return wave;
}

TEST(WaveFileTest, TellsPlayableFilesFromBrokenOnes) {
  const QByteArray cue = test::ReadAll(test::BuiltCuePath("pinpon.wav"));
  ASSERT_GT(cue.size(), 1000);
  const QByteArray pcm16 = Chunk("fmt ", FormatBody(1, 1, 44100, 16));
  const QByteArray silent = test::SilentPcm16Wave(100);
  const struct {
    const char* what;
    QByteArray bytes;
    bool playable;
  } cases[] = {
      {"built cue", cue, true},
      {"8-bit mono ending on an odd byte", WithFormat(1, 1, 8000, 8, 201), true},
      {"odd-sized chunk before the data", Riff(pcm16 + Chunk("LIST", "abc") + Data(8)), true},
      {"format with its extra size field",
       Riff(Chunk("fmt ", FormatBody(1, 1, 44100, 16) + QByteArray(2, '\0')) + Data(8)), true},
      {"empty", QByteArray(), false},
      {"not a wave file", "This is plain text and no sound at all.\n", false},
      {"truncated by half", cue.left(cue.size() / 2), false},
      {"truncated by one byte", cue.left(cue.size() - 1), false},
      {"huge RIFF size", WithSizeAt(silent, 4, 0xFFFFFFF0u), false},
      {"data beyond the file", WithSizeAt(silent, silent.indexOf("data") + 4, 0x7FFFFFF0u), false},
      {"no data", Riff(pcm16), false},
      {"no format", Riff(Data(8)), false},
      {"data before the format", Riff(Data(8) + pcm16), false},
      {"empty data", Riff(pcm16 + Data(0)), false},
      {"incomplete last frame", Riff(pcm16 + Data(201)), false},
      {"24-bit", WithFormat(1, 1, 48000, 24, 63), false},
      {"compressed", WithFormat(0x55, 1, 44100, 16, 240), false},
  };
  QTemporaryDir dir;
  ASSERT_TRUE(dir.isValid());
  const QString path = dir.filePath("cue.wav");
  for (const auto& c : cases) {
    ASSERT_TRUE(test::WriteAll(path, c.bytes)) << c.what;
    EXPECT_EQ(IsPlayableWaveFile(path), c.playable) << c.what;
  }
  EXPECT_TRUE(IsPlayableWaveFile(test::BuiltCuePath("endpinpon.wav")));
  EXPECT_FALSE(IsPlayableWaveFile(dir.filePath("missing.wav")));
  EXPECT_FALSE(IsPlayableWaveFile(dir.path()));
}

}  // namespace
}  // namespace ombrix
