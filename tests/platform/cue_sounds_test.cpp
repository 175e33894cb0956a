// Checks the cues the build synthesises: their format, their length, that they start and end
// without a click, and that each chime falls from a high tone to a low one.

#include <gtest/gtest.h>

#include <QtEndian>
#include <algorithm>
#include <cmath>
#include <cstdint>
#include <cstdlib>
#include <numbers>
#include <vector>

#include "wave_test_files.h"

namespace ombrix {
namespace {

struct Pcm16Sound {
  int sampleRate = 0;
  std::vector<std::int16_t> samples;

  double Seconds() const { return static_cast<double>(samples.size()) / sampleRate; }
};

// Reads a canonical mono 16-bit PCM file, failing the test on anything else.
void ReadMonoPcm16(const QString& path, Pcm16Sound& sound) {
  const QByteArray bytes = test::ReadAll(path);
  ASSERT_GE(bytes.size(), 44) << path.toStdString();
  const auto le16 = [&](qsizetype at) {
    return qFromLittleEndian<quint16>(bytes.constData() + at);
  };
  const auto le32 = [&](qsizetype at) {
    return qFromLittleEndian<quint32>(bytes.constData() + at);
  };

  ASSERT_EQ(bytes.left(4), "RIFF");
  ASSERT_EQ(le32(4), static_cast<quint32>(bytes.size() - 8));
  ASSERT_EQ(bytes.mid(8, 8), "WAVEfmt ");
  ASSERT_EQ(le32(16), 16u);
  EXPECT_EQ(le16(20), 1) << "PCM";
  EXPECT_EQ(le16(22), 1) << "mono";
  sound.sampleRate = static_cast<int>(le32(24));
  EXPECT_EQ(sound.sampleRate, 44100);
  EXPECT_EQ(le32(28), static_cast<quint32>(sound.sampleRate * 2)) << "byte rate";
  EXPECT_EQ(le16(32), 2) << "block align";
  EXPECT_EQ(le16(34), 16) << "bits per sample";
  ASSERT_EQ(bytes.mid(36, 4), "data");
  const quint32 dataBytes = le32(40);
  ASSERT_EQ(dataBytes, static_cast<quint32>(bytes.size() - 44));
  ASSERT_EQ(dataBytes % 2, 0u);

  sound.samples.resize(dataBytes / 2);
  for (std::size_t i = 0; i < sound.samples.size(); ++i) {
    sound.samples[i] = qFromLittleEndian<qint16>(bytes.constData() + 44 + 2 * i);
  }
}

// The strongest frequency between 100 Hz and 2 kHz in a Hann-windowed stretch of the sound,
// to 1 Hz, found with the Goertzel filter.
double DominantFrequency(const Pcm16Sound& sound, double fromSeconds, double lengthSeconds) {
  const auto first = static_cast<std::size_t>(fromSeconds * sound.sampleRate);
  const auto count = static_cast<std::size_t>(lengthSeconds * sound.sampleRate);
  std::vector<double> window(count);
  for (std::size_t n = 0; n < count; ++n) {
    const double hann = 0.5 - 0.5 * std::cos(2 * std::numbers::pi * n / (count - 1));
    window[n] = hann * sound.samples.at(first + n);
  }

  double bestFrequency = 0;
  double bestPower = -1;
  for (int frequency = 100; frequency <= 2000; ++frequency) {
    const double coefficient = 2 * std::cos(2 * std::numbers::pi * frequency / sound.sampleRate);
    double previous = 0;
    double beforePrevious = 0;
    for (double value : window) {
      const double current = value + coefficient * previous - beforePrevious;
      beforePrevious = previous;
      previous = current;
    }
    const double power = previous * previous + beforePrevious * beforePrevious -
                         coefficient * previous * beforePrevious;
    if (power > bestPower) {
      bestPower = power;
      bestFrequency = frequency;
    }
  }
  return bestFrequency;
}

int Peak(const Pcm16Sound& sound) {
  int peak = 0;
  for (std::int16_t sample : sound.samples) {
    peak = std::max(peak, std::abs(static_cast<int>(sample)));
  }
  return peak;
}

// The largest step between neighbouring samples in the first or last `seconds`: a cue that
// starts or stops abruptly clicks.
int LargestStepAtTheEdges(const Pcm16Sound& sound, double seconds) {
  const auto edge = static_cast<std::size_t>(seconds * sound.sampleRate);
  int largest = std::max(std::abs(static_cast<int>(sound.samples.front())),
                         std::abs(static_cast<int>(sound.samples.back())));
  for (std::size_t i = 1; i < sound.samples.size(); ++i) {
    if (i < edge || i >= sound.samples.size() - edge) {
      largest = std::max(largest, std::abs(sound.samples[i] - sound.samples[i - 1]));
    }
  }
  return largest;
}

class CueSoundsTest : public testing::Test {
 protected:
  void SetUp() override {
    ASSERT_NO_FATAL_FAILURE(ReadMonoPcm16(test::BuiltCuePath("pinpon.wav"), pinpon_));
    ASSERT_NO_FATAL_FAILURE(ReadMonoPcm16(test::BuiltCuePath("endpinpon.wav"), endpinpon_));
  }

  Pcm16Sound pinpon_;
  Pcm16Sound endpinpon_;
};

TEST_F(CueSoundsTest, LengthsFitTheirUse) {
  EXPECT_NEAR(pinpon_.Seconds(), 1.2, 0.15);
  // The leaving chime takes its time, but the program does not wait for it anyway.
  EXPECT_GT(endpinpon_.Seconds(), pinpon_.Seconds() + 0.3);
  EXPECT_LT(endpinpon_.Seconds(), 3.0);
}

TEST_F(CueSoundsTest, LoudWithoutClipping) {
  for (const Pcm16Sound* sound : {&pinpon_, &endpinpon_}) {
    EXPECT_GT(Peak(*sound), 32767 / 4);
    EXPECT_LT(Peak(*sound), 32767 * 9 / 10);
  }
}

TEST_F(CueSoundsTest, StartAndEndWithoutAClick) {
  // In the first and last millisecond the sound must rise from and fall to silence: a strike
  // at full strength would step by several times this between neighbouring samples.
  constexpr int kGentleStep = 32767 / 50;
  EXPECT_LE(LargestStepAtTheEdges(pinpon_, 0.001), kGentleStep);
  EXPECT_LE(LargestStepAtTheEdges(endpinpon_, 0.001), kGentleStep);
  EXPECT_EQ(pinpon_.samples.back(), 0);
  EXPECT_EQ(endpinpon_.samples.back(), 0);
}

TEST_F(CueSoundsTest, PinponFallsFromAHighToneToALowOne) {
  const double duration = pinpon_.Seconds();
  const double high = DominantFrequency(pinpon_, 0.02, duration / 4);
  const double low = DominantFrequency(pinpon_, duration / 2, duration / 4);
  // Distinctly two notes, a third or more apart, in the range of a door chime.
  EXPECT_GT(high / low, 1.15) << high << " Hz then " << low << " Hz";
  EXPECT_GT(low, 300);
  EXPECT_LT(high, 1200);
}

TEST_F(CueSoundsTest, EndpinponIsALowerFallingChime) {
  const double duration = endpinpon_.Seconds();
  const double high = DominantFrequency(endpinpon_, 0.02, duration / 4);
  const double low = DominantFrequency(endpinpon_, duration / 2, duration / 4);
  EXPECT_GT(high / low, 1.15) << high << " Hz then " << low << " Hz";

  const double pinponHigh = DominantFrequency(pinpon_, 0.02, pinpon_.Seconds() / 4);
  EXPECT_LT(high, pinponHigh);
}

}  // namespace
}  // namespace ombrix
