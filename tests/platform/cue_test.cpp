#include <gtest/gtest.h>

#include <QApplication>
#include <QDir>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QtEndian>

#include "cue_path.h"
#include "media_control.h"
#include "play_cue.h"

namespace ombrix {
namespace {

QString Beside(const QString& name) {
  return QDir(QCoreApplication::applicationDirPath()).filePath(name);
}

// Broken files are refused before anything plays them, and playing one is silent: the command
// that asked for the cue makes all its writes and goes on.
TEST(CueTest, BrokenFilesPlayNothingAndTheCallerGoesOn) {
  QFile built(Beside("pinpon.wav"));
  ASSERT_TRUE(built.open(QIODevice::ReadOnly) && ReadWaveFile(Beside("endpinpon.wav")));
  const QByteArray cue = built.readAll();
  QByteArray huge = cue, beyond = cue;
  qToLittleEndian(0xFFFFFFF0u, huge.data() + 4);
  qToLittleEndian(0x7FFFFFF0u, beyond.data() + cue.indexOf("data") + 4);
  QTemporaryDir dir;
  ASSERT_TRUE(QDir::setCurrent(dir.path()) && QDir().mkdir("directory.wav"));
  const std::pair<const char*, QByteArray> broken[] = {{"empty.wav", ""},
                                                       {"text.wav", "ding dong\n"},
                                                       {"half.wav", cue.left(cue.size() / 2)},
                                                       {"short.wav", cue.left(cue.size() - 1)},
                                                       {"huge.wav", huge},
                                                       {"beyond.wav", beyond}};
  for (const auto& [name, bytes] : broken) {
    QFile file(name);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly) && file.write(bytes) == bytes.size());
    file.close();
    EXPECT_FALSE(ReadWaveFile(dir.filePath(name))) << name;
  }
  EXPECT_FALSE(ReadWaveFile(dir.filePath("directory.wav")) || ReadWaveFile("none.wav"));

  QWidget window;
  auto* player = new MediaControl(&window);
  QSignalSpy writes(player, &MediaControl::propertyWritten);
  for (const char* name : {"empty.wav", "huge.wav", "beyond.wav", "directory.wav", "none.wav"})
    PlayCue(*player, "pinpon.wav"), PlayCue(*player, name);
  EXPECT_EQ(writes.size(), 50);
  window.show();
  player->setVisible(true);
  EXPECT_FALSE(player->isVisible());
  QDir::setCurrent(QCoreApplication::applicationDirPath());
}

TEST(CueTest, ABareNameIsLookedUpInTheProgramsPlaces) {
  EXPECT_EQ(FindCue("pinpon.wav"), Beside("pinpon.wav"));
  EXPECT_TRUE(FindCue("none.wav").isEmpty());
}

}  // namespace
}  // namespace ombrix
