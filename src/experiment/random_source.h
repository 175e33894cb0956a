// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <array>
#include <concepts>
#include <cstdint>

namespace ombrix {

// Where a generator stands between two draws. 320 bits hold the program's own generator, its
// state and its count of reseeds; a smaller one leaves the rest unused.
using GeneratorState = std::array<std::uint64_t, 5>;

// What a run keeps of a meeting to draw it again: where the generator stood before the
// meeting's reseed, and the clock reading it reseeded with. Taken before the reseed rather
// than after it, it costs the run next to nothing: the state is read where the last meeting
// left it, not while the reseed is still writing it.
struct MeetingStart {
  GeneratorState generator{};
  float seed = 0;
};

// What a run draws on: the clock, reseeding from it, uniform draws in [0, 1), and the state
// the next draw comes from, which a meeting is replayed from.
template <typename R>
concept RandomSource = std::copyable<R> &&
    requires(R random, const R frozen, float seed, GeneratorState state) {
  { random.Now() } -> std::same_as<float>;
  { random.Reseed(seed) } -> std::same_as<void>;
  { random.NextUniform() } -> std::same_as<float>;
  { frozen.Snapshot() } -> std::same_as<GeneratorState>;
  { random.Restore(state) } -> std::same_as<void>;
};

}  // namespace ombrix
