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

#include "media_control.h"
#include "wave_test_files.h"

namespace ombrix {
namespace {

struct Pcm16Sound {
  int sampleRate = 0;
  std::vector<std::int16_t> samples;

  double Seconds() const { return static_cast<double>(samples.size()) / sampleRate; }
};

// Reads a cue through the player's own reader, failing the test unless it is mono 16-bit PCM
// at 44100 Hz.
void ReadMonoPcm16(const QString& path, Pcm16Sound& sound) {
  const auto wave = ReadWaveFile(path);
  ASSERT_TRUE(wave) << path.toStdString();
  ASSERT_EQ(wave->format.sampleFormat(), QAudioFormat::Int16);
  ASSERT_EQ(wave->format.channelCount(), 1);
  sound.sampleRate = wave->format.sampleRate();
  EXPECT_EQ(sound.sampleRate, 44100);
  sound.samples.resize(wave->samples.size() / 2);
  for (std::size_t i = 0; i < sound.samples.size(); ++i) {
    sound.samples[i] = qFromLittleEndian<qint16>(wave->samples.constData() + 2 * i);
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

TEST_F(CueSoundsTest, ChimesFitTheirUseLoudAndWithoutClicks) {
  EXPECT_NEAR(pinpon_.Seconds(), 1.2, 0.15);
  // The leaving chime takes its time, but the program does not wait for it anyway.
  EXPECT_GT(endpinpon_.Seconds(), pinpon_.Seconds() + 0.3);
  EXPECT_LT(endpinpon_.Seconds(), 3.0);
  // In the first and last millisecond the sound must rise from and fall to silence: a strike
  // at full strength would step by several times this between neighbouring samples.
  constexpr int kGentleStep = 32767 / 50;
  for (const Pcm16Sound* sound : {&pinpon_, &endpinpon_}) {
    EXPECT_GT(Peak(*sound), 32767 / 4);
    EXPECT_LT(Peak(*sound), 32767 * 9 / 10);
    EXPECT_LE(LargestStepAtTheEdges(*sound, 0.001), kGentleStep);
    EXPECT_EQ(sound->samples.back(), 0);
  }
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
