// The small files of the working folder that hold the high scores and the player: read whole as
// lines, rewritten whole with a temporary file beside them that replaces the old one at once
// (written in place where the folder refuses that). Only plain files are read or written.
#pragma once

#include <QString>
#include <QStringList>

namespace highscores {

inline constexpr const char* kScoreFile = "scores.dat";

struct ReadResult {
  bool ok = false;       // the file was read; lines holds its lines
  bool missing = false;  // there was no file at all
  QStringList lines;
  QString error;  // why it could not be read
};

// Reads a file's lines (CR LF ends them; in a file without any CR LF, LF or CR does). Only a
// plain file is read: a pipe or a device standing in its place could keep the front screen
// waiting for ever.
ReadResult ReadLines(const QString& path);

// Writes the lines, each ending in CR LF, and only then replaces the old file: a failure
// part-way leaves the old file as it was. A link is followed to the file it names. `unseen`, when
// given, is why the caller could not read the file earlier: a file that is there is then left
// alone. Empty when done, else why it failed, in the words the reading uses for the same kind
// of thing.
QString WriteLines(const QString& path, const QStringList& lines, const QString& unseen = {});

}  // namespace highscores
