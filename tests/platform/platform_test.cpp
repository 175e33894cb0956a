// SPDX-License-Identifier: GPL-3.0-or-later
#include <gtest/gtest.h>

#include <QApplication>
#include <QDir>
#include <QLabel>
#include <QScopeGuard>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QTimer>
#include <optional>

#include "cue_path.h"
#include "media_player_control.h"
#include "play_cue.h"
#include "program.h"
#include "qt_conversions.h"
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

// Every layout a cue may come in plays at the file's own rate and channel count, as 16-bit
// samples; a file that is not a whole WAV sound of one or two channels at a rate an output
// takes plays nothing (tests/platform/waves, made by scripts/make_wave_fixtures.py), nor does
// a directory or a missing file. Playing one is silent: the command that asked for the cue
// makes all its writes and goes on.
TEST(CueTest, WholeWaveSoundsPlayAtTheirOwnRateAndBrokenOnesPlayNothing) {
  const QDir waves(OMBRIX_WAVE_DIR);  // the build's own cue plays, and every file is there
  ASSERT_TRUE(ReadWaveFile(Beside("endpinpon.wav")) && waves.entryList(QDir::Files).size() == 15);
  for (const QString& name : waves.entryList(QDir::Files)) {
    const std::optional<WaveSound> sound = ReadWaveFile(waves.filePath(name));
    ASSERT_EQ(sound.has_value(), !name.startsWith("refused-")) << name.toStdString();
    if (sound) {
      EXPECT_TRUE(name.contains(QStringLiteral("-%1ch-%2hz-%3f")
                                    .arg(sound->format.channelCount())
                                    .arg(sound->format.sampleRate())
                                    .arg(sound->samples.size() / 2 / sound->format.channelCount())))
          << name.toStdString();
    }
  }
  QTemporaryDir dir;
  ASSERT_TRUE(QDir(dir.path()).mkdir("directory.wav"));
  EXPECT_FALSE(ReadWaveFile(dir.filePath("directory.wav")) || ReadWaveFile("none.wav"));

  QWidget window;
  auto* player = new MediaPlayerControl(&window);
  QSignalSpy writes(player, &MediaPlayerControl::propertyWritten);
  for (const QString& path :
       {waves.filePath("refused-empty.wav"), waves.filePath("refused-huge-riff.wav"),
        waves.filePath("refused-au.wav"), dir.filePath("directory.wav"),
        dir.filePath("none.wav")}) {
    PlayCue(*player, "pinpon.wav");
    PlayCue(*player, path);
  }
  EXPECT_EQ(writes.size(), 50);
  window.show();
  player->setVisible(true);
  EXPECT_FALSE(player->isVisible());
}

// A bare name is looked up in the user's data directory, then the system's, then beside the
// executable, and never in the current directory.
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
  EXPECT_EQ(FindCue("planted.wav") + FindCue("none.wav"), "");
  const QString systemCue = plant(system.filePath("ombrix"), "pinpon.wav");
  EXPECT_EQ(FindCue("pinpon.wav"), systemCue);
  const QString userCue = plant(user.filePath("ombrix"), "pinpon.wav");
  EXPECT_EQ(FindCue("pinpon.wav"), userCue);
  // A directory named like the cue is passed over.
  ASSERT_TRUE(QFile::remove(userCue) && QDir().mkdir(userCue));
  EXPECT_EQ(FindCue("pinpon.wav"), systemCue);
  QDir::setCurrent(QCoreApplication::applicationDirPath());
}

// The event loop returns the status of the first ending, 70 for a run-time error.
TEST(ProgramTest, EndingLeavesTheEventLoopWithItsStatus) {
  Program program;
  QTimer::singleShot(0, [&] {
    program.End(70);
    program.End(0);
  });
  EXPECT_EQ(QApplication::exec(), 70);
}

}  // namespace
}  // namespace ombrix
