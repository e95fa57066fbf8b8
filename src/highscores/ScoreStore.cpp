#include "highscores/ScoreStore.h"

#include <QFileInfo>
#include <QSaveFile>

#include "platform/TextFile.h"

namespace highscores {

ReadResult ReadLines(const QString& path) {
  ReadResult result;
  const QFileInfo info(path);
  if (info.exists() && !info.isDir() && !info.isFile()) {
    result.error = "it is not a plain file";
    return result;
  }
  rt::TextInput in;
  if (!in.Open(path)) {
    result.missing = in.Missing();
    result.error = in.Error();
    return result;
  }
  while (!in.Eof()) result.lines << in.LineInput();
  result.ok = true;
  return result;
}

QString WriteLines(const QString& path, const QStringList& lines) {
  // Not rt::TextOutput: its QSaveFile commits a file that the disk took only in part (a full
  // disk, a size limit), which would leave a cut-off high-score file behind. Here every byte
  // must be written and flushed before the new file takes the old one's place.
  if (QFileInfo(path).isDir()) return "a folder stands in its place";
  QByteArray data;
  for (const QString& line : lines) data += line.toLatin1() + "\r\n";
  QSaveFile file(path);
  if (!file.open(QIODevice::WriteOnly)) return file.errorString();
  qint64 done = 0;
  while (done < data.size()) {
    // A short write is followed by another, which then reports why the disk stopped.
    const qint64 n = file.write(data.constData() + done, data.size() - done);
    if (n <= 0) break;
    done += n;
  }
  if (done < data.size() || !file.flush()) {
    const QString reason = file.errorString();
    file.cancelWriting();
    return reason;
  }
  if (!file.commit()) return file.errorString();
  return {};
}

}  // namespace highscores
