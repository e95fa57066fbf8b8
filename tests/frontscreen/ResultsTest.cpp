#include <gtest/gtest.h>

#include <QDir>

#include "highscores/FileBytes.h"
#include "support/TestWorld.h"

namespace {

const QString kWon = "Congratulations - You have succesfully landed all the airplanes safely";
const QString kPrompt =
    "Well Done - you have achieved the high score for this level.\r\n"
    "Please Enter your name. (Max 8 characters)\r\n"
    "Press cancel to leave high scores the same.";

// The statistics block as the report lays it out, from the empty line on.
QString Statistics(const QString& landed, const QString& time, const QString& safety, int score) {
  return "\r\n\r\nTotal planes landed = " + landed + "\r\nTime remaining      = " + time +
         " secs\r\nSafety Level              = " + safety + "%\r\n" + QString(34, '-') +
         "\r\nFinal Score               = " + QString::number(score);
}

// The game's hand-over at its end: the result in the hidden boxes, then the front screen shown.
void EndGame(Levelform& front, const QString& word, const QString& secondsLeft,
             const QString& safety, const QString& landingsAndLevel) {
  front.Hide();
  front.Text4.SetText(secondsLeft);
  front.Text5.SetText(safety);
  front.Text6.SetText(landingsAndLevel);
  front.Text3.SetText(word);
  front.Show();
}

void TutorialTrip(TestWorld& world) {
  world.front().Command4.PlayerClick();
  ASSERT_NE(world.windows->tutorial(), nullptr);
  world.windows->tutorial()->Command1.PlayerClick();
}

const QByteArray kZero[7] = {
    "", "TWFMKJAXDYC", "LAZQFXZFFLY", "XTLTLEFIOOK", "WALRUJDDKMP", "JZTZIYELZEP", "IFEGYPKPRJD"};

}  // namespace

/** The report of a won Trainee game with 15 landings, 1234 s left and 87 % safety: 1073 points
 *  from time and safety, three quarters of them 804. */
TEST(Results, TheWorkedExampleReportsAFinalScoreOf804) {
  TestWorld world;
  Levelform& front = world.front();
  front.Show();
  EndGame(front, "won", "1234", "87", "215");
  EXPECT_EQ(front.Label6.Caption(), kWon + Statistics("15 of 15", "20:34", "87", 804));
}

/** Every outcome gets its message, the statistics and a final score of whole(whole(whole(T x S
 *  / 100) x landed / required) x factor); a time-out's -1 s counts as 0. */
TEST(Results, EachOutcomeGetsItsMessageStatisticsAndFinalScore) {
  struct Case {
    const char* word;
    const char* secondsLeft;
    const char* safety;
    const char* text6;
    QString message, landed, time;
    int score;
  };
  const QString unsafe = "You are not safe enough to be an air traffic controller.";
  // Fractions that rounding would keep: 1182 s at 91 % make 1075.62 points, 1075 whole, of which
  // Beginner's half is 537.5, so 537 (538 rounded to even); 1073 points with 7 of 20 landed are
  // 375.55, so 375.
  const Case cases[] = {
      {"won", "1234", "87", "110", kWon, "10 of 10", "20:34", 536},
      {"won", "1234", "87", "320", kWon, "20 of 20", "20:34", 1073},
      {"crashed", "1234", "87", "310", "One of your planes has crashed. " + unsafe, "10 of 20",
       "20:34", 536},
      {"time", "-1", "100", "607", "You ran out of time. You will have to be quicker next time.",
       "7 of 20", "0:00", 0},
      {"exit", "754", "50", "412", "Goodbye until next time", "12 of 20", "12:34", 226},
      {"safety", "5", "100", "203", unsafe, "3 of 15", "0:05", 0},
      {"collision", "3600", "100", "519", "Two planes have collided. " + unsafe, "19 of 20",
       "60:00", 3420},
      {"won", "1182", "91", "110", kWon, "10 of 10", "19:42", 537},
      {"exit", "1234", "87", "307", "Goodbye until next time", "7 of 20", "20:34", 375},
  };
  for (const Case& c : cases) {
    TestWorld world;
    Levelform& front = world.front();
    front.Show();
    EndGame(front, c.word, c.secondsLeft, c.safety, c.text6);
    EXPECT_EQ(front.Label6.Caption(), c.message + Statistics(c.landed, c.time, c.safety, c.score))
        << c.word << " " << c.text6;
    // Only a won game asks for a name.
    EXPECT_EQ(world.dialogs.inputPrompts.size(), c.word == QString("won") ? 1 : 0) << c.word;
  }
}

/** A new high score asks for the name, keeps its first 8 characters with the numbers of the
 *  game, shows them in the level's row and rewrites the file: the other levels as they were,
 *  an entry the check zeroed now with zero numbers. The outcome box keeps the whole answer. */
TEST(Results, ANewHighScoreIsNamedShownAndSaved) {
  TestWorld world;
  const QByteArray cy = "NOMYLLAZOMH";  // level 3, score letter changed: fails the check
  WriteBytes("scores.dat", CrLfLines({"Ann", "IWFMKZUOTWX", "", kZero[2], "Cy", cy, "", kZero[4],
                                      "", kZero[5], "", kZero[6]}));
  Levelform& front = world.front();
  front.Show();
  world.dialogs.inputAnswers = {"Alexander the Great"};
  EndGame(front, "won", "1234", "87", "215");
  ASSERT_EQ(world.dialogs.inputPrompts, QStringList{kPrompt});
  EXPECT_EQ(front.Text3.Text(), "Alexander the Great");
  EXPECT_EQ(front.HighName[2], "Alexande");
  EXPECT_EQ(front.HighTime[2], 1234);
  EXPECT_EQ(front.HighSafety[2], 87);
  EXPECT_EQ(front.HighScore[2], 804);
  EXPECT_EQ(front.List1[0].List(1), "Alexande");
  EXPECT_EQ(front.List1[1].List(1), "39:26");
  EXPECT_EQ(front.List1[2].List(1), "87");
  EXPECT_EQ(front.List1[3].List(1), "804");
  EXPECT_EQ(front.List1[4].List(1), "Trainee");
  for (int column = 0; column < 5; ++column) EXPECT_EQ(front.List1[column].ListCount(), 6);
  EXPECT_EQ(ReadBytes("scores.dat"),
            CrLfLines({"Ann", "IWFMKZUOTWX", "Alexande", "IWSYFJVFGLQ", "Cy", kZero[3], "",
                       kZero[4], "", kZero[5], "", kZero[6]}));
  EXPECT_TRUE(world.dialogs.warnings.isEmpty());
}

/** An equal score is no new high score; Cancel (an empty answer) changes neither the entry,
 *  nor the table, nor the file, and leaves the outcome box empty. */
TEST(Results, AnEqualScoreAsksNothingAndCancelChangesNothing) {
  TestWorld world;
  const QByteArray file = CrLfLines({"", kZero[1], "Bo", "IWSYFJVFGLQ"});  // Trainee: 804
  WriteBytes("scores.dat", file);
  Levelform& front = world.front();
  front.Show();
  EndGame(front, "won", "1234", "87", "215");
  EXPECT_TRUE(world.dialogs.inputPrompts.isEmpty());
  EXPECT_EQ(front.Text3.Text(), "won");

  EndGame(front, "won", "1240", "87", "215");  // 1078 points, three quarters 808
  ASSERT_EQ(world.dialogs.inputPrompts.size(), 1);
  EXPECT_EQ(front.Text3.Text(), "");
  EXPECT_EQ(front.HighName[2], "Bo");
  EXPECT_EQ(front.HighScore[2], 804);
  EXPECT_EQ(front.List1[3].List(1), "804");
  EXPECT_EQ(ReadBytes("scores.dat"), file);
}

/** Back from the tutorial after a game the report runs again on the same result: with the
 *  outcome word still there it is built afresh and asks nothing; after a name was asked (or
 *  cancelled) a second statistics block is appended; a name typed as "start" brings the intro
 *  back, with the table read again from the file. */
TEST(Results, ComingBackFromTheTutorialRunsTheReportAgain) {
  {
    TestWorld world;
    Levelform& front = world.front();
    front.Show();
    EndGame(front, "crashed", "1234", "87", "310");
    const QString report = front.Label6.Caption();
    front.Option1[3].PlayerClick();
    TutorialTrip(world);
    EXPECT_EQ(front.Label6.Caption(), report);
    EXPECT_TRUE(front.Option1[3].Value());
  }
  for (const QString answer : {"Ann", ""}) {
    TestWorld world;
    Levelform& front = world.front();
    front.Show();
    world.dialogs.inputAnswers = {answer};
    EndGame(front, "won", "1234", "87", "215");
    const QString report = front.Label6.Caption();
    TutorialTrip(world);
    EXPECT_EQ(front.Label6.Caption(), report + Statistics("15 of 15", "20:34", "87", 804));
    EXPECT_EQ(world.dialogs.inputPrompts.size(), 1);
  }
  {
    TestWorld world;
    Levelform& front = world.front();
    front.Show();
    front.Option1[1].PlayerClick();
    world.dialogs.inputAnswers = {"start"};
    EndGame(front, "won", "1234", "87", "215");
    front.HighName[2] = "changed";
    TutorialTrip(world);
    EXPECT_TRUE(front.Label6.Caption().startsWith(" Have you got"));
    EXPECT_TRUE(front.Option1[0].Value());
    EXPECT_EQ(front.HighName[2], "start");
    EXPECT_EQ(front.List1[3].List(1), "804");
  }
}

/** A high score that cannot be saved stays in memory and in the table, and the player is told
 *  why; the front screen goes on as before. */
TEST(Results, AHighScoreThatCannotBeSavedStaysInTheTable) {
  TestWorld world;
  Levelform& front = world.front();
  front.Show();
  ASSERT_TRUE(QFile::remove("scores.dat"));
  ASSERT_TRUE(QDir(".").mkdir("scores.dat"));
  world.dialogs.inputAnswers = {"Ann"};
  EndGame(front, "won", "1234", "87", "215");
  EXPECT_EQ(front.HighName[2], "Ann");
  EXPECT_EQ(front.HighScore[2], 804);
  EXPECT_EQ(front.List1[0].List(1), "Ann");
  EXPECT_EQ(front.List1[3].List(1), "804");
  ASSERT_EQ(world.dialogs.warnings.size(), 1);
  EXPECT_TRUE(
      world.dialogs.warnings[0].startsWith("Your high score could not be saved in "
                                           "\"scores.dat\": "));
  EXPECT_TRUE(world.dialogs.warnings[0].contains("folder"))
      << world.dialogs.warnings[0].toStdString();
  TutorialTrip(world);
  EXPECT_TRUE(front.Visible());
  EXPECT_EQ(front.List1[0].List(1), "Ann");
}

/** A typed name cannot break the file's lines: a line break becomes a blank, and a character
 *  the file has no byte for becomes "?" in the table as in the file. */
TEST(Results, ATypedNameIsKeptToWhatTheFileCanHold) {
  struct Case {
    QString typed, stored;
  };
  const Case cases[] = {{"Jo\r\nZ", "Jo  Z"},
                        {QString::fromUtf8("\xc5\x81ukasz"), "?ukasz"},
                        {QString::fromUtf8("Zo\xc3\xab"), QString::fromUtf8("Zo\xc3\xab")},
                        {QString::fromUtf8("\xf0\x9f\x9b\xab Ace pilot"), "? Ace pi"}};
  for (const Case& c : cases) {
    TestWorld world;
    Levelform& front = world.front();
    front.Show();
    world.dialogs.inputAnswers = {c.typed};
    EndGame(front, "won", "1234", "87", "215");
    EXPECT_EQ(front.HighName[2], c.stored);
    EXPECT_EQ(front.List1[0].List(1), c.stored);
    const QByteArray file = ReadBytes("scores.dat");
    EXPECT_EQ(file.count("\r\n"), 12);
    EXPECT_TRUE(file.contains("\r\n" + c.stored.toLatin1() + "\r\nIWSYFJVFGLQ\r\n"));
  }
}
