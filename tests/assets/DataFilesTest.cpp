// The files the game reads from its working folder: the three sound effects and the help
// file, and the drawing program that makes the pictures and sounds the same at every build.
#include <gtest/gtest.h>

#include <QCryptographicHash>
#include <QDir>
#include <QFile>
#include <QProcess>
#include <QTemporaryDir>
#include <algorithm>
#include <cstdint>
#include <cstring>

namespace {

QByteArray readFile(const QString& path) {
  QFile file(path);
  return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

std::uint32_t le(const QByteArray& bytes, int at, int size) {
  std::uint32_t v = 0;
  for (int i = size - 1; i >= 0; --i) v = (v << 8) | static_cast<std::uint8_t>(bytes[at + i]);
  return v;
}

struct Sound {
  const char* file;
  double shortest, longest;  // seconds
};

class Sounds : public testing::TestWithParam<Sound> {};

// Each effect is a plain PCM WAV file, 16-bit mono, that any sound layer can play: a header
// that tells the truth about its data, an audible signal and a length that suits its use
// (the warning beep sounds once a tick, five times a second with Fast).
TEST_P(Sounds, AreAudiblePcmWaveFilesOfTheirLength) {
  const QByteArray wav = readFile(QString(VANTIX_DATA_DIR "/") + GetParam().file);
  ASSERT_GE(wav.size(), 44) << GetParam().file;
  EXPECT_EQ(wav.left(4), "RIFF");
  EXPECT_EQ(le(wav, 4, 4), static_cast<std::uint32_t>(wav.size() - 8));
  EXPECT_EQ(wav.mid(8, 8), "WAVEfmt ");
  EXPECT_EQ(le(wav, 20, 2), 1u);   // PCM
  EXPECT_EQ(le(wav, 22, 2), 1u);   // mono
  EXPECT_EQ(le(wav, 34, 2), 16u);  // bits
  const std::uint32_t rate = le(wav, 24, 4);
  EXPECT_EQ(le(wav, 28, 4), rate * 2);
  EXPECT_EQ(wav.mid(36, 4), "data");
  const std::uint32_t bytes = le(wav, 40, 4);
  ASSERT_EQ(bytes, static_cast<std::uint32_t>(wav.size() - 44));

  const double seconds = bytes / 2.0 / rate;
  EXPECT_GE(seconds, GetParam().shortest);
  EXPECT_LE(seconds, GetParam().longest);
  int peak = 0;
  for (std::uint32_t i = 0; i < bytes; i += 2)
    peak =
        std::max(peak, std::abs(static_cast<int>(static_cast<std::int16_t>(le(wav, 44 + i, 2)))));
  EXPECT_GT(peak, 8000);
  // Starts and ends quietly, so that no click is heard.
  EXPECT_LT(std::abs(static_cast<std::int16_t>(le(wav, 44, 2))), 2000);
  EXPECT_LT(std::abs(static_cast<std::int16_t>(le(wav, 44 + bytes - 2, 2))), 2000);
}

INSTANTIATE_TEST_SUITE_P(Effects, Sounds,
                         testing::Values(Sound{"s1.wav", 0.05, 0.2}, Sound{"s3.wav", 0.05, 0.4},
                                         Sound{"explode.wav", 0.8, 1.5}));

// F1 opens vantix.hlp in the help window's browser: an HTML page that covers the panel's
// commands and the approach phases, and sends the player to no address outside the game.
TEST(HelpFile, IsAnHtmlPageCoveringTheCommandsAndPhases) {
  const QString help = QString::fromUtf8(readFile(VANTIX_DATA_DIR "/vantix.hlp"));
  ASSERT_FALSE(help.isEmpty());
  EXPECT_TRUE(help.contains("<html", Qt::CaseInsensitive));
  EXPECT_TRUE(help.contains("</html>", Qt::CaseInsensitive));
  for (const char* word :
       {"LEFT", "RIGHT", "CIRCLE L", "CIRCLE R", "ALTITUDE", "SPEED", "MAINTAIN", "Establish",
        "SEND", "Seek", "Est", "Lock", "Down", "Clear", "End Game", "Fast", "Sound", "Safety"})
    EXPECT_TRUE(help.contains(word)) << word;
  EXPECT_FALSE(help.contains("http", Qt::CaseInsensitive));
  EXPECT_FALSE(help.contains("www.", Qt::CaseInsensitive));
}

// The drawing program is part of the build: run again, it writes byte for byte the files the
// build placed, so pictures and sounds never change by themselves between builds.
TEST(AssetProgram, WritesTheSameBytesAtEveryRun) {
  QTemporaryDir out;
  ASSERT_TRUE(out.isValid());
  QProcess program;
  program.start(VANTIX_ASSETS_PROGRAM, {out.path()});
  ASSERT_TRUE(program.waitForFinished(60000));
  ASSERT_EQ(program.exitCode(), 0) << program.readAllStandardError().toStdString();
  for (const char* name : {"radar.png", "dial.png", "scales.png", "chart.png", "icon.png", "s1.wav",
                           "s3.wav", "explode.wav"}) {
    const QByteArray again = readFile(QDir(out.path()).filePath(name));
    ASSERT_FALSE(again.isEmpty()) << name;
    EXPECT_EQ(again, readFile(QString(VANTIX_GENERATED_DIR "/") + name)) << name;
  }
}

}  // namespace
