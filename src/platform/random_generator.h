// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <algorithm>
#include <array>
#include <bit>
#include <cstdint>

#include "local_clock.h"

namespace ombrix {

// The program's pseudo-random generator: xoshiro256+ (Blackman and Vigna), whose top bits
// are the best it has, so a draw takes the top 24 bits as a float in [0, 1).
//
// Reseeding XORs SplitMix64 outputs of the seed into the current state instead of replacing
// it: reseeding twice with the same clock value, as experiments that start within one tick
// do, continues from a different state each time. The engines of <random> cannot do that:
// their seed() replaces the state.
class RandomGenerator {
 public:
  using Clock = float (*)();

  explicit RandomGenerator(std::uint64_t initialSeed, Clock clock = SecondsSinceLocalMidnight)
      : clock_(clock) {
    std::uint64_t mixer = initialSeed;
    for (auto& word : state_)
      word = SplitMix64(mixer);
  }

  // Seconds since local midnight, with their fraction.
  float Now() { return clock_(); }

  // Mixes `seed` into the state.
  void Reseed(float seed) {
    // The count of reseeds goes in with the seed, so even two reseeds with one value and no
    // draw between them cannot cancel out.
    std::uint64_t mixer = (++reseeds_ << 32) | std::bit_cast<std::uint32_t>(seed);
    for (auto& word : state_)
      word ^= SplitMix64(mixer);
    if ((state_[0] | state_[1] | state_[2] | state_[3]) == 0)
      state_[0] = 1;  // never all zero
  }

  // Where the generator stands, its count of reseeds last, and a return there: from the same
  // place, the same reseeds and draws give the same values.
  std::array<std::uint64_t, 5> Snapshot() const {
    return {state_[0], state_[1], state_[2], state_[3], reseeds_};
  }
  void Restore(const std::array<std::uint64_t, 5>& snapshot) {
    std::copy_n(snapshot.begin(), 4, state_.begin());
    reseeds_ = snapshot[4];
  }

  // Uniform in [0, 1) on a grid of 2^-24, so x < 0.5 has probability one half exactly.
  float NextUniform() { return static_cast<float>(Next() >> 40) * 0x1.0p-24f; }

 private:
  static std::uint64_t SplitMix64(std::uint64_t& x) {
    std::uint64_t z = (x += 0x9e3779b97f4a7c15ULL);
    z = (z ^ (z >> 30)) * 0xbf58476d1ce4e5b9ULL;
    z = (z ^ (z >> 27)) * 0x94d049bb133111ebULL;
    return z ^ (z >> 31);
  }

  std::uint64_t Next() {
    const std::uint64_t result = state_[0] + state_[3];
    const std::uint64_t t = state_[1] << 17;
    state_[2] ^= state_[0];
    state_[3] ^= state_[1];
    state_[1] ^= state_[2];
    state_[0] ^= state_[3];
    state_[2] ^= t;
    state_[3] = std::rotl(state_[3], 45);
    return result;
  }

  std::array<std::uint64_t, 4> state_{};
  std::uint64_t reseeds_ = 0;
  Clock clock_;
};

}  // namespace ombrix
