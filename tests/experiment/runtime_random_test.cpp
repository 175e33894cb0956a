#include "runtime_random.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <cstdint>
#include <ctime>
#include <vector>

#include "local_clock.h"

namespace ombrix {
namespace {

std::vector<float> Draw(RuntimeRandom& random, int count) {
  std::vector<float> draws;
  for (int i = 0; i < count; ++i)
    draws.push_back(random.rtcRandomNext());
  return draws;
}

float FixedClock() {
  return 43200.5f;
}

TEST(RuntimeRandomTest, DrawsLieInTheUnitIntervalOnA24BitGrid) {
  RuntimeRandom random(7, FixedClock);
  int belowHalf = 0;
  int oddSteps = 0;
  float lowest = 1.0f;
  float highest = 0.0f;
  constexpr int kDraws = 1'000'000;
  for (int i = 0; i < kDraws; ++i) {
    const float x = random.rtcRandomNext();
    ASSERT_GE(x, 0.0f);
    ASSERT_LT(x, 1.0f);
    const float steps = x * 0x1.0p24f;
    ASSERT_EQ(steps, std::floor(steps)) << x;
    belowHalf += x < 0.5f;
    oddSteps += static_cast<std::int32_t>(steps) % 2;
    lowest = std::min(lowest, x);
    highest = std::max(highest, x);
  }
  // Fixed seed: these hold for this sequence, and fail for a coarse or lopsided generator.
  EXPECT_NEAR(belowHalf, kDraws / 2, 3000);
  EXPECT_NEAR(oddSteps, kDraws / 2, 3000);  // the finest grid step is used too
  EXPECT_LT(lowest, 1e-5f);
  EXPECT_GT(highest, 1.0f - 1e-5f);
}

TEST(RuntimeRandomTest, SameInitialSeedGivesTheSameSequence) {
  RuntimeRandom first(12345, FixedClock);
  RuntimeRandom second(12345, FixedClock);
  EXPECT_EQ(Draw(first, 1000), Draw(second, 1000));

  // Reseeding alike keeps them alike: the generator has no hidden input.
  first.rtcRandomize(1.5f);
  second.rtcRandomize(1.5f);
  EXPECT_EQ(Draw(first, 1000), Draw(second, 1000));
}

TEST(RuntimeRandomTest, DifferentInitialSeedsGiveDifferentSequences) {
  RuntimeRandom first(1, FixedClock);
  RuntimeRandom second(2, FixedClock);
  EXPECT_NE(Draw(first, 64), Draw(second, 64));
}

TEST(RuntimeRandomTest, ReseedingWithTheSameValueDoesNotRepeatTheSequence) {
  RuntimeRandom random(99, FixedClock);
  random.rtcRandomize(FixedClock());
  const std::vector<float> first = Draw(random, 64);
  random.rtcRandomize(FixedClock());
  const std::vector<float> second = Draw(random, 64);
  random.rtcRandomize(FixedClock());
  const std::vector<float> third = Draw(random, 64);
  EXPECT_NE(first, second);
  EXPECT_NE(second, third);
  EXPECT_NE(first, third);
}

TEST(RuntimeRandomTest, ReseedingCombinesTheSeedWithTheState) {
  // The same seed from different states continues differently...
  RuntimeRandom first(1, FixedClock);
  RuntimeRandom second(2, FixedClock);
  first.rtcRandomize(100.25f);
  second.rtcRandomize(100.25f);
  EXPECT_NE(Draw(first, 64), Draw(second, 64));

  // ...and different seeds from the same state do too, even one float step apart.
  RuntimeRandom third(3, FixedClock);
  RuntimeRandom fourth(3, FixedClock);
  third.rtcRandomize(100.25f);
  fourth.rtcRandomize(std::nextafter(100.25f, 200.0f));
  EXPECT_NE(Draw(third, 64), Draw(fourth, 64));
}

int clockReadings = 0;
float CountingClock() {
  ++clockReadings;
  return 123.75f + static_cast<float>(clockReadings);
}

TEST(RuntimeRandomTest, TimerIsTheInjectedClock) {
  clockReadings = 0;
  RuntimeRandom random(5, CountingClock);
  EXPECT_EQ(random.rtcGetTimer(), 124.75f);
  EXPECT_EQ(random.rtcGetTimer(), 125.75f);
  random.rtcRandomNext();
  random.rtcRandomize(1.0f);
  EXPECT_EQ(clockReadings, 2);  // drawing and reseeding do not read the clock
}

TEST(LocalClockTest, SecondsSinceLocalMidnightMatchTheLocalTime) {
  const std::time_t now = std::time(nullptr);
  std::tm local{};
  localtime_r(&now, &local);
  const double expected = local.tm_hour * 3600.0 + local.tm_min * 60.0 + local.tm_sec;

  const float seconds = SecondsSinceLocalMidnight();
  EXPECT_GE(seconds, 0.0f);
  EXPECT_LE(seconds, 86400.0f);
  // Around midnight the two readings may fall on different days.
  const double apart = std::fmod(std::abs(seconds - expected), 86400.0);
  EXPECT_LT(std::min(apart, 86400.0 - apart), 2.0) << seconds << " vs " << expected;
}

TEST(LocalClockTest, DefaultClockOfTheGeneratorIsLocalTime) {
  RuntimeRandom random(FreshSeed());
  const double apart = std::abs(random.rtcGetTimer() - SecondsSinceLocalMidnight());
  EXPECT_LT(std::min(apart, 86400.0 - apart), 2.0);
}

TEST(LocalClockTest, FreshSeedsDiffer) {
  EXPECT_NE(FreshSeed(), FreshSeed());
}

}  // namespace
}  // namespace ombrix
