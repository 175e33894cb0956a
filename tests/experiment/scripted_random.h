#pragma once

#include <gtest/gtest.h>

#include <cstddef>
#include <string>
#include <string_view>
#include <vector>

namespace ombrix::testing_support {

inline constexpr float kHeads = 0.25f;
inline constexpr float kTails = 0.75f;

// Draws for a toss sequence written as H and T.
inline std::vector<float> DrawsFor(std::string_view tosses) {
  std::vector<float> draws;
  for (char toss : tosses)
    draws.push_back(toss == 'H' ? kHeads : kTails);
  return draws;
}

// A random source that hands out prepared draws and logs every call in order: T for a clock
// reading, R for a reseed, D for a draw. Its clock moves on by a quarter second per reading,
// so every seed is told apart.
class ScriptedRandom {
 public:
  explicit ScriptedRandom(std::vector<float> draws) : draws_(std::move(draws)) {}

  float rtcGetTimer() {
    log += 'T';
    timerReadings.push_back(clock_ += 0.25f);
    return clock_;
  }
  void rtcRandomize(float seed) {
    log += 'R';
    seeds.push_back(seed);
  }
  float rtcRandomNext() {
    log += 'D';
    if (next_ < draws_.size())
      return draws_[next_++];
    ADD_FAILURE() << "drawn more often than scripted";
    return kHeads;
  }

  std::string log;
  std::vector<float> timerReadings;
  std::vector<float> seeds;

 private:
  std::vector<float> draws_;
  std::size_t next_ = 0;
  float clock_ = 1000.0f;
};

}  // namespace ombrix::testing_support
