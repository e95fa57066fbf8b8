// The high-score table of the front screen: one row per level, its cells written from the
// level's entry. A cell is replaced in place, so every column keeps its six rows in level order.
#pragma once

#include <QString>
#include <cstdint>

#include "highscores/ScoreCode.h"

class Levelform;

namespace highscores {

// The time taken by a high-score game, as the table shows it: 1234 seconds left read "39:26".
QString TimeTakenText(std::int16_t secondsLeft);

// The entry of a level 1..6 as the front screen holds it, and storing one there.
Entry EntryOf(const Levelform& form, int level);
void StoreEntry(Levelform& form, int level, const Entry& entry);

void ShowName(Levelform& form, int level);
// The time-taken, safety and score cells.
void ShowNumbers(Levelform& form, int level);

}  // namespace highscores
