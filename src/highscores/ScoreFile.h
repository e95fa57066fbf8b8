// "scores.dat" as the front screen uses it: read into the high-score table by the intro, and
// rewritten whole by SaveScores after a new high score.
#pragma once

#include <QString>

class Levelform;

namespace highscores {

// Reads the file into the entries and the table, level by level. A missing file is created
// empty; one that cannot be read leaves entries and table as they were and tells the player.
void ReadScoreFile(Levelform& form);

// Why a save must not touch the file, or empty when it may try: a file is there that the last
// intro could not read.
QString SaveRefusal(const Levelform& form);

}  // namespace highscores
