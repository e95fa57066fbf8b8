// Submitting the ticked level's high score to the scores web page.
#include <QRandomGenerator>
#include <QRegularExpression>

#include "externals/Externals.h"
#include "frontscreen/Levelform.h"
#include "highscores/ScoreLines.h"
#include "highscores/ScoreStore.h"
#include "platform/Services.h"

namespace {

// The player's identifier on the scores page: 32 random hex digits made at the first Submit and
// kept beside the high scores. It says nothing about the player or the machine, and a player
// who wants a fresh one deletes the file.
constexpr const char* kPlayerFile = "player.id";

QString PlayerId() {
  static const QRegularExpression kWellFormed("^[0-9a-f]{32}$");
  const highscores::ReadResult kept = highscores::ReadLines(kPlayerFile);
  if (kept.ok && !kept.lines.isEmpty() && kWellFormed.match(kept.lines.first()).hasMatch())
    return kept.lines.first();
  quint32 words[4];
  QRandomGenerator::system()->fillRange(words);
  QString id;
  for (const quint32 w : words) id += QString::number(w, 16).rightJustified(8, '0');
  // If it cannot be kept, this submission still goes out under it and the next one makes
  // another, so that the scores page cannot tell the two apart: the player should know why.
  const QString error = highscores::WriteLines(kPlayerFile, {id});
  if (!error.isEmpty())
    rt::Svc().dialogs.Warn(QString("Your player identifier could not be kept in \"%1\": %2. "
                                   "Each submission goes out under a new one.")
                               .arg(kPlayerFile, error));
  return id;
}

}  // namespace

void Levelform::Command1_Click() {
  const highscores::ReadResult file = highscores::ReadLines(highscores::kScoreFile);
  // A missing file holds no high score yet, like an empty one; a file that is there but cannot
  // be read would send a wrong picture of the player's scores, so nothing is sent then.
  if (!file.ok && !file.missing) {
    rt::Svc().dialogs.Warn(QString("Your high score could not be submitted: \"%1\" could not be "
                                   "read: %2.")
                               .arg(highscores::kScoreFile, file.error));
    return;
  }
  int ticked = 0;
  for (int i = 0; i < 6; ++i)
    if (Option1[i].Value()) ticked = i + 1;
  OpenScoresPage(highscores::ScoreQuery(file.lines, ticked, PlayerId()));
}
