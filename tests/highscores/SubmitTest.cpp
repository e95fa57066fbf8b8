#include <gtest/gtest.h>
#include <sys/stat.h>
#include <unistd.h>

#include <QDir>
#include <QFileInfo>
#include <QRegularExpression>

#include "externals/Externals.h"
#include "highscores/FileBytes.h"
#include "support/TestWorld.h"

namespace {

// What Submit handed to the browser, without the scores page's address.
QString SentQuery(TestWorld& world) {
  if (world.browser.opened.size() != 1)
    return "<opened " + QString::number(world.browser.opened.size()) + " times>";
  QString address = world.browser.opened[0];
  world.browser.opened.clear();
  return address.startsWith(kScoresPage) ? address.mid(QString(kScoresPage).size()) : address;
}

QString Id(TestWorld& world) {
  return ReadBytes(world.Folder() + "/player.id").trimmed();
}

const QByteArray kZero2 = "LAZQFXZFFLY";
const QByteArray kZero3 = "XTLTLEFIOOK";

}  // namespace

/** With no level ticked the query is the player's identifier alone: 32 random hex digits,
 *  made once and kept beside the scores, the same at every Submit. */
TEST(Submit, NoLevelTickedSendsThePlayersIdentifierAlone) {
  TestWorld world;
  WriteBytes("scores.dat", CrLfLines({"Ann", "IWFMKZUOTWX"}));
  world.front().Command1.PlayerClick();
  const QString id = Id(world);
  EXPECT_TRUE(QRegularExpression("^[0-9a-f]{32}$").match(id).hasMatch()) << id.toStdString();
  EXPECT_EQ(SentQuery(world), "?id=" + id);
  world.front().Command1.PlayerClick();
  EXPECT_EQ(SentQuery(world), "?id=" + id);
  EXPECT_EQ(Id(world), id);
}

/** Only the ticked level's name and code line are sent, once per block of the file, exactly as
 *  the file holds them; blanks, "&" and "=" in a name are percent-encoded so that a name can
 *  never add fields to the query. A level without an entry sends an empty name and the code of
 *  zero. */
TEST(Submit, TheTickedLevelsLinesAreSentOncePerBlockWithTheNameEncoded) {
  TestWorld world;
  QByteArray block;
  for (const char* name : {"Ann", "A & B=C", "", "Dee", "Eve", "Fay"})
    block += QByteArray(name) + "\r\nCODELINE" + name[0] + "\r\n";
  WriteBytes("scores.dat", block + CrLfLines({"x", "y", "Bo Li", "MLZQFZVYQBW"}));
  Levelform& front = world.front();
  front.Option1[1].PlayerClick();
  front.Command1.PlayerClick();
  const QString id = Id(world);
  EXPECT_EQ(SentQuery(world),
            "?id=" + id + "&na2=A%20%26%20B%3DC&sc2=CODELINEA" + "&na2=Bo%20Li&sc2=MLZQFZVYQBW");

  WriteBytes("scores.dat", CrLfLines({"", "TWFMKJAXDYC", "", kZero2, "", kZero3}));
  front.Option1[2].PlayerClick();
  front.Command1.PlayerClick();
  EXPECT_EQ(SentQuery(world), "?id=" + id + "&na3=&sc3=" + kZero3);
  EXPECT_TRUE(world.dialogs.warnings.isEmpty());
}

/** A missing or empty file sends the identifier alone; a ticked level whose code line is cut
 *  off sends nothing for that level; a file that is there but cannot be read sends nothing and
 *  tells the player why. */
TEST(Submit, AMissingCutOrUnreadableFileNeverSendsAWrongScore) {
  TestWorld world;
  Levelform& front = world.front();
  front.Option1[1].PlayerClick();
  front.Command1.PlayerClick();
  const QString id = Id(world);
  EXPECT_EQ(SentQuery(world), "?id=" + id);

  WriteBytes("scores.dat", CrLfLines({"Ann", "IWFMKZUOTWX", "Bo"}));
  front.Command1.PlayerClick();
  EXPECT_EQ(SentQuery(world), "?id=" + id);

  QFile::remove("scores.dat");
  ASSERT_TRUE(QDir(".").mkdir("scores.dat"));
  front.Command1.PlayerClick();
  EXPECT_TRUE(world.browser.opened.isEmpty());
  ASSERT_EQ(world.dialogs.warnings.size(), 1);
  EXPECT_TRUE(world.dialogs.warnings[0].startsWith("Your high score could not be submitted"));
}

/** A damaged identifier file is replaced by a fresh identifier. */
TEST(Submit, ADamagedIdentifierFileGetsAFreshIdentifier) {
  TestWorld world;
  WriteBytes("player.id", "alice@host\r\n");
  world.front().Command1.PlayerClick();
  const QString id = Id(world);
  EXPECT_TRUE(QRegularExpression("^[0-9a-f]{32}$").match(id).hasMatch()) << id.toStdString();
  EXPECT_EQ(SentQuery(world), "?id=" + id);
}

/** An identifier file that is a pipe (or anything but a plain file) is neither read nor written
 *  and never keeps Submit waiting: the score goes out under a fresh identifier, and the player
 *  is told why it could not be kept, in the words the reading of the scores uses. */
TEST(Submit, AnIdentifierThatCannotBeKeptIsSaidAndTheScoreGoesOutAllTheSame) {
  TestWorld world;
  ASSERT_EQ(::mkfifo("player.id", 0600), 0);
  ::alarm(20);
  world.front().Command1.PlayerClick();
  ::alarm(0);
  EXPECT_TRUE(QRegularExpression("^\\?id=[0-9a-f]{32}$").match(SentQuery(world)).hasMatch());
  ASSERT_EQ(world.dialogs.warnings.size(), 1);
  EXPECT_EQ(world.dialogs.warnings[0],
            "Your player identifier could not be kept in \"player.id\": it is not a plain file. "
            "Each submission goes out under a new one.");
  EXPECT_TRUE(QFileInfo("player.id").exists() && !QFileInfo("player.id").isFile());
}
