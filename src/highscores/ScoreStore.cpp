#include "highscores/ScoreStore.h"

#include "platform/TextFile.h"

namespace highscores {

ReadResult ReadLines(const QString& path) {
  ReadResult result;
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

QString WriteLines(const QString& path, const QStringList& lines, const QString& unseen) {
  rt::TextOutput out;
  if (!out.Open(path, unseen)) return out.Error();
  for (const QString& line : lines) out.PrintLine(line);
  return out.Close() ? QString() : out.Error();
}

}  // namespace highscores
