// SPDX-License-Identifier: GPL-3.0-or-later
// Synthesises the program's two sound cues as 16-bit PCM mono WAV files.
//
//   make_cues <output directory>
//
// Writes pinpon.wav (a two-tone door chime, high then low) and endpinpon.wav (the same chime,
// slower and lower, for leaving). Plain C++ so that it builds and runs on the build host
// before anything else.

#include <algorithm>
#include <cmath>
#include <cstdint>
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <numbers>
#include <string>
#include <vector>

namespace {

constexpr int kSampleRate = 44100;

// One overtone of a struck tone: its frequency as a multiple of the fundamental, its level
// relative to the fundamental, and how much faster than the fundamental it dies away.
struct Partial {
  double ratio;
  double level;
  double decaySpeedUp;
};

// A struck metal bar: mostly the fundamental, a few harmonics that fade sooner, and a faint
// inharmonic overtone that only colours the strike itself.
constexpr Partial kBellPartials[] = {
    {1.0, 1.00, 1.0}, {2.0, 0.30, 1.8}, {3.0, 0.12, 2.8}, {4.0, 0.05, 4.0}, {2.76, 0.08, 12.0},
};

// One strike of the chime.
struct Strike {
  double frequencyHz;
  double startSeconds;
  double decaySeconds;  // time for the fundamental to fall to 1/e
  double level;
};

struct CueRecipe {
  const char* fileName;
  double lengthSeconds;
  std::vector<Strike> strikes;
};

// A raised-cosine ramp from 0 to 1 over `length` samples, evaluated at sample `i`.
double RaisedCosine(std::size_t i, std::size_t length) {
  if (i >= length) {
    return 1.0;
  }
  return 0.5 - 0.5 * std::cos(std::numbers::pi * static_cast<double>(i) / length);
}

// Adds one struck tone to the mix. The onset is ramped over a few milliseconds so that the
// strike does not click.
void AddBell(std::vector<double>& mix, const Strike& strike) {
  constexpr double kAttackSeconds = 0.004;
  const auto attackSamples = static_cast<std::size_t>(kAttackSeconds * kSampleRate);
  const auto first = static_cast<std::size_t>(strike.startSeconds * kSampleRate);
  const double nyquist = kSampleRate / 2.0;

  for (std::size_t i = first; i < mix.size(); ++i) {
    const std::size_t n = i - first;
    const double t = static_cast<double>(n) / kSampleRate;
    double value = 0.0;
    for (const Partial& partial : kBellPartials) {
      const double frequency = strike.frequencyHz * partial.ratio;
      if (frequency >= nyquist) {
        continue;
      }
      const double envelope =
          std::exp(-t * partial.decaySpeedUp / strike.decaySeconds) * partial.level;
      value += envelope * std::sin(2.0 * std::numbers::pi * frequency * t);
    }
    mix[i] += strike.level * RaisedCosine(n, attackSamples) * value;
  }
}

// Brings the tail smoothly to silence so that the cue ends on a zero sample.
void FadeOut(std::vector<double>& mix, double fadeSeconds) {
  const auto fadeSamples =
      std::min(mix.size(), static_cast<std::size_t>(fadeSeconds * kSampleRate));
  if (fadeSamples == 0) {
    return;
  }
  const std::size_t fadeStart = mix.size() - fadeSamples;
  for (std::size_t k = 0; k < fadeSamples; ++k) {
    // k = fadeSamples - 1 is the last sample and gets gain 0.
    mix[fadeStart + k] *= RaisedCosine(fadeSamples - 1 - k, fadeSamples - 1);
  }
}

// Scales the mix so that its loudest sample reaches `peak` of full scale and converts it.
std::vector<std::int16_t> ToPcm16(const std::vector<double>& mix, double peak) {
  double loudest = 0.0;
  for (double value : mix) {
    loudest = std::max(loudest, std::abs(value));
  }
  const double gain = loudest > 0.0 ? peak * 32767.0 / loudest : 0.0;
  std::vector<std::int16_t> pcm;
  pcm.reserve(mix.size());
  for (double value : mix) {
    const double scaled = std::clamp(std::round(value * gain), -32768.0, 32767.0);
    pcm.push_back(static_cast<std::int16_t>(scaled));
  }
  return pcm;
}

std::vector<std::int16_t> Render(const CueRecipe& recipe) {
  constexpr double kFadeSeconds = 0.08;
  constexpr double kPeak = 0.7;  // leaves headroom for the player's own mixing
  std::vector<double> mix(static_cast<std::size_t>(recipe.lengthSeconds * kSampleRate), 0.0);
  for (const Strike& strike : recipe.strikes) {
    AddBell(mix, strike);
  }
  FadeOut(mix, kFadeSeconds);
  return ToPcm16(mix, kPeak);
}

// Writes mono 16-bit PCM as a canonical RIFF/WAVE file: a RIFF header, a 16-byte fmt chunk
// and one data chunk. All fields are little-endian whatever the host's byte order.
class WavWriter {
 public:
  explicit WavWriter(int sampleRate) : sampleRate_(sampleRate) {}

  bool Write(const std::filesystem::path& path, const std::vector<std::int16_t>& samples) {
    constexpr std::uint16_t kPcmFormat = 1;
    constexpr std::uint16_t kChannels = 1;
    constexpr std::uint16_t kBitsPerSample = 16;
    constexpr std::uint16_t kBlockAlign = kChannels * kBitsPerSample / 8;
    constexpr std::uint32_t kFmtChunkSize = 16;

    const auto dataBytes = static_cast<std::uint32_t>(samples.size() * kBlockAlign);
    bytes_.clear();
    Append("RIFF");
    Append32(4 + (8 + kFmtChunkSize) + (8 + dataBytes));
    Append("WAVE");
    Append("fmt ");
    Append32(kFmtChunkSize);
    Append16(kPcmFormat);
    Append16(kChannels);
    Append32(static_cast<std::uint32_t>(sampleRate_));
    Append32(static_cast<std::uint32_t>(sampleRate_) * kBlockAlign);
    Append16(kBlockAlign);
    Append16(kBitsPerSample);
    Append("data");
    Append32(dataBytes);
    for (std::int16_t sample : samples) {
      Append16(static_cast<std::uint16_t>(sample));
    }
    // 16-bit samples keep the data chunk even, so no pad byte is needed.

    std::ofstream out(path, std::ios::binary | std::ios::trunc);
    out.write(bytes_.data(), static_cast<std::streamsize>(bytes_.size()));
    out.close();
    return static_cast<bool>(out);
  }

 private:
  void Append(const char (&tag)[5]) { bytes_.insert(bytes_.end(), tag, tag + 4); }
  void Append16(std::uint16_t value) {
    bytes_.push_back(static_cast<char>(value & 0xFF));
    bytes_.push_back(static_cast<char>(value >> 8));
  }
  void Append32(std::uint32_t value) {
    Append16(static_cast<std::uint16_t>(value & 0xFFFF));
    Append16(static_cast<std::uint16_t>(value >> 16));
  }

  int sampleRate_;
  std::vector<char> bytes_;
};

std::vector<CueRecipe> Cues() {
  // A falling major third, E5 then C5, the second strike following quickly.
  CueRecipe pinpon{"pinpon.wav", 1.2, {{659.26, 0.00, 0.30, 1.0}, {523.25, 0.40, 0.45, 1.0}}};
  // The same interval a fourth lower, A4 then F4, unhurried and left to ring longer.
  CueRecipe endpinpon{"endpinpon.wav", 2.0, {{440.00, 0.00, 0.45, 1.0}, {349.23, 0.70, 0.70, 1.0}}};
  return {pinpon, endpinpon};
}

}  // namespace

int main(int argc, char** argv) {
  if (argc != 2) {
    std::fprintf(stderr, "usage: %s <output directory>\n", argv[0]);
    return 2;
  }
  const std::filesystem::path outputDirectory = argv[1];
  std::error_code error;
  std::filesystem::create_directories(outputDirectory, error);
  if (error) {
    std::fprintf(stderr, "make_cues: cannot create %s: %s\n", outputDirectory.c_str(),
                 error.message().c_str());
    return 1;
  }

  WavWriter writer(kSampleRate);
  for (const CueRecipe& cue : Cues()) {
    const std::filesystem::path path = outputDirectory / cue.fileName;
    if (!writer.Write(path, Render(cue))) {
      std::fprintf(stderr, "make_cues: cannot write %s\n", path.c_str());
      return 1;
    }
  }
  return 0;
}
