#include <gtest/gtest.h>

#include <QDir>
#include <QFile>
#include <QTemporaryDir>

#include "platform/TextFile.h"

namespace {
QStringList ReadAll(const QString& path) {
  rt::TextInput in;
  EXPECT_TRUE(in.Open(path));
  QStringList lines;
  while (!in.Eof()) lines << in.LineInput();
  return lines;
}
void Write(const QString& path, const QByteArray& bytes) {
  QFile f(path);
  ASSERT_TRUE(f.open(QIODevice::WriteOnly));
  f.write(bytes);
}
}  // namespace

/** Lines end at CR LF, LF or CR; a last line without a line end is a line too; bytes are read
 *  as 8-bit characters, NUL included. */
TEST(TextFile, LinesEndAtCrLfLfOrCr) {
  QTemporaryDir dir;
  const QString path = dir.filePath("scores.dat");
  const struct {
    QByteArray bytes;
    QStringList lines;
  } cases[] = {
      {"Ann\r\nABC\r\n", {"Ann", "ABC"}},
      {"Ann\nABC\n", {"Ann", "ABC"}},
      {"Ann\rABC\r", {"Ann", "ABC"}},
      {"Ann\r\n\r\nB", {"Ann", "", "B"}},
      {"", {}},
      {"no line end", {"no line end"}},
      {QByteArray("a\0b\r\n", 5), {QString::fromLatin1("a\0b", 3)}},
      {"\xff\xfe\r\n", {QString::fromLatin1("\xff\xfe")}},
  };
  for (const auto& c : cases) {
    Write(path, c.bytes);
    EXPECT_EQ(ReadAll(path), c.lines) << c.bytes.toStdString();
  }
}

/** Writing ends every line with CR LF, and the old file stays whole until the new one is done. */
TEST(TextFile, WritingEndsLinesWithCrLfAndReplacesTheFileOnlyWhenClosed) {
  QTemporaryDir dir;
  const QString path = dir.filePath("scores.dat");
  Write(path, "old\r\n");
  rt::TextOutput out;
  ASSERT_TRUE(out.Open(path));
  out.PrintLine("Ann");
  out.PrintLine("");
  QFile before(path);
  ASSERT_TRUE(before.open(QIODevice::ReadOnly));
  EXPECT_EQ(before.readAll(), "old\r\n");
  before.close();
  ASSERT_TRUE(out.Close());
  QFile after(path);
  ASSERT_TRUE(after.open(QIODevice::ReadOnly));
  EXPECT_EQ(after.readAll(), "Ann\r\n\r\n");
}

/** A missing file, or a folder in a file's place, is reported and never read. */
TEST(TextFile, MissingFilesAndFoldersAreReported) {
  QTemporaryDir dir;
  rt::TextInput in;
  EXPECT_FALSE(in.Open(dir.filePath("none.dat")));
  EXPECT_TRUE(in.Missing());
  QDir(dir.path()).mkdir("scores.dat");
  EXPECT_FALSE(in.Open(dir.filePath("scores.dat")));
  EXPECT_FALSE(in.Missing());
  rt::TextOutput out;
  EXPECT_FALSE(out.Open(dir.filePath("scores.dat")));
  EXPECT_FALSE(out.Error().isEmpty());
}
