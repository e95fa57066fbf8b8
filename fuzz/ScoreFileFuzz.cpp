// Feeds any bytes to the reading of "scores.dat" as the intro and Submit read it, and checks
// what must hold whatever the file: every entry read passes the score check (or was zeroed),
// its numbers fit their letters, writing the entries back and reading them again gives the same
// entries, and the scores page's query carries no character that could change its fields.
//
// The bytes become lines by the file's rule (CR LF ends a line, and in a file without any CR LF
// so do LF and CR; each byte is one character). Reading a real file costs a megabyte's buffer
// under the address sanitizer, so one input in 64 (chosen by its bytes, so that a finding
// replays) also goes through the files on disk, and there the lines must agree with the rule.
#include <QByteArray>
#include <QDir>
#include <QFile>
#include <QHashFunctions>
#include <QTemporaryDir>
#include <cstdint>
#include <cstdio>
#include <cstdlib>

#include "highscores/ScoreCode.h"
#include "highscores/ScoreLines.h"
#include "highscores/ScoreStore.h"

namespace {

void Require(bool holds, const char* what) {
  if (holds) return;
  std::fprintf(stderr, "score file fuzz: %s\n", what);
  std::abort();
}

// In memory where the machine has it: the rewriting syncs its file to the disk.
QString FolderTemplate() {
  const QDir shm("/dev/shm");
  return (shm.exists() ? shm.path() : QDir::tempPath()) + "/vantix-fuzz-XXXXXX";
}

struct Shared {
  Shared() : dir(FolderTemplate()) {
    highscores::FillCodeTable(table);
    Require(dir.isValid(), "no temporary folder");
  }
  QTemporaryDir dir;
  highscores::CodeTable table;
};

Shared& World() {
  static Shared shared;
  return shared;
}

QStringList SplitLines(const QByteArray& bytes) {
  QStringList lines;
  const bool crLf = bytes.contains("\r\n");
  qsizetype start = 0;
  for (qsizetype i = 0; i < bytes.size(); ++i) {
    const bool pair = bytes[i] == '\r' && i + 1 < bytes.size() && bytes[i + 1] == '\n';
    if (crLf ? !pair : bytes[i] != '\r' && bytes[i] != '\n') continue;
    lines << QString::fromLatin1(bytes.constData() + start, i - start);
    if (pair) ++i;
    start = i + 1;
  }
  if (start < bytes.size())
    lines << QString::fromLatin1(bytes.constData() + start, bytes.size() - start);
  return lines;
}

QByteArray JoinLines(const QStringList& lines) {
  QByteArray bytes;
  for (const QString& line : lines) bytes += line.toLatin1() + "\r\n";
  return bytes;
}

QByteArray FileBytes(const QString& path) {
  QFile file(path);
  Require(file.open(QIODevice::ReadOnly), "cannot read back");
  return file.readAll();
}

// The entries the lines hold, checked; the last of each level wins, as on the front screen.
void ReadEntries(const QStringList& lines, highscores::Entry (&entries)[7]) {
  for (const highscores::LevelEntry& e : highscores::ReadScoreLines(lines, World().table)) {
    Require(e.level >= 1 && e.level <= 6, "level out of range");
    Require(highscores::PassesCheck(e.level, e.entry), "an entry that fails the check was kept");
    Require(e.entry.time >= 0 && e.entry.time <= 9999 && e.entry.safety >= 0 &&
                e.entry.safety <= 999 && e.entry.score >= 0 && e.entry.score <= 9999,
            "numbers beyond their letters");
    entries[e.level] = e.entry;
  }
}

void CheckQuery(const QStringList& lines, int level) {
  const QString query = highscores::ScoreQuery(lines, level, "0123456789abcdef0123456789abcdef");
  Require(query.startsWith("?id="), "the query lost its identifier");
  qsizetype separators = 0;
  for (qsizetype i = 1; i < query.size(); ++i) {
    const QChar c = query[i];
    Require(c.unicode() > 32 && c.unicode() < 127 && c != '?' && c != '#' && c != '+',
            "a character that changes the query's meaning");
    if (c == '&' || c == '=') ++separators;
  }
  // The ticked level's pairs start at line 2 x (level - 1) of each block of twelve.
  const qsizetype left = lines.size() - 2 * level;
  const qsizetype pairs = level >= 1 && level <= 6 && left >= 0 ? left / 12 + 1 : 0;
  Require(separators == 1 + 4 * pairs, "a name added fields to the query");
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  const QByteArray bytes(reinterpret_cast<const char*>(data), static_cast<qsizetype>(size));
  const QStringList lines = SplitLines(bytes);
  const highscores::CodeTable& table = World().table;

  highscores::Entry entries[7];
  ReadEntries(lines, entries);
  const QStringList written = highscores::ScoreFileLines(table, entries);
  Require(written.size() == 12, "not twelve lines written");
  highscores::Entry again[7];
  ReadEntries(SplitLines(JoinLines(written)), again);
  for (int level = 1; level <= 6; ++level)
    Require(again[level].name == entries[level].name && again[level].time == entries[level].time &&
                again[level].safety == entries[level].safety &&
                again[level].score == entries[level].score,
            "an entry changed on its way through the file");

  CheckQuery(lines, size > 0 ? data[0] % 8 : 0);

  // The digit search with any stretch of positions stays inside that stretch.
  if (size >= 3) {
    const QString& code = table[1 + data[0] % 3][1 + data[1] % 6];
    const int first = static_cast<std::int8_t>(data[1]);
    const int last = first + static_cast<std::int8_t>(data[2]);
    const std::int16_t digit = highscores::DecodeDigit(code, first, last, QString(QChar(data[2])));
    Require(digit >= 0 && (digit == 0 || digit <= last - first), "a digit out of its stretch");
  }

  if (qHashBits(data, size) % 64 == 0) {
    const QString path = World().dir.filePath("scores.dat");
    {
      QFile file(path);
      Require(file.open(QIODevice::WriteOnly | QIODevice::Truncate), "cannot write the input");
      file.write(bytes);
    }
    const highscores::ReadResult read = highscores::ReadLines(path);
    Require(read.ok, "a plain file was not read");
    Require(read.lines == lines, "the file's lines differ from the rule");
    Require(highscores::WriteLines(path, written).isEmpty(), "rewriting failed");
    Require(FileBytes(path) == JoinLines(written), "the rewritten bytes differ");
  }
  return 0;
}
