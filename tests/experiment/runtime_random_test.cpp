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

float FixedClock() {
  return 43200.5f;
}

std::vector<float> Draw(RuntimeRandom& random, int count = 64) {
  std::vector<float> draws;
  for (int i = 0; i < count; ++i)
    draws.push_back(random.rtcRandomNext());
  return draws;
}

TEST(RuntimeRandomTest, DrawsLieInTheUnitIntervalOnA24BitGrid) {
  RuntimeRandom random(7, FixedClock);
  constexpr int kDraws = 1'000'000;
  int belowHalf = 0;
  int oddSteps = 0;
  for (int i = 0; i < kDraws; ++i) {
    const float x = random.rtcRandomNext();
    ASSERT_TRUE(x >= 0.0f && x < 1.0f) << x;
    const float steps = x * 0x1.0p24f;
    ASSERT_EQ(steps, std::floor(steps)) << x;
    belowHalf += x < 0.5f;
    oddSteps += static_cast<std::int32_t>(steps) % 2;
  }
  // Fixed seed: these hold for this sequence, and fail for a coarse or lopsided generator.
  EXPECT_NEAR(belowHalf, kDraws / 2, 3000);
  EXPECT_NEAR(oddSteps, kDraws / 2, 3000);  // the finest grid step is used too
}

TEST(RuntimeRandomTest, SequenceFollowsFromTheSeedAndTheStateBefore) {
  RuntimeRandom first(12345, FixedClock);
  RuntimeRandom second(12345, FixedClock);
  RuntimeRandom other(54321, FixedClock);
  const std::vector<float> start = Draw(first);
  EXPECT_EQ(start, Draw(second));
  EXPECT_NE(start, Draw(other));

  // The same seed from different states continues differently, alike states alike...
  first.rtcRandomize(100.25f);
  second.rtcRandomize(100.25f);
  other.rtcRandomize(100.25f);
  const std::vector<float> firstDraws = Draw(first);
  EXPECT_EQ(firstDraws, Draw(second));
  EXPECT_NE(firstDraws, Draw(other));
  // ...and seeds one float step apart from the same state differ.
  first.rtcRandomize(100.25f);
  second.rtcRandomize(std::nextafter(100.25f, 200.0f));
  EXPECT_NE(Draw(first), Draw(second));
}

// Experiments that start within one tick of the clock reseed with the same value.
TEST(RuntimeRandomTest, ReseedingWithTheSameValueDoesNotRepeatTheSequence) {
  RuntimeRandom random(99, FixedClock);
  random.rtcRandomize(FixedClock());
  const std::vector<float> first = Draw(random);
  random.rtcRandomize(FixedClock());
  EXPECT_NE(Draw(random), first);
}

TEST(LocalClockTest, SecondsSinceLocalMidnightMatchTheLocalTime) {
  const std::time_t now = std::time(nullptr);
  std::tm local{};
  localtime_r(&now, &local);
  const double expected = local.tm_hour * 3600.0 + local.tm_min * 60.0 + local.tm_sec;
  const float seconds = SecondsSinceLocalMidnight();
  EXPECT_TRUE(seconds >= 0.0f && seconds < 86400.0f) << seconds;
  // Around midnight the two readings may fall on different days.
  const double apart = std::fmod(std::abs(seconds - expected), 86400.0);
  EXPECT_LT(std::min(apart, 86400.0 - apart), 2.0) << seconds << " vs " << expected;

  // The generator reads this clock unless it is given another.
  const double defaultApart = std::abs(RuntimeRandom(FreshSeed()).rtcGetTimer() - seconds);
  EXPECT_LT(std::min(defaultApart, 86400.0 - defaultApart), 2.0);
  EXPECT_EQ(RuntimeRandom(1, FixedClock).rtcGetTimer(), FixedClock());
  EXPECT_NE(FreshSeed(), FreshSeed());
}

}  // namespace
}  // namespace ombrix
