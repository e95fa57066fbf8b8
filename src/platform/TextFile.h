// Sequential text files of the working folder, one value per line. Reading takes lines ended by
// CR LF, or by LF or CR in a file without any CR LF. Writing ends every line with CR LF and
// replaces the file only when it is closed, so a failure part-way never leaves a truncated file
// behind; a file that is there but cannot be read is never replaced. Only plain files are read
// or written: a folder, a pipe or a device in a file's place is left alone and reported.
#pragma once

#include <QByteArray>
#include <QString>
#include <QStringList>

namespace rt {

class TextInput {
 public:
  // Opens a file for reading; false with a reason when it cannot be read.
  bool Open(const QString& path);
  bool Eof() const { return next_ >= lines_.size(); }
  // The next line whole, without its line end; "" at the end of the file.
  QString LineInput();
  QString Error() const { return error_; }
  // True when the file did not exist (as opposed to existing but unreadable).
  bool Missing() const { return missing_; }

 private:
  QStringList lines_;
  qsizetype next_ = 0;
  QString error_;
  bool missing_ = false;
};

class TextOutput {
 public:
  TextOutput() = default;
  TextOutput(const TextOutput&) = delete;
  TextOutput& operator=(const TextOutput&) = delete;
  ~TextOutput() { Release(); }
  // Finds the file (a link is followed to the file it names) and makes sure that it is a plain
  // file that can be read, or none yet; false with a reason when it must not be written.
  // `unseen`, when given, says why the caller never saw what the file holds: a file that is
  // there is then not written either, since the new lines would take the place of lines unread.
  bool Open(const QString& path, const QString& unseen = {});
  void PrintLine(const QString& line);
  // Writes the lines and replaces the file; false with a reason when that failed.
  bool Close();
  QString Error() const { return error_; }

 private:
  enum class Replaced { kDone, kRefused, kFailed };
  Replaced ReplaceAtOnce();
  bool WriteInPlace();
  void Release();

  int folder_ = -1;       // the folder that holds the file, held open while the lines are made
  int old_ = -1;          // the file as it is, when it is there and may be written
  QByteArray name_;       // the file's name in that folder
  unsigned mode_ = 0;     // the old file's permissions, which the new one keeps
  bool existed_ = false;  // there was a file to replace
  QByteArray data_;
  QString error_;
};

// The longest file that is read: anything beyond is not a file of ours.
constexpr qint64 kMaxTextFileBytes = 1 << 20;

}  // namespace rt
