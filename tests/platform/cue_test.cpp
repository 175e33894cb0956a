// SPDX-License-Identifier: GPL-3.0-or-later
#include <gtest/gtest.h>

#include <QApplication>
#include <QDir>
#include <QScopeGuard>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QtEndian>
#include <optional>

#include "cue_path.h"
#include "media_player_control.h"
#include "play_cue.h"
#include "wave_player.h"

namespace ombrix {
namespace {

// Sets an environment variable until the end of the scope, then puts back what was there.
auto ScopedVariable(const char* name, const QString& value) {
  const std::optional<QByteArray> old =
      qEnvironmentVariableIsSet(name) ? std::optional(qgetenv(name)) : std::nullopt;
  qputenv(name, value.toUtf8());
  return qScopeGuard([=] { old ? qputenv(name, *old) : qunsetenv(name); });
}

QString Beside(const QString& name) {
  return QDir(QCoreApplication::applicationDirPath()).filePath(name);
}

// Broken files are refused before anything plays them, and playing one is silent: the command
// that asked for the cue makes all its writes and goes on.
TEST(CueTest, BrokenFilesPlayNothingAndTheCallerGoesOn) {
  QFile built(Beside("pinpon.wav"));
  ASSERT_TRUE(built.open(QIODevice::ReadOnly));
  ASSERT_TRUE(ReadWaveFile(Beside("endpinpon.wav")));
  const QByteArray cue = built.readAll();
  QByteArray huge = cue, beyond = cue;
  qToLittleEndian(0xFFFFFFF0u, huge.data() + 4);
  qToLittleEndian(0x7FFFFFF0u, beyond.data() + cue.indexOf("data") + 4);
  // A sound libsndfile decodes, but not a WAV: Sun's format, 16-bit samples at 8000 Hz.
  const QByteArray au = QByteArray::fromHex("2e736e6400000018000007d00000000300001f4000000001") +
                        QByteArray(2000, '\x10');
  QTemporaryDir dir;
  ASSERT_TRUE(QDir::setCurrent(dir.path()));
  ASSERT_TRUE(QDir().mkdir("directory.wav"));
  const std::pair<const char*, QByteArray> broken[] = {
      {"empty.wav", ""},  {"text.wav", "ding dong\n"}, {"short.wav", cue.left(cue.size() - 1)},
      {"huge.wav", huge}, {"beyond.wav", beyond},      {"au.wav", au}};
  for (const auto& [name, bytes] : broken) {
    QFile file(name);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    ASSERT_EQ(file.write(bytes), bytes.size());
    file.close();
    EXPECT_FALSE(ReadWaveFile(dir.filePath(name))) << name;
  }
  EXPECT_FALSE(ReadWaveFile(dir.filePath("directory.wav")));
  EXPECT_FALSE(ReadWaveFile("none.wav"));

  QWidget window;
  auto* player = new MediaPlayerControl(&window);
  QSignalSpy writes(player, &MediaPlayerControl::propertyWritten);
  for (const char* name : {"empty.wav", "huge.wav", "au.wav", "directory.wav", "none.wav"}) {
    PlayCue(*player, "pinpon.wav");
    PlayCue(*player, dir.filePath(name));
  }
  EXPECT_EQ(writes.size(), 50);
  window.show();
  player->setVisible(true);
  EXPECT_FALSE(player->isVisible());
  QDir::setCurrent(QCoreApplication::applicationDirPath());
}

// A bare name is looked up in the user's data directory, then the system's, then beside the
// executable, and never in the current directory; a cue found in any of them decodes.
TEST(CueTest, ABareNameIsLookedUpInTheProgramsOwnPlacesOnly) {
  QTemporaryDir user, system, current;
  const auto home = ScopedVariable("XDG_DATA_HOME", user.path());
  const auto dirs = ScopedVariable("XDG_DATA_DIRS", system.path() + ":/nonexistent");
  const auto plant = [](const QString& directory, const char* name) {
    QDir().mkpath(directory);
    QFile::copy(Beside("endpinpon.wav"), QDir(directory).filePath(name));
    return QDir(directory).filePath(name);
  };
  plant(current.path(), "pinpon.wav");
  plant(current.path(), "planted.wav");
  ASSERT_TRUE(QDir::setCurrent(current.path()));
  EXPECT_EQ(FindCue("pinpon.wav"), Beside("pinpon.wav"));
  EXPECT_EQ(FindCue("planted.wav"), "");
  EXPECT_EQ(FindCue("none.wav"), "");
  for (const QString& place : {system.filePath("ombrix"), user.filePath("ombrix")}) {
    const QString cue = plant(place, "pinpon.wav");
    EXPECT_EQ(FindCue("pinpon.wav"), cue);
    EXPECT_TRUE(ReadWaveFile(cue));
  }
  QDir::setCurrent(QCoreApplication::applicationDirPath());
}

}  // namespace
}  // namespace ombrix
