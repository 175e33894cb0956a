#include <gtest/gtest.h>

#include <QApplication>
#include <QDir>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QTest>
#include <QtEndian>

#include "cue_path.h"
#include "media_control.h"
#include "play_cue.h"

namespace ombrix {
namespace {

QString Beside(const QString& name) {
  return QDir(QCoreApplication::applicationDirPath()).filePath(name);
}

QByteArray Patched(QByteArray bytes, qsizetype at, quint32 value) {
  qToLittleEndian(value, bytes.data() + at);
  return bytes;
}

class CueTest : public ::testing::Test {
 protected:
  void SetUp() override { ASSERT_TRUE(QDir::setCurrent(dir.path())); }
  void TearDown() override { QDir::setCurrent(QCoreApplication::applicationDirPath()); }
  bool Write(const QString& name, const QByteArray& bytes) {
    QFile file(dir.filePath(name));
    return file.open(QIODevice::WriteOnly) && file.write(bytes) == bytes.size();
  }
  QTemporaryDir dir;
};

// Broken files are refused before anything plays them; playing one is silent, and the command
// that asked for the cue makes all its writes.
TEST_F(CueTest, BrokenFilesPlayNothingAndTheCallerGoesOn) {
  QFile built(Beside("pinpon.wav"));
  ASSERT_TRUE(built.open(QIODevice::ReadOnly));
  const QByteArray cue = built.readAll();
  const qsizetype dataSize = cue.indexOf("data") + 4;
  const std::pair<const char*, QByteArray> broken[] = {
      {"empty.wav", ""},
      {"text.wav", "ding dong\n"},
      {"half.wav", cue.left(cue.size() / 2)},
      {"short.wav", cue.left(cue.size() - 1)},
      {"huge.wav", Patched(cue, 4, 0xFFFFFFF0u)},
      {"beyond.wav", Patched(cue, dataSize, 0x7FFFFFF0u)}};
  ASSERT_TRUE(ReadWaveFile(Beside("pinpon.wav")) && ReadWaveFile(Beside("endpinpon.wav")));
  ASSERT_TRUE(QDir(dir.path()).mkdir("directory.wav"));
  QWidget window;
  auto* player = new MediaControl(&window);
  QSignalSpy writes(player, &MediaControl::propertyWritten);
  for (const auto& [name, bytes] : broken) {
    ASSERT_TRUE(Write(name, bytes));
    EXPECT_FALSE(ReadWaveFile(dir.filePath(name))) << name;
  }
  for (const char* name : {"empty.wav", "huge.wav", "beyond.wav", "directory.wav", "none.wav"}) {
    PlayCue(*player, "pinpon.wav");
    PlayCue(*player, name);
  }
  EXPECT_EQ(writes.size(), 50);
  window.show();
  player->setVisible(true);
  EXPECT_FALSE(player->isVisible());
}

TEST_F(CueTest, ABareNameIsLookedUpInTheProgramsPlaces) {
  EXPECT_EQ(FindCue("pinpon.wav"), Beside("pinpon.wav"));
  EXPECT_TRUE(FindCue("none.wav").isEmpty());
  ASSERT_TRUE(QDir(dir.path()).mkdir("endpinpon.wav"));
  EXPECT_EQ(FindCue("endpinpon.wav"), Beside("endpinpon.wav"));  // a directory is no cue
}

}  // namespace
}  // namespace ombrix

int main(int argc, char* argv[]) {
  qputenv("QT_QPA_PLATFORM", "offscreen");
  QApplication app(argc, argv);
  ::testing::InitGoogleTest(&argc, argv);
  return RUN_ALL_TESTS();
}
