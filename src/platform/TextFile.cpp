#include "platform/TextFile.h"

#include <QFile>
#include <QFileInfo>
#include <QSaveFile>
#include <algorithm>

namespace rt {

bool TextInput::Open(const QString& path) {
  lines_.clear();
  next_ = 0;
  error_.clear();
  const QFileInfo info(path);
  missing_ = !info.exists();
  if (missing_) {
    error_ = "the file does not exist";
    return false;
  }
  if (info.isDir()) {
    error_ = "a folder stands in its place";
    return false;
  }
  if (!info.isFile()) {
    // A pipe or a device would block the reading: only plain files are read.
    error_ = "it is not a plain file";
    return false;
  }
  QFile file(path);
  if (!file.open(QIODevice::ReadOnly)) {
    error_ = file.errorString();
    return false;
  }
  const QByteArray data = file.read(std::min(file.size(), kMaxTextFileBytes));
  if (file.error() != QFileDevice::NoError) {
    error_ = file.errorString();
    return false;
  }
  // The file's bytes are 8-bit text; each byte is one character.
  qsizetype start = 0;
  const qsizetype n = data.size();
  for (qsizetype i = 0; i < n; ++i) {
    const char c = data[i];
    if (c != '\r' && c != '\n') continue;
    lines_.append(QString::fromLatin1(data.constData() + start, i - start));
    if (c == '\r' && i + 1 < n && data[i + 1] == '\n') ++i;
    start = i + 1;
  }
  if (start < n) lines_.append(QString::fromLatin1(data.constData() + start, n - start));
  return true;
}

QString TextInput::LineInput() { return Eof() ? QString() : lines_[next_++]; }

TextOutput::TextOutput() = default;
TextOutput::~TextOutput() {
  if (file_) file_->cancelWriting();
}

bool TextOutput::Open(const QString& path) {
  error_.clear();
  data_.clear();
  file_ = std::make_unique<QSaveFile>(path);
  if (QFileInfo(path).isDir()) {
    error_ = "a folder stands in its place";
    file_.reset();
    return false;
  }
  if (!file_->open(QIODevice::WriteOnly)) {
    error_ = file_->errorString();
    file_.reset();
    return false;
  }
  return true;
}

void TextOutput::PrintLine(const QString& line) {
  data_ += line.toLatin1();
  data_ += "\r\n";
}

bool TextOutput::Close() {
  if (!file_) return false;
  // Every byte must reach the disk before the new file takes the old one's place: a full disk
  // or a size limit that takes only part of it leaves the old file as it was.
  qint64 done = 0;
  while (done < data_.size()) {
    const qint64 n = file_->write(data_.constData() + done, data_.size() - done);
    if (n <= 0) break;
    done += n;
  }
  bool ok = done == data_.size() && file_->flush();
  if (!ok) {
    error_ = file_->errorString();
    file_->cancelWriting();
  } else if (!file_->commit()) {
    ok = false;
    error_ = file_->errorString();
  }
  file_.reset();
  return ok;
}

}  // namespace rt
