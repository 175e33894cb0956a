#pragma once

#include <gtest/gtest.h>

#include <QByteArray>
#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QString>
#include <QTemporaryDir>
#include <QtEndian>

namespace ombrix::test {

// The path of a cue the build placed beside the test executable.
inline QString BuiltCuePath(const QString& name) {
  return QDir(QCoreApplication::applicationDirPath()).filePath(name);
}

inline QByteArray ReadAll(const QString& path) {
  QFile file(path);
  return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

inline bool WriteAll(const QString& path, const QByteArray& bytes) {
  QFile file(path);
  return file.open(QIODevice::WriteOnly | QIODevice::Truncate) && file.write(bytes) == bytes.size();
}

inline void PutLe32(QByteArray& bytes, qsizetype at, quint32 value) {
  qToLittleEndian(value, bytes.data() + at);
}

inline QByteArray Chunk(const char (&id)[5], const QByteArray& body) {
  QByteArray chunk(id, 4);
  chunk.append(4, '\0');
  PutLe32(chunk, 4, static_cast<quint32>(body.size()));
  chunk.append(body);
  if (body.size() % 2 != 0) {
    chunk.append('\0');
  }
  return chunk;
}

inline QByteArray FormatBody(quint16 formatTag, quint16 channels, quint32 sampleRate,
                             quint16 bitsPerSample) {
  QByteArray fmt(16, '\0');
  const auto blockAlign = static_cast<quint16>(channels * bitsPerSample / 8);
  qToLittleEndian(formatTag, fmt.data());
  qToLittleEndian(channels, fmt.data() + 2);
  PutLe32(fmt, 4, sampleRate);
  PutLe32(fmt, 8, sampleRate * blockAlign);
  qToLittleEndian(blockAlign, fmt.data() + 12);
  qToLittleEndian(bitsPerSample, fmt.data() + 14);
  return fmt;
}

// A RIFF/WAVE file made of the given chunks, with a RIFF size that matches.
inline QByteArray Riff(const QByteArray& chunks) {
  QByteArray wave("RIFF\0\0\0\0WAVE", 12);
  PutLe32(wave, 4, static_cast<quint32>(4 + chunks.size()));
  wave.append(chunks);
  return wave;
}

// A well-formed mono 16-bit PCM file of `frames` silent samples.
inline QByteArray SilentPcm16Wave(int frames) {
  return Riff(Chunk("fmt ", FormatBody(1, 1, 44100, 16)) +
              Chunk("data", QByteArray(frames * 2, '\0')));
}

// Runs each test in an empty current directory of its own; the executable's directory holds
// the cues the build made.
class InEmptyCurrentDir : public ::testing::Test {
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

}  // namespace ombrix::test
