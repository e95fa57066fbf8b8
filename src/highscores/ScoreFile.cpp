// The high-score file and its score-code table.
#include "highscores/ScoreFile.h"

#include "frontscreen/Levelform.h"
#include "highscores/ScoreLines.h"
#include "highscores/ScoreStore.h"
#include "highscores/ScoreTable.h"
#include "platform/Services.h"

void Levelform::Form_Initialize() {
  highscores::FillCodeTable(ScoreCode);
}

void Levelform::SaveScores() {
  highscores::Entry entries[7];
  for (int level = 1; level <= 6; ++level) entries[level] = highscores::EntryOf(*this, level);
  // A file that the intro could not read holds entries that the table never had: rewriting it
  // from the table would lose them, even where it could be read by now.
  const QString error = highscores::WriteLines(
      highscores::kScoreFile, highscores::ScoreFileLines(ScoreCode, entries), ScoresUnread);
  // The new entry stays in the table for this session either way; the player should know that
  // it will be gone next time.
  if (!error.isEmpty())
    rt::Svc().dialogs.Warn(QString("Your high score could not be saved in \"%1\": %2. It stays in "
                                   "the table until you leave Vantix.")
                               .arg(highscores::kScoreFile, error));
}

void Levelform::DecodeDigit(std::int16_t& Field, std::int32_t& LevelNo, std::int16_t& FirstPos,
                            std::int16_t& LastPos, QString& Letter, std::int16_t& Digit) {
  Digit = 0;
  if (Field < 1 || Field > 3 || LevelNo < 1 || LevelNo > 6) return;
  Digit = highscores::DecodeDigit(ScoreCode[Field][LevelNo], FirstPos, LastPos, Letter);
}

namespace highscores {

void ReadScoreFile(Levelform& form) {
  ReadResult file = ReadLines(kScoreFile);
  if (file.missing) {
    // The first run: the file starts out empty and holds no entries until the first high
    // score. If it cannot even be created, there is nothing to read either.
    WriteLines(kScoreFile, {});
    file = ReadLines(kScoreFile);
  }
  form.ScoresUnread = file.ok || file.missing ? QString() : file.error;
  if (!file.ok) {
    if (!file.missing)
      rt::Svc().dialogs.Warn(QString("The high scores could not be read from \"%1\": %2.")
                                 .arg(kScoreFile, file.error));
    return;
  }
  // Nothing is painted before the reading ends, so each level's row is written once, with the
  // entry it was last given: a file of many blocks costs no more in the table than one block.
  bool read[7] = {};
  for (const LevelEntry& entry : ReadScoreLines(file.lines, form.ScoreCode)) {
    StoreEntry(form, entry.level, entry.entry);
    read[entry.level] = true;
  }
  for (int level = 1; level <= 6; ++level) {
    if (!read[level]) continue;
    ShowName(form, level);
    ShowNumbers(form, level);
  }
}

}  // namespace highscores
