#include "media_control.h"

#include <gtest/gtest.h>

#include <QDir>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QTest>
#include <QWidget>
#include <memory>
#include <vector>

#include "play_cue.h"
#include "wave_test_files.h"

namespace ombrix {
namespace {

// One property write as the player saw it, with what was open once it had taken effect.
struct Write {
  int dispatchId;
  QString value;
  bool open;
  QString openPath;

  bool operator==(const Write&) const = default;
};

void PrintTo(const Write& write, std::ostream* os) {
  *os << "{" << write.dispatchId << ", \"" << write.value.toStdString() << "\", "
      << (write.open ? "open " + write.openPath.toStdString() : std::string("nothing open")) << "}";
}

constexpr int kCommand = MediaControl::kCommandDispatchId;
constexpr int kFileName = MediaControl::kFileNameDispatchId;

// A loaded window with its hidden player, run in an empty current directory of its own.
class MediaControlTest : public testing::Test {
 protected:
  void SetUp() override {
    ASSERT_TRUE(workDir_.isValid());
    ASSERT_TRUE(QDir::setCurrent(workDir_.path()));
    QObject::connect(
        player_, &MediaControl::propertyWritten, [this](int dispatchId, const QString& value) {
          writes_.push_back({dispatchId, value, player_->HasOpenFile(), player_->OpenFilePath()});
        });
  }
  void TearDown() override { QDir::setCurrent(previousDir_); }

  QString InWorkDir(const QString& name) const { return QDir(workDir_.path()).filePath(name); }

  QString previousDir_ = QDir::currentPath();
  QTemporaryDir workDir_;
  std::unique_ptr<QWidget> window_ = std::make_unique<QWidget>();
  MediaControl* player_ = new MediaControl(window_.get());
  std::vector<Write> writes_;
};

TEST_F(MediaControlTest, CueMakesFiveWritesInOrder) {
  PlayCue(*player_, "pinpon.wav");

  const QString cue = test::BuiltCuePath("pinpon.wav");
  const std::vector<Write> expected = {
      {kCommand, "Stop", false, ""},        {kCommand, "Close", false, ""},
      {kFileName, "pinpon.wav", false, ""}, {kCommand, "Open", true, cue},
      {kCommand, "Sound", true, cue},
  };
  EXPECT_EQ(writes_, expected);
  // The name is kept as given; only opening resolves it.
  EXPECT_EQ(player_->FileName(), "pinpon.wav");
}

TEST_F(MediaControlTest, SecondCueClosesTheFirstBeforeOpeningItsOwn) {
  PlayCue(*player_, "pinpon.wav");
  writes_.clear();
  PlayCue(*player_, "endpinpon.wav");

  const QString first = test::BuiltCuePath("pinpon.wav");
  const QString second = test::BuiltCuePath("endpinpon.wav");
  const std::vector<Write> expected = {
      {kCommand, "Stop", true, first},         {kCommand, "Close", false, ""},
      {kFileName, "endpinpon.wav", false, ""}, {kCommand, "Open", true, second},
      {kCommand, "Sound", true, second},
  };
  EXPECT_EQ(writes_, expected);
}

TEST_F(MediaControlTest, KeepsTheLastCueOpenAndReopensItForTheSameCue) {
  PlayCue(*player_, "pinpon.wav");
  QTest::qWait(200);
  EXPECT_EQ(player_->OpenFilePath(), test::BuiltCuePath("pinpon.wav"));
  PlayCue(*player_, "pinpon.wav");
  ASSERT_EQ(writes_.size(), 10u);
  EXPECT_FALSE(writes_[6].open);  // closed...
  EXPECT_TRUE(writes_[8].open);   // ...and opened again
}

TEST_F(MediaControlTest, CommandsIgnoreCaseAndUnknownOnesChangeNothing) {
  PlayCue(*player_, "pinpon.wav");
  writes_.clear();
  for (const char* command : {"Eject", "Play", "", "Close "}) {
    player_->SetCommand(command);
  }
  EXPECT_TRUE(player_->HasOpenFile());
  ASSERT_EQ(writes_.size(), 4u);  // still writes, each reported
  EXPECT_EQ(writes_[3], (Write{kCommand, "Close ", true, test::BuiltCuePath("pinpon.wav")}));
  player_->SetCommand("close");
  EXPECT_FALSE(player_->HasOpenFile());
}

TEST_F(MediaControlTest, OpenWithNoFileNameOpensNothing) {
  player_->SetCommand("Open");
  player_->SetCommand("Sound");
  EXPECT_FALSE(player_->HasOpenFile());
}

TEST_F(MediaControlTest, CurrentDirectoryCueIsTheOnePlayed) {
  ASSERT_TRUE(test::WriteAll(InWorkDir("pinpon.wav"), test::SilentPcm16Wave(4410)));
  PlayCue(*player_, "pinpon.wav");
  EXPECT_EQ(player_->OpenFilePath(), InWorkDir("pinpon.wav"));
}

TEST_F(MediaControlTest, StaysHiddenAndTakesNoFocus) {
  window_->show();
  player_->show();
  player_->setVisible(true);
  EXPECT_FALSE(player_->isVisible());
  EXPECT_TRUE(player_->isHidden());
  EXPECT_EQ(player_->focusPolicy(), Qt::NoFocus);

  // A player added to a window that is already on screen stays hidden too.
  auto* late = new MediaControl(window_.get());
  window_->hide();
  window_->show();
  EXPECT_FALSE(late->isVisible());
}

TEST_F(MediaControlTest, UnloadingTheWindowWhileACueIsStartingIsSafe) {
  PlayCue(*player_, "pinpon.wav");
  window_.reset();  // destroys the player with its cue still loading or playing
  QTest::qWait(100);

  // The window loaded afresh plays the same cue again.
  QWidget window;
  MediaControl player(&window);
  PlayCue(player, "pinpon.wav");
  EXPECT_TRUE(player.HasOpenFile());
}

// A cue that cannot be played, set up in the current directory under `name`.
struct BrokenCue {
  const char* description;
  void (*make)(const QString& path);
};

void PrintTo(const BrokenCue& cue, std::ostream* os) {
  *os << cue.description;
}

const BrokenCue kBrokenCues[] = {
    {"missing", [](const QString&) {}},
    {"empty", [](const QString& path) { test::WriteAll(path, QByteArray()); }},
    {"not a wave file", [](const QString& path) { test::WriteAll(path, "ding dong\n"); }},
    {"truncated",
     [](const QString& path) {
       const QByteArray cue = test::ReadAll(test::BuiltCuePath("pinpon.wav"));
       test::WriteAll(path, cue.left(cue.size() / 3));
     }},
    {"huge size in its header",
     [](const QString& path) {
       QByteArray wave = test::SilentPcm16Wave(100);
       test::PutLe32(wave, 4, 0xFFFFFFF0u);
       test::WriteAll(path, wave);
     }},
    {"data beyond the end of the file",
     [](const QString& path) {
       QByteArray wave = test::SilentPcm16Wave(100);
       test::PutLe32(wave, wave.indexOf("data") + 4, 100000);
       test::WriteAll(path, wave);
     }},
    {"incomplete last frame",
     [](const QString& path) {
       test::WriteAll(path, test::Riff(test::Chunk("fmt ", test::FormatBody(1, 1, 44100, 16)) +
                                       test::Chunk("data", QByteArray(201, '\0'))));
     }},
    {"directory", [](const QString& path) { QDir().mkpath(path); }},
};

class BrokenCueTest : public MediaControlTest, public testing::WithParamInterface<BrokenCue> {};

// A broken file plays nothing, closes the cue before it, and leaves nothing behind that a
// later cue, or unloading the window, could trip over.
TEST_P(BrokenCueTest, PlaysNothingAndLeavesNothingBehind) {
  GetParam().make(InWorkDir("doorbell.wav"));
  PlayCue(*player_, "pinpon.wav");
  ASSERT_TRUE(player_->HasOpenFile());
  writes_.clear();
  PlayCue(*player_, "doorbell.wav");
  ASSERT_EQ(writes_.size(), 5u);  // the caller's writes all went through
  EXPECT_FALSE(player_->HasOpenFile());
  EXPECT_TRUE(player_->OpenFilePath().isEmpty());
  EXPECT_EQ(player_->FileName(), "doorbell.wav");

  QTest::qWait(50);
  PlayCue(*player_, "endpinpon.wav");
  EXPECT_EQ(player_->OpenFilePath(), test::BuiltCuePath("endpinpon.wav"));
  window_.reset();
}

INSTANTIATE_TEST_SUITE_P(Files, BrokenCueTest, testing::ValuesIn(kBrokenCues));

}  // namespace
}  // namespace ombrix
