#include "highscores/ScoreLines.h"

namespace highscores {

namespace {
constexpr int kLevels = 6;
constexpr int kBlock = 2 * kLevels;
}  // namespace

std::vector<LevelEntry> ReadScoreLines(const QStringList& lines, const CodeTable& table) {
  std::vector<LevelEntry> read;
  for (qsizetype at = 0; at + 1 < lines.size(); at += 2) {
    const int level = static_cast<int>((at % kBlock) / 2) + 1;
    Entry entry = DecodeCodeLine(table, level, lines[at + 1]);
    entry.name = lines[at];
    if (!PassesCheck(level, entry)) entry.time = entry.safety = entry.score = 0;
    read.push_back({level, entry});
  }
  return read;
}

QStringList ScoreFileLines(const CodeTable& table, const Entry (&entries)[7]) {
  QStringList lines;
  for (int level = 1; level <= kLevels; ++level) {
    lines << entries[level].name;
    lines << EncodeCodeLine(table, level, entries[level]);
  }
  return lines;
}

QString ScoreQuery(const QStringList& lines, int tickedLevel, const QString& playerId) {
  QString query = "?id=" + PercentEncode(playerId);
  if (tickedLevel < 1 || tickedLevel > kLevels) return query;
  const QString digit = QString(QChar('0' + tickedLevel));
  for (qsizetype at = 2 * (tickedLevel - 1); at + 1 < lines.size(); at += kBlock)
    query += "&na" + digit + "=" + PercentEncode(lines[at]) + "&sc" + digit + "=" +
             PercentEncode(lines[at + 1]);
  return query;
}

QString PercentEncode(const QString& text) {
  static const char kHex[] = "0123456789ABCDEF";
  QString out;
  out.reserve(text.size());
  auto byte = [&](unsigned char b) {
    const bool plain = (b >= 'A' && b <= 'Z') || (b >= 'a' && b <= 'z') || (b >= '0' && b <= '9') ||
                       b == '-' || b == '.' || b == '_' || b == '~';
    if (plain) {
      out += QChar(b);
    } else {
      out += '%';
      out += QChar(kHex[b >> 4]);
      out += QChar(kHex[b & 15]);
    }
  };
  for (const QChar c : text) {
    if (c.unicode() <= 0xFF) {
      byte(static_cast<unsigned char>(c.unicode()));
    } else {
      // Never from the file (its characters are bytes); kept safe all the same.
      for (const char b : QString(c).toUtf8()) byte(static_cast<unsigned char>(b));
    }
  }
  return out;
}

}  // namespace highscores
