#include <gtest/gtest.h>

#include <QDir>
#include <QTemporaryDir>

#include "media_control.h"
#include "wave_test_files.h"

namespace ombrix {
namespace {

class WaveFileTest : public testing::Test {
 protected:
  void SetUp() override { ASSERT_TRUE(dir_.isValid()); }

  // Writes `bytes` to a fresh file and asks whether it is playable.
  bool Playable(const QByteArray& bytes) {
    const QString path = dir_.filePath(QString("case%1.wav").arg(++fileCount_));
    EXPECT_TRUE(test::WriteAll(path, bytes));
    return IsPlayableWaveFile(path);
  }

  QTemporaryDir dir_;
  int fileCount_ = 0;
};

TEST_F(WaveFileTest, AcceptsTheBuiltCues) {
  EXPECT_TRUE(IsPlayableWaveFile(test::BuiltCuePath("pinpon.wav")));
  EXPECT_TRUE(IsPlayableWaveFile(test::BuiltCuePath("endpinpon.wav")));
}

TEST_F(WaveFileTest, AcceptsWellFormedVariants) {
  EXPECT_TRUE(Playable(test::SilentPcm16Wave(1)));
  EXPECT_TRUE(Playable(test::Riff(test::Chunk("fmt ", test::FormatBody(1, 2, 22050, 8)) +
                                  test::Chunk("data", QByteArray(64, '\x80')))));
  // 8-bit mono may end on an odd byte; the pad byte after it does not matter.
  EXPECT_TRUE(Playable(test::Riff(test::Chunk("fmt ", test::FormatBody(1, 1, 8000, 8)) +
                                  test::Chunk("data", QByteArray(201, '\x80')))));
  // Other chunks are skipped, before and after the format.
  EXPECT_TRUE(Playable(test::Riff(test::Chunk("LIST", QByteArray("abcd")) +
                                  test::Chunk("fmt ", test::FormatBody(1, 1, 44100, 16)) +
                                  test::Chunk("fact", QByteArray(4, '\0')) +
                                  test::Chunk("data", QByteArray(8, '\0')))));
  // An odd-sized chunk before the samples, with its pad byte.
  EXPECT_TRUE(Playable(test::Riff(test::Chunk("fmt ", test::FormatBody(1, 1, 44100, 16)) +
                                  test::Chunk("LIST", QByteArray("abc")) +
                                  test::Chunk("data", QByteArray(8, '\0')))));
  // A format chunk with the extra size field some writers add.
  EXPECT_TRUE(Playable(
      test::Riff(test::Chunk("fmt ", test::FormatBody(1, 1, 44100, 16) + QByteArray(2, '\0')) +
                 test::Chunk("data", QByteArray(8, '\0')))));
}

TEST_F(WaveFileTest, RejectsWhatIsNotAWaveFile) {
  EXPECT_FALSE(Playable(QByteArray()));
  EXPECT_FALSE(Playable("This is plain text and no sound at all.\n"));
  EXPECT_FALSE(Playable(QByteArray("RIFF\x04\0\0\0AVI ", 12)));
  EXPECT_FALSE(IsPlayableWaveFile(dir_.filePath("missing.wav")));
  EXPECT_FALSE(IsPlayableWaveFile(dir_.path()));
}

TEST_F(WaveFileTest, RejectsTruncatedFiles) {
  const QByteArray cue = test::ReadAll(test::BuiltCuePath("pinpon.wav"));
  ASSERT_GT(cue.size(), 1000);
  EXPECT_FALSE(Playable(cue.left(cue.size() / 2)));
  EXPECT_FALSE(Playable(cue.left(cue.size() - 1)));
  EXPECT_FALSE(Playable(cue.left(40)));  // the headers and nothing else
  EXPECT_FALSE(Playable(cue.left(30)));  // cut inside the format chunk
  EXPECT_FALSE(Playable(cue.left(4)));
}

TEST_F(WaveFileTest, RejectsSizesBeyondTheFile) {
  QByteArray hugeRiff = test::SilentPcm16Wave(100);
  test::PutLe32(hugeRiff, 4, 0xFFFFFFF0u);
  EXPECT_FALSE(Playable(hugeRiff));

  // RIFF size consistent, data chunk claiming far more than there is.
  QByteArray hugeData = test::SilentPcm16Wave(100);
  const qsizetype dataSizeAt = hugeData.indexOf("data") + 4;
  test::PutLe32(hugeData, dataSizeAt, 0x7FFFFFF0u);
  EXPECT_FALSE(Playable(hugeData));

  QByteArray hugeFormat = test::SilentPcm16Wave(100);
  test::PutLe32(hugeFormat, 16, 0xFFFFFFF0u);
  EXPECT_FALSE(Playable(hugeFormat));
}

TEST_F(WaveFileTest, RejectsFilesWithoutUsableChunks) {
  const QByteArray pcm16 = test::Chunk("fmt ", test::FormatBody(1, 1, 44100, 16));
  EXPECT_FALSE(Playable(test::Riff(pcm16)));                                     // no data
  EXPECT_FALSE(Playable(test::Riff(test::Chunk("data", QByteArray(8, '\0')))));  // no format
  EXPECT_FALSE(Playable(test::Riff(test::Chunk("data", QByteArray(8, '\0')) + pcm16)));
  EXPECT_FALSE(Playable(test::Riff(pcm16 + test::Chunk("data", QByteArray()))));
  EXPECT_FALSE(Playable(test::Riff(test::Chunk("fmt ", QByteArray(8, '\0')) +
                                   test::Chunk("data", QByteArray(8, '\0')))));
  // The audio output takes no 24-bit samples.
  EXPECT_FALSE(Playable(test::Riff(test::Chunk("fmt ", test::FormatBody(1, 1, 48000, 24)) +
                                   test::Chunk("data", QByteArray(63, '\0')))));
}

// An incomplete last frame is not a whole sound.
TEST_F(WaveFileTest, RejectsDataThatIsNotWholeFrames) {
  EXPECT_FALSE(Playable(test::Riff(test::Chunk("fmt ", test::FormatBody(1, 1, 44100, 16)) +
                                   test::Chunk("data", QByteArray(201, '\0')))));
  EXPECT_FALSE(Playable(test::Riff(test::Chunk("fmt ", test::FormatBody(1, 2, 44100, 16)) +
                                   test::Chunk("data", QByteArray(6, '\0')))));
}

TEST_F(WaveFileTest, RejectsFormatsThePlayerCannotDecode) {
  const QByteArray data = test::Chunk("data", QByteArray(240, '\0'));
  const auto withFormat = [&](quint16 tag, quint16 channels, quint32 rate, quint16 bits) {
    return test::Riff(test::Chunk("fmt ", test::FormatBody(tag, channels, rate, bits)) + data);
  };
  EXPECT_FALSE(Playable(withFormat(0x55, 1, 44100, 16)));  // compressed
  EXPECT_FALSE(Playable(withFormat(1, 1, 44100, 12)));
  EXPECT_FALSE(Playable(withFormat(1, 0, 44100, 16)));
  EXPECT_FALSE(Playable(withFormat(1, 1, 0, 16)));
  EXPECT_FALSE(Playable(withFormat(3, 1, 44100, 32)));       // float
  EXPECT_FALSE(Playable(withFormat(0xFFFE, 1, 44100, 16)));  // extensible

  QByteArray badAlign = withFormat(1, 2, 44100, 16);
  test::PutLe16(badAlign, 32, 3);
  EXPECT_FALSE(Playable(badAlign));
}

}  // namespace
}  // namespace ombrix
