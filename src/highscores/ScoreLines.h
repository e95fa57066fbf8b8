// The lines of "scores.dat": two per level, the name and then the 11 code letters, in blocks of
// twelve for levels 1..6. Reading them into entries, writing entries back as lines, and picking
// out one level's lines for the scores web page. No files and no windows here.
#pragma once

#include <QString>
#include <QStringList>
#include <vector>

#include "highscores/ScoreCode.h"

namespace highscores {

struct LevelEntry {
  int level;  // 1..6
  Entry entry;
};

// The entries the lines hold, in file order, each already checked: an entry whose numbers
// disagree with the score formula keeps its name and has its numbers set to 0. A later block
// replaces what an earlier one gave. A file that ends inside a block gives the levels whose two
// lines are both there; a name line without its code line is dropped.
std::vector<LevelEntry> ReadScoreLines(const QStringList& lines, const CodeTable& table);

// The twelve lines that hold the entries of levels 1..6 (entries[1..6]; entries[0] unused).
QStringList ScoreFileLines(const CodeTable& table, const Entry (&entries)[7]);

// The query for the scores page: "?id=" and the player, then for each block of the file the
// ticked level's name ("&na" digit "=") and code line ("&sc" digit "="). tickedLevel 0 adds no
// level. Name and code are sent as the file holds them, percent-encoded so that no name can add
// fields of its own to the query.
QString ScoreQuery(const QStringList& lines, int tickedLevel, const QString& playerId);

// Every byte but the letters, digits and "-._~" as %XX (the text's characters are the file's
// bytes, 0..255); a character above 255 is sent as its UTF-8 bytes.
QString PercentEncode(const QString& text);

}  // namespace highscores
