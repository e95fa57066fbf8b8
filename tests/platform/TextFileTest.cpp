#include <gtest/gtest.h>
#include <sys/socket.h>
#include <sys/stat.h>
#include <sys/sysmacros.h>
#include <sys/un.h>
#include <unistd.h>

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QTemporaryDir>
#include <algorithm>

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

// Makes a folder, a pipe, a socket or a device (the null device's numbers) at `path`; 0 when
// made. Only root may make a device.
int MakeNode(mode_t type, const QByteArray& path) {
  if (type == S_IFDIR) return ::mkdir(path, 0700);
  if (type == S_IFIFO) return ::mkfifo(path, 0600);
  if (type == S_IFCHR) return ::mknod(path, S_IFCHR | 0600, makedev(1, 3));
  sockaddr_un address{};
  address.sun_family = AF_UNIX;
  if (path.size() >= qsizetype(sizeof address.sun_path)) return -1;
  std::copy(path.begin(), path.end(), address.sun_path);
  const int fd = ::socket(AF_UNIX, SOCK_STREAM, 0);
  const int made = ::bind(fd, reinterpret_cast<sockaddr*>(&address), sizeof address);
  ::close(fd);
  return made;
}
}  // namespace

/** Lines end at CR LF, LF or CR, but in a file that holds CR LF only CR LF ends a line; a last
 *  line without a line end is a line too; bytes are read as 8-bit characters, NUL included. */
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
      {"A\nn\r\nA\rB\r\n\n\r", {"A\nn", "A\rB", "\n\r"}},
      {"Ann\nABC\rB", {"Ann", "ABC", "B"}},
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

/** Writing ends every line with CR LF, and the old file stays whole until the new one is done;
 *  the new file keeps the old one's permissions. */
TEST(TextFile, WritingEndsLinesWithCrLfAndReplacesTheFileOnlyWhenClosed) {
  QTemporaryDir dir;
  const QString path = dir.filePath("scores.dat");
  Write(path, "old\r\n");
  ASSERT_EQ(::chmod(QFile::encodeName(path), 0604), 0);
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
  struct stat st {};
  ASSERT_EQ(::stat(QFile::encodeName(path), &st), 0);
  EXPECT_EQ(st.st_mode & 07777, 0604u);
}

/** A missing file is reported as missing, and writing creates it. */
TEST(TextFile, AMissingFileIsReportedAndWritingCreatesIt) {
  QTemporaryDir dir;
  const QString path = dir.filePath("none.dat");
  rt::TextInput in;
  EXPECT_FALSE(in.Open(path));
  EXPECT_TRUE(in.Missing());
  rt::TextOutput out;
  ASSERT_TRUE(out.Open(path));
  out.PrintLine("x");
  ASSERT_TRUE(out.Close());
  EXPECT_EQ(ReadAll(path), QStringList{"x"});
}

/** Only plain files are read or written. A folder, a pipe, a socket or a device in the file's
 *  place, or named by a link in its place, is neither read nor written nor replaced, never
 *  keeps the game waiting, and both ways give the same reason; the link stays as it was. */
TEST(TextFile, NothingButAPlainFileIsReadOrWritten) {
  // A pipe that nobody reads or writes would keep a blocking opening waiting for ever.
  ::alarm(20);
  struct Kind {
    const char* name;
    mode_t type;
    QString reason;
  };
  const Kind kinds[] = {{"folder", S_IFDIR, "a folder stands in its place"},
                        {"pipe", S_IFIFO, "it is not a plain file"},
                        {"socket", S_IFSOCK, "it is not a plain file"},
                        {"device", S_IFCHR, "it is not a plain file"}};
  for (const Kind& kind : kinds) {
    for (const bool linked : {false, true}) {
      const std::string label = std::string(kind.name) + (linked ? " behind a link" : "");
      QTemporaryDir dir;
      const QString thing = dir.filePath(linked ? "elsewhere" : "scores.dat");
      const QByteArray native = QFile::encodeName(thing);
      const int made = MakeNode(kind.type, native);
      if (made != 0 && kind.type == S_IFCHR) continue;  // only root may make a device
      ASSERT_EQ(made, 0) << label;
      const QString path = dir.filePath("scores.dat");
      if (linked) {
        ASSERT_TRUE(QFile::link("elsewhere", path)) << label;
      }

      rt::TextInput in;
      EXPECT_FALSE(in.Open(path)) << label;
      EXPECT_FALSE(in.Missing()) << label;
      EXPECT_EQ(in.Error(), kind.reason) << label;
      rt::TextOutput out;
      if (out.Open(path)) {
        out.PrintLine("Ann");
        EXPECT_FALSE(out.Close()) << label;
      }
      EXPECT_EQ(out.Error(), kind.reason) << label;

      struct stat st {};
      ASSERT_EQ(::lstat(native, &st), 0) << label;
      EXPECT_EQ(st.st_mode & S_IFMT, kind.type) << label;
      if (linked) {
        EXPECT_EQ(QFile::symLinkTarget(path), thing) << label;
      }
      EXPECT_EQ(
          QDir(dir.path())
              .entryList(QDir::AllEntries | QDir::System | QDir::Hidden | QDir::NoDotAndDotDot)
              .size(),
          linked ? 2 : 1)
          << label;
    }
  }
  ::alarm(0);
}

/** A link to a plain file, or a chain of links into another folder, is followed: the file it
 *  names is rewritten and the link stays a link. A link to a file not there yet creates it. */
TEST(TextFile, ALinkToAPlainFileIsFollowedAndStaysALink) {
  QTemporaryDir dir;
  QDir(dir.path()).mkdir("kept");
  const QString real = dir.filePath("kept/scores.dat");
  Write(real, "old\r\n");
  const QString path = dir.filePath("scores.dat");
  ASSERT_TRUE(QFile::link("hop", path));
  ASSERT_TRUE(QFile::link("kept/scores.dat", dir.filePath("hop")));
  const QString fresh = dir.filePath("player.id");
  ASSERT_TRUE(QFile::link(dir.filePath("kept/player.id"), fresh));
  for (const QString& name : {path, fresh}) {
    rt::TextOutput out;
    ASSERT_TRUE(out.Open(name));
    out.PrintLine("new");
    ASSERT_TRUE(out.Close()) << out.Error().toStdString();
    EXPECT_TRUE(QFileInfo(name).isSymLink());
  }
  EXPECT_EQ(QFileInfo(dir.filePath("hop")).symLinkTarget(), real);
  EXPECT_EQ(ReadAll(path), QStringList{"new"});
  EXPECT_EQ(ReadAll(dir.filePath("kept/player.id")), QStringList{"new"});
  EXPECT_EQ(QDir(dir.filePath("kept")).entryList(QDir::Files | QDir::Hidden),
            (QStringList{"player.id", "scores.dat"}));
}
