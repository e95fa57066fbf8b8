#include "platform/TextFile.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <QFile>
#include <QRandomGenerator>
#include <algorithm>
#include <cerrno>
#include <climits>
#include <functional>

namespace rt {

namespace {

// Why something other than a plain file is neither read nor written. Reading and writing say it
// in the same words, so that one kind of thing in the file's place always gets one reason.
QString NotPlainFile(mode_t mode) {
  return S_ISDIR(mode) ? "a folder stands in its place" : "it is not a plain file";
}

// Opens a plain file and nothing else, without ever waiting: the kind is looked at before the
// opening, so that a device is never opened, and again on what was opened, in case the name
// changed in between; a pipe opens at once (O_NONBLOCK) and is then turned away. Returns the
// descriptor; or -1 with `refusal` set when something else stands there; or -1 with errno set
// when it cannot be opened (ENOENT when there is nothing).
int OpenPlainFile(int folder, const char* name, int flags, struct stat& st, QString& refusal) {
  if (::fstatat(folder, name, &st, (flags & O_NOFOLLOW) ? AT_SYMLINK_NOFOLLOW : 0) != 0) return -1;
  if (S_ISREG(st.st_mode)) {
    const int fd = ::openat(folder, name, flags | O_NONBLOCK | O_NOCTTY | O_CLOEXEC);
    if (fd < 0) return -1;
    if (::fstat(fd, &st) == 0 && S_ISREG(st.st_mode)) return fd;
    ::close(fd);
  }
  refusal = NotPlainFile(st.st_mode);
  return -1;
}

// Reads a plain file's bytes, at most the longest that is read; 0, or the errno of a failed read.
int ReadUpTo(int fd, qint64 size, QByteArray& data) {
  data = QByteArray(std::min<qint64>(size, kMaxTextFileBytes), Qt::Uninitialized);
  qsizetype got = 0;
  while (got < data.size()) {
    const ssize_t n = ::read(fd, data.data() + got, data.size() - got);
    if (n < 0 && errno == EINTR) continue;
    if (n < 0) return errno;
    if (n == 0) break;
    got += n;
  }
  data.truncate(got);
  return 0;
}

// The name that a rewrite replaces: a link, or a chain of links, is followed to the file it
// names (which need not exist yet), so that a link the player made stays a link.
QByteArray FollowLinks(QByteArray path) {
  for (int hops = 0; hops < 40; ++hops) {
    char target[PATH_MAX];
    const ssize_t n = ::readlink(path.constData(), target, sizeof target);
    if (n <= 0 || n == sizeof target) break;
    const QByteArray link(target, n);
    const qsizetype slash = path.lastIndexOf('/');
    path = link.startsWith('/') || slash < 0 ? link : path.left(slash + 1) + link;
  }
  return path;
}

// Gives the new file a name beside the old one, the old one's name and a random ending: `take`
// is tried with such names until one is free. The name taken, or empty with errno set.
QByteArray FreeName(const QByteArray& name, const std::function<int(const char*)>& take) {
  for (int tries = 0; tries < 100; ++tries) {
    const QByteArray temp =
        name + '.' + QByteArray::number(QRandomGenerator::global()->generate(), 36);
    if (take(temp.constData()) >= 0) return temp;
    if (errno != EEXIST) break;
  }
  return {};
}

// Writes every byte from the start of the file; false with errno set when the disk, a size
// limit or the file system took only part of them.
bool WriteAll(int fd, const QByteArray& data) {
  qsizetype done = 0;
  while (done < data.size()) {
    const ssize_t n = ::pwrite(fd, data.constData() + done, data.size() - done, done);
    if (n < 0 && errno == EINTR) continue;
    if (n <= 0) {
      if (n == 0) errno = EIO;
      return false;
    }
    done += n;
  }
  return true;
}

// Why a file that is there but could not be read is not written: its lines were never seen, and
// the new ones would take their place. `why` is the reason the reading gave.
QString UnreadFile(const QString& why) {
  return "it could not be read (" + why + ") and is left as it is";
}

}  // namespace

bool TextInput::Open(const QString& path) {
  lines_.clear();
  next_ = 0;
  error_.clear();
  struct stat st {};
  QString refusal;
  const int fd = OpenPlainFile(AT_FDCWD, QFile::encodeName(path), O_RDONLY, st, refusal);
  const int err = errno;
  missing_ = fd < 0 && refusal.isEmpty() && err == ENOENT;
  if (fd < 0) {
    error_ = !refusal.isEmpty() ? refusal
             : missing_         ? "the file does not exist"
                                : qt_error_string(err);
    return false;
  }
  QByteArray data;
  const int failed = ReadUpTo(fd, st.st_size, data);
  ::close(fd);
  if (failed != 0) {
    error_ = qt_error_string(failed);
    return false;
  }
  // The file's bytes are 8-bit text; each byte is one character. A file that holds CR LF is a
  // file of ours or one kept in its way: there only CR LF ends a line, and a lone CR or LF that
  // an editor or a tool left in a name belongs to the name, so that no later line moves. A file
  // without any CR LF has its lines ended by LF or by CR alone.
  const bool crLf = data.contains("\r\n");
  qsizetype start = 0;
  const qsizetype n = data.size();
  for (qsizetype i = 0; i < n; ++i) {
    const char c = data[i];
    const bool pair = c == '\r' && i + 1 < n && data[i + 1] == '\n';
    if (crLf ? !pair : c != '\r' && c != '\n') continue;
    lines_.append(QString::fromLatin1(data.constData() + start, i - start));
    if (pair) ++i;
    start = i + 1;
  }
  if (start < n) lines_.append(QString::fromLatin1(data.constData() + start, n - start));
  return true;
}

QString TextInput::LineInput() {
  return Eof() ? QString() : lines_[next_++];
}

bool TextOutput::Open(const QString& path, const QString& unseen) {
  Release();
  error_.clear();
  data_.clear();
  const QByteArray target = FollowLinks(QFile::encodeName(path));
  const qsizetype slash = target.lastIndexOf('/');
  name_ = target.mid(slash + 1);
  // The folder is held open, so that the new file is made, and takes the old one's place, in
  // the folder whose file was looked at, whatever happens to the names on the way to it.
  folder_ = ::open(slash < 0 ? "." : target.left(slash + 1).constData(),
                   O_PATH | O_DIRECTORY | O_CLOEXEC);
  if (folder_ < 0) {
    error_ = qt_error_string(errno);
    return false;
  }
  struct stat st {};
  QString refusal;
  // A file that is there is read through first: one that the player may not read, or whose
  // reading fails, is never replaced nor written over, since what it holds would be lost
  // unseen (the high scores of other levels, say). It stays as it is, owner and mode included.
  const int reader = OpenPlainFile(folder_, name_, O_RDONLY | O_NOFOLLOW, st, refusal);
  int unread = reader < 0 && refusal.isEmpty() && errno != ENOENT ? errno : 0;
  if (reader >= 0) {
    QByteArray bytes;
    unread = ReadUpTo(reader, st.st_size, bytes);
    ::close(reader);
  }
  if (unread != 0) refusal = UnreadFile(qt_error_string(unread));
  if (refusal.isEmpty()) old_ = OpenPlainFile(folder_, name_, O_WRONLY | O_NOFOLLOW, st, refusal);
  if (!refusal.isEmpty()) {
    error_ = refusal;
    Release();
    return false;
  }
  // A file that the player may not write can still be replaced where the folder allows it.
  existed_ = old_ >= 0 || errno != ENOENT;
  if (existed_ && !unseen.isEmpty()) {
    error_ = UnreadFile(unseen);
    Release();
    return false;
  }
  mode_ = S_ISREG(st.st_mode) ? st.st_mode & 07777 : 0666;
  return true;
}

void TextOutput::PrintLine(const QString& line) {
  data_ += line.toLatin1();
  data_ += "\r\n";
}

bool TextOutput::Close() {
  if (folder_ < 0) return false;
  Replaced replaced = ReplaceAtOnce();
  // Where the folder takes no new file or refuses the renaming (a folder the player may not
  // write, a shared folder where another player saved last, a file mounted on its own) but the
  // file itself may be written, it is written in place: the high score is kept.
  if (replaced == Replaced::kRefused && old_ >= 0)
    replaced = WriteInPlace() ? Replaced::kDone : Replaced::kFailed;
  Release();
  if (replaced == Replaced::kDone) error_.clear();
  return replaced == Replaced::kDone;
}

TextOutput::Replaced TextOutput::ReplaceAtOnce() {
  // Every byte must reach the disk in a file of its own before it takes the old one's place in
  // one step: a save cut short, a full disk or a size limit leaves the old file as it was. The
  // new file has no name while it is written, where the system allows that, so that a save cut
  // short leaves nothing beside the old one either.
  const mode_t mode = existed_ ? 0600 : 0666;
  const int flags = O_WRONLY | O_CLOEXEC;
  int fd =
      ::access("/proc/self/fd", X_OK) == 0 ? ::openat(folder_, ".", flags | O_TMPFILE, mode) : -1;
  QByteArray temp;
  if (fd < 0) {
    temp = FreeName(name_, [&](const char* name) {
      return fd = ::openat(folder_, name, flags | O_CREAT | O_EXCL | O_NOFOLLOW, mode);
    });
  }
  if (fd < 0) {
    error_ = qt_error_string(errno);
    return Replaced::kRefused;
  }
  if (existed_) ::fchmod(fd, mode_);
  bool ok = WriteAll(fd, data_) && ::fdatasync(fd) == 0;
  if (ok && temp.isEmpty()) {
    const QByteArray self = "/proc/self/fd/" + QByteArray::number(fd);
    temp = FreeName(name_, [&](const char* name) {
      return ::linkat(AT_FDCWD, self.constData(), folder_, name, AT_SYMLINK_FOLLOW);
    });
    ok = !temp.isEmpty();
  }
  int err = errno;
  if (::close(fd) != 0 && ok) {
    ok = false;
    err = errno;
  }
  // The name may have been given to something else since it was looked at: only a plain file
  // there, or none, is replaced.
  struct stat st {};
  if (ok && ::fstatat(folder_, name_, &st, AT_SYMLINK_NOFOLLOW) == 0 && !S_ISREG(st.st_mode)) {
    ::unlinkat(folder_, temp, 0);
    error_ = NotPlainFile(st.st_mode);
    return Replaced::kFailed;
  }
  if (ok && ::renameat(folder_, temp, folder_, name_) == 0) {
    // The folder's new entry must reach the disk too, or a power cut soon after the save can
    // leave the folder naming the old file. The save has taken place either way.
    const int folder = ::openat(folder_, ".", O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    if (folder >= 0) {
      ::fsync(folder);
      ::close(folder);
    }
    return Replaced::kDone;
  }
  if (ok) err = errno;
  if (!temp.isEmpty()) ::unlinkat(folder_, temp, 0);
  error_ = qt_error_string(err);
  return ok ? Replaced::kRefused : Replaced::kFailed;
}

bool TextOutput::WriteInPlace() {
  // The new lines go over the old ones and the rest is cut off after them: a file no longer
  // than before needs no new room on the disk.
  if (WriteAll(old_, data_) && ::ftruncate(old_, data_.size()) == 0 && ::fdatasync(old_) == 0)
    return true;
  error_ = qt_error_string(errno);
  return false;
}

void TextOutput::Release() {
  if (old_ >= 0) ::close(old_);
  if (folder_ >= 0) ::close(folder_);
  old_ = folder_ = -1;
}

}  // namespace rt
