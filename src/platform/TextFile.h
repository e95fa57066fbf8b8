// Sequential text files of the working folder, one value per line. Reading takes lines ended by
// CR LF, LF or CR; writing ends every line with CR LF and replaces the file only when it is
// closed, so a failure part-way never leaves a truncated file behind.
#pragma once

#include <QByteArray>
#include <QString>
#include <QStringList>
#include <memory>

class QSaveFile;

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
  TextOutput();
  ~TextOutput();
  bool Open(const QString& path);
  void PrintLine(const QString& line);
  // Writes the lines and replaces the file; false with a reason when that failed.
  bool Close();
  QString Error() const { return error_; }

 private:
  std::unique_ptr<QSaveFile> file_;
  QByteArray data_;
  QString error_;
};

// The longest file that is read: anything beyond is not a file of ours.
constexpr qint64 kMaxTextFileBytes = 1 << 20;

}  // namespace rt
