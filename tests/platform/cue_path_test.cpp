#include "cue_path.h"

#include <gtest/gtest.h>

#include <QDir>
#include <QTemporaryDir>

#include "wave_test_files.h"

namespace ombrix {
namespace {

// Runs each test in an empty current directory of its own; the executable's directory holds
// the cues the build made.
class FindCueTest : public testing::Test {
 protected:
  void SetUp() override {
    ASSERT_TRUE(workDir_.isValid());
    ASSERT_TRUE(QDir::setCurrent(workDir_.path()));
  }
  void TearDown() override { QDir::setCurrent(previousDir_); }

  QString InWorkDir(const QString& name) const { return QDir(workDir_.path()).filePath(name); }

  QString previousDir_ = QDir::currentPath();
  QTemporaryDir workDir_;
};

TEST_F(FindCueTest, FallsBackToTheExecutablesDirectory) {
  EXPECT_EQ(FindCue("pinpon.wav"), test::BuiltCuePath("pinpon.wav"));
  EXPECT_EQ(FindCue("endpinpon.wav"), test::BuiltCuePath("endpinpon.wav"));
}

TEST_F(FindCueTest, CurrentDirectoryWinsOverTheExecutablesDirectory) {
  ASSERT_TRUE(test::WriteAll(InWorkDir("pinpon.wav"), test::SilentPcm16Wave(10)));
  EXPECT_EQ(FindCue("pinpon.wav"), InWorkDir("pinpon.wav"));
  // Only the name that is there is taken from the current directory.
  EXPECT_EQ(FindCue("endpinpon.wav"), test::BuiltCuePath("endpinpon.wav"));
}

TEST_F(FindCueTest, MissingCueGivesEmpty) {
  EXPECT_TRUE(FindCue("no_such_cue.wav").isEmpty());
  EXPECT_TRUE(FindCue("").isEmpty());
}

TEST_F(FindCueTest, DirectoryNamedLikeTheCueIsNotACue) {
  ASSERT_TRUE(QDir(workDir_.path()).mkdir("pinpon.wav"));
  ASSERT_TRUE(QDir(workDir_.path()).mkdir("lonely.wav"));
  // The search goes on past the directory...
  EXPECT_EQ(FindCue("pinpon.wav"), test::BuiltCuePath("pinpon.wav"));
  // ...and finds nothing when the directory is all there is.
  EXPECT_TRUE(FindCue("lonely.wav").isEmpty());
}

TEST_F(FindCueTest, NameWithADirectoryPartIsNotSearchedFor) {
  ASSERT_TRUE(QDir(workDir_.path()).mkdir("sounds"));
  ASSERT_TRUE(test::WriteAll(InWorkDir("sounds/chime.wav"), test::SilentPcm16Wave(10)));
  EXPECT_EQ(FindCue("sounds/chime.wav"), InWorkDir("sounds/chime.wav"));
  EXPECT_EQ(FindCue(InWorkDir("sounds/chime.wav")), InWorkDir("sounds/chime.wav"));
  // The built cue beside the executable must not be found under a directory that lacks it.
  EXPECT_TRUE(FindCue("sounds/pinpon.wav").isEmpty());
}

}  // namespace
}  // namespace ombrix
