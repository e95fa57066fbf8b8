// The score codes: how a high score's three numbers are written as 11 letters in "scores.dat",
// and the check that a read entry agrees with the score a won game gives.
#pragma once

#include <QString>
#include <cstdint>

namespace highscores {

// The code strings by field (time, safety, score) and level 1..6. Each holds four groups of ten
// letters, one group per digit place, thousands first; the letter at place d of a group stands
// for the digit d. The scores web page decodes with this same table, so it never changes.
extern const char* const kScoreCodes[3][6];

// The table as the front screen holds it: (field 1..3, level 1..6); row 0 and column 0 unused.
using CodeTable = QString[4][7];

void FillCodeTable(CodeTable& table);

// The digit a letter stands for in positions firstPos..lastPos (counted from 1) of a code
// string: its place in that stretch, or 0 when it is not there (or the letter is empty).
std::int16_t DecodeDigit(const QString& code, int firstPos, int lastPos, const QString& letter);

struct Entry {
  QString name;
  std::int16_t time = 0;    // seconds left on the clock
  std::int16_t safety = 0;  // percent
  std::int16_t score = 0;
};

// The 11 letters of an entry's numbers for a level 1..6.
QString EncodeCodeLine(const CodeTable& table, int level, const Entry& entry);

// The numbers that a code line stands for; letters beyond its end count as digit 0.
Entry DecodeCodeLine(const CodeTable& table, int level, const QString& codeLine);

// True when the score is the one a won game with this time and safety gets on this level.
bool PassesCheck(int level, const Entry& entry);

}  // namespace highscores
