#pragma once

#include <gtest/gtest.h>

#include <cstddef>
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

// A random source that hands out prepared draws and logs every call in order. Its clock
// moves on by a quarter second per reading, so every seed is told apart.
class ScriptedRandom {
 public:
  enum class Event { Timer, Randomize, Draw };

  explicit ScriptedRandom(std::vector<float> draws) : draws_(std::move(draws)) {}

  float rtcGetTimer() {
    events.push_back(Event::Timer);
    clock_ += 0.25f;
    timerReadings.push_back(clock_);
    return clock_;
  }

  void rtcRandomize(float seed) {
    events.push_back(Event::Randomize);
    seeds.push_back(seed);
  }

  float rtcRandomNext() {
    events.push_back(Event::Draw);
    if (next_ >= draws_.size()) {
      ADD_FAILURE() << "drawn more often than scripted";
      return kHeads;
    }
    return draws_[next_++];
  }

  std::size_t DrawsLeft() const { return draws_.size() - next_; }

  std::vector<Event> events;
  std::vector<float> timerReadings;
  std::vector<float> seeds;

 private:
  std::vector<float> draws_;
  std::size_t next_ = 0;
  float clock_ = 1000.0f;
};

// The same draw every time, for runs too long to script.
struct ConstantRandom {
  float draw;
  long long draws = 0;
  long long reseeds = 0;

  float rtcGetTimer() { return 12.5f; }
  void rtcRandomize(float) { ++reseeds; }
  float rtcRandomNext() {
    ++draws;
    return draw;
  }
};

}  // namespace ombrix::testing_support
