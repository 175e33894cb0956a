#include "cue_path.h"

#include <gtest/gtest.h>

#include <QDir>

#include "wave_test_files.h"

namespace ombrix {
namespace {

using FindCueTest = test::InEmptyCurrentDir;

TEST_F(FindCueTest, LooksInTheCurrentDirectoryThenBesideTheExecutable) {
  EXPECT_EQ(FindCue("pinpon.wav"), test::BuiltCuePath("pinpon.wav"));
  EXPECT_TRUE(FindCue("no_such_cue.wav").isEmpty());
  ASSERT_TRUE(test::WriteAll(InWorkDir("pinpon.wav"), test::SilentPcm16Wave(10)));
  EXPECT_EQ(FindCue("pinpon.wav"), InWorkDir("pinpon.wav"));
  EXPECT_EQ(FindCue("endpinpon.wav"), test::BuiltCuePath("endpinpon.wav"));
}

TEST_F(FindCueTest, SkipsDirectoriesAndTakesANameWithADirectoryPartAsIs) {
  ASSERT_TRUE(QDir().mkdir("endpinpon.wav"));
  ASSERT_TRUE(QDir().mkdir("lonely.wav"));
  EXPECT_EQ(FindCue("endpinpon.wav"), test::BuiltCuePath("endpinpon.wav"));
  EXPECT_TRUE(FindCue("lonely.wav").isEmpty());

  ASSERT_TRUE(QDir().mkdir("sounds"));
  ASSERT_TRUE(test::WriteAll(InWorkDir("sounds/chime.wav"), test::SilentPcm16Wave(10)));
  EXPECT_EQ(FindCue("sounds/chime.wav"), InWorkDir("sounds/chime.wav"));
  // The cue beside the executable is not found under a directory that lacks it.
  EXPECT_TRUE(FindCue("sounds/pinpon.wav").isEmpty());
}

}  // namespace
}  // namespace ombrix
