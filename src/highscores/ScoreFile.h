// "scores.dat" as the front screen uses it: read into the high-score table by the intro, and
// rewritten whole by SaveScores after a new high score.
#pragma once

class Levelform;

namespace highscores {

// Reads the file into the entries and the table, level by level. A missing file is created
// empty; one that cannot be read leaves entries and table as they were and tells the player.
void ReadScoreFile(Levelform& form);

}  // namespace highscores
