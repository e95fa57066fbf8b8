#include "highscores/ScoreTable.h"

#include <cmath>

#include "frontscreen/Levelform.h"

namespace highscores {

namespace {
void WriteCell(Levelform& form, int column, int level, const QString& text) {
  rt::ListBox& list = form.List1[column];
  list.RemoveItem(level - 1);
  list.AddItem(text, level - 1);
}
}  // namespace

QString TimeTakenText(std::int16_t secondsLeft) {
  // Only an entry from a changed file can hold more than the hour; the minutes then go below
  // zero (whole part downwards) and the seconds keep the sign of the time.
  const std::int32_t t = 3600 - std::int32_t{secondsLeft};
  const auto minutes = static_cast<long long>(std::floor(static_cast<float>(t) / 60.0f));
  return rt::Dec(minutes) + ":" + rt::Format00(t % 60);
}

Entry EntryOf(const Levelform& form, int level) {
  return {form.HighName[level], form.HighTime[level], form.HighSafety[level],
          form.HighScore[level]};
}

void StoreEntry(Levelform& form, int level, const Entry& entry) {
  form.HighName[level] = entry.name;
  form.HighTime[level] = entry.time;
  form.HighSafety[level] = entry.safety;
  form.HighScore[level] = entry.score;
}

void ShowName(Levelform& form, int level) {
  WriteCell(form, 0, level, form.HighName[level]);
}

void ShowNumbers(Levelform& form, int level) {
  WriteCell(form, 1, level, TimeTakenText(form.HighTime[level]));
  WriteCell(form, 2, level, rt::Dec(form.HighSafety[level]));
  WriteCell(form, 3, level, rt::Dec(form.HighScore[level]));
}

}  // namespace highscores
