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

constexpr int kRate = 44100;
using Samples = std::vector<std::int16_t>;

// Reads a cue through the player's own reader; empty unless it is mono 16-bit PCM at 44100 Hz.
Samples ReadCue(const char* name) {
  const auto wave = ReadWaveFile(test::BuiltCuePath(name));
  if (!wave || wave->format.sampleFormat() != QAudioFormat::Int16 ||
      wave->format.channelCount() != 1 || wave->format.sampleRate() != kRate)
    return {};
  Samples samples(wave->samples.size() / 2);
  for (std::size_t i = 0; i < samples.size(); ++i)
    samples[i] = qFromLittleEndian<qint16>(wave->samples.constData() + 2 * i);
  return samples;
}

double Seconds(const Samples& samples) {
  return static_cast<double>(samples.size()) / kRate;
}

// The strongest frequency between 100 Hz and 2 kHz in a Hann-windowed stretch of the sound,
// to 1 Hz, found with the Goertzel filter.
double DominantFrequency(const Samples& samples, double fromSeconds, double lengthSeconds) {
  const auto first = static_cast<std::size_t>(fromSeconds * kRate);
  const auto count = static_cast<std::size_t>(lengthSeconds * kRate);
  std::vector<double> window(count);
  for (std::size_t n = 0; n < count; ++n) {
    const double hann = 0.5 - 0.5 * std::cos(2 * std::numbers::pi * n / (count - 1));
    window[n] = hann * samples.at(first + n);
  }
  double bestFrequency = 0;
  double bestPower = -1;
  for (int frequency = 100; frequency <= 2000; ++frequency) {
    const double coefficient = 2 * std::cos(2 * std::numbers::pi * frequency / kRate);
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

// The largest step between neighbouring samples in the first and last millisecond, counting
// the steps from and to silence: a cue that starts or stops abruptly clicks.
int LargestStepAtTheEdges(const Samples& samples) {
  const std::size_t edge = kRate / 1000;
  int largest = std::max(std::abs(samples.front()), std::abs(samples.back()));
  for (std::size_t i = 1; i < samples.size(); ++i) {
    if (i < edge || i >= samples.size() - edge)
      largest = std::max(largest, std::abs(samples[i] - samples[i - 1]));
  }
  return largest;
}

TEST(CueSoundsTest, ChimesAreShortStartAndEndGentlyAndFallInPitch) {
  const Samples pinpon = ReadCue("pinpon.wav");
  const Samples endpinpon = ReadCue("endpinpon.wav");
  ASSERT_FALSE(pinpon.empty());
  ASSERT_FALSE(endpinpon.empty());
  EXPECT_NEAR(Seconds(pinpon), 1.2, 0.15);
  // The leaving chime takes its time, but the program does not wait for it anyway.
  EXPECT_GT(Seconds(endpinpon), Seconds(pinpon) + 0.3);

  double high[2];
  double low[2];
  int k = 0;
  for (const Samples* sound : {&pinpon, &endpinpon}) {
    // A strike at full strength would step by several times this between neighbours.
    EXPECT_LE(LargestStepAtTheEdges(*sound), 32767 / 50);
    const double duration = Seconds(*sound);
    high[k] = DominantFrequency(*sound, 0.02, duration / 4);
    low[k] = DominantFrequency(*sound, duration / 2, duration / 4);
    // Distinctly two notes, a third or more apart.
    EXPECT_GT(high[k] / low[k], 1.15) << high[k] << " Hz then " << low[k] << " Hz";
    ++k;
  }
  EXPECT_GT(low[0], 300);  // in the range of a door chime
  EXPECT_LT(high[0], 1200);
  EXPECT_LT(high[1], high[0]);  // the leaving chime is the lower one
}

}  // namespace
}  // namespace ombrix
