#include "media_control.h"

#include <gtest/gtest.h>

#include <QDir>
#include <QTest>
#include <QWidget>
#include <memory>
#include <string>
#include <vector>

#include "play_cue.h"
#include "wave_test_files.h"

namespace ombrix {
namespace {

// A loaded window with its hidden player, each property write noted with what was open once it
// had taken effect.
class MediaControlTest : public test::InEmptyCurrentDir {
 protected:
  void SetUp() override {
    InEmptyCurrentDir::SetUp();
    QObject::connect(player_, &MediaControl::propertyWritten, [this](int id, const QString& value) {
      const QString open = player_->HasOpenFile() ? " @" + player_->OpenFilePath() : "";
      writes_.push_back(QString("%1 %2%3").arg(id).arg(value, open).toStdString());
    });
  }

  std::unique_ptr<QWidget> window_ = std::make_unique<QWidget>();
  MediaControl* player_ = new MediaControl(window_.get());
  std::vector<std::string> writes_;
};

// Each cue is five writes; the second closes the first before opening its own.
TEST_F(MediaControlTest, EachCueMakesFiveWritesInOrder) {
  PlayCue(*player_, "pinpon.wav");
  PlayCue(*player_, "endpinpon.wav");

  const std::string first = test::BuiltCuePath("pinpon.wav").toStdString();
  const std::string second = test::BuiltCuePath("endpinpon.wav").toStdString();
  const std::vector<std::string> expected = {
      "23 Stop",
      "23 Close",
      "22 pinpon.wav",
      "23 Open @" + first,
      "23 Sound @" + first,
      "23 Stop @" + first,
      "23 Close",
      "22 endpinpon.wav",
      "23 Open @" + second,
      "23 Sound @" + second,
  };
  EXPECT_EQ(writes_, expected);
  // The name is kept as given; only opening resolves it.
  EXPECT_EQ(player_->FileName(), "endpinpon.wav");
}

TEST_F(MediaControlTest, StaysHiddenAndTakesNoFocus) {
  window_->show();
  player_->setVisible(true);
  EXPECT_FALSE(player_->isVisible());
  EXPECT_EQ(player_->focusPolicy(), Qt::NoFocus);
}

// A broken file plays nothing, closes the cue before it, and leaves nothing behind that a
// later cue, or unloading the window, could trip over.
TEST_F(MediaControlTest, BrokenCuePlaysNothingAndLeavesNothingBehind) {
  const QByteArray cue = test::ReadAll(test::BuiltCuePath("pinpon.wav"));
  QByteArray beyond = test::SilentPcm16Wave(100);
  test::PutLe32(beyond, beyond.indexOf("data") + 4, 100000);
  ASSERT_TRUE(test::WriteAll(InWorkDir("text.wav"), "ding dong\n"));
  ASSERT_TRUE(test::WriteAll(InWorkDir("truncated.wav"), cue.left(cue.size() / 3)));
  ASSERT_TRUE(test::WriteAll(InWorkDir("beyond.wav"), beyond));
  ASSERT_TRUE(QDir().mkdir(InWorkDir("directory.wav")));
  for (const char* name :
       {"missing.wav", "text.wav", "truncated.wav", "beyond.wav", "directory.wav"}) {
    PlayCue(*player_, "pinpon.wav");
    ASSERT_TRUE(player_->HasOpenFile());
    writes_.clear();
    PlayCue(*player_, name);
    EXPECT_EQ(writes_.size(), 5u) << name;  // the caller's writes all went through
    EXPECT_FALSE(player_->HasOpenFile()) << name;
    EXPECT_TRUE(player_->OpenFilePath().isEmpty()) << name;
    QTest::qWait(50);
    PlayCue(*player_, "endpinpon.wav");
    EXPECT_EQ(player_->OpenFilePath(), test::BuiltCuePath("endpinpon.wav")) << name;
  }
  window_.reset();  // destroys the player with its last cue still loading or playing
  QTest::qWait(100);
}

}  // namespace
}  // namespace ombrix
