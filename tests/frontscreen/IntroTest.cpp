#include <gtest/gtest.h>

#include <QFileInfo>

#include "highscores/FileBytes.h"
#include "highscores/ScoreTable.h"
#include "support/TestWorld.h"

namespace {
const QString kIntro =
    " Have you got what it takes to safely land 20 aircraft in 1 hour? \r\n"
    "It is up to you to guide a range of aircraft types onto the guide slope and down to a safe "
    "landing, you'll need to think ahead and control several planes at once to be the best Air "
    "Traffic Controller.\r\n"
    "Played in real time the simulation tests your ability to cope with many decisions at once, "
    "how will you cope in an emergency situation?";
const QString kBeginner =
    "Beginner:\r\n\r\nAll aircraft are Cessna's (slow).\r\n10 landings required for success.";

QStringList Column(Levelform& front, int column) {
  QStringList rows;
  for (int r = 0; r < front.List1[column].ListCount(); ++r) rows << front.List1[column].List(r);
  return rows;
}
}  // namespace

/** The first activation without "scores.dat" ticks and describes Beginner, shows the intro,
 *  keeps the table's design rows and leaves an empty file behind. */
TEST(Intro, TheFirstActivationShowsTheIntroAndCreatesAnEmptyScoreFile) {
  TestWorld world;
  Levelform& front = world.front();
  front.Show();
  EXPECT_EQ(front.Label6.Caption(), kIntro);
  EXPECT_EQ(front.Label10.Caption(), kBeginner);
  for (int i = 0; i < 6; ++i) EXPECT_EQ(front.Option1[i].Value(), i == 0) << i;
  EXPECT_EQ(Column(front, 0), QStringList(6, "?"));
  for (int column = 1; column <= 3; ++column) EXPECT_EQ(Column(front, column), QStringList(6, "0"));
  EXPECT_EQ(Column(front, 4), (QStringList{"Beginner", "Trainee", "Intermediate", "Advanced",
                                           "Expert", "Professional"}));
  EXPECT_TRUE(QFileInfo("scores.dat").isFile());
  EXPECT_EQ(QFileInfo("scores.dat").size(), 0);
  EXPECT_TRUE(world.dialogs.warnings.isEmpty());
}

/** Ticking a level shows its description and changes nothing else. */
TEST(Intro, TickingALevelShowsItsDescription) {
  const QString shared =
      "Full range of traffic.\r\n20 landings required for success.\r\n"
      "Outbound traffic.";
  const QString expected[6] = {
      kBeginner,
      "Trainee:\r\n\r\nMixed slow traffic.\r\n15 landings required for success.",
      "Intermediate:\r\n\r\n" + shared,
      "Advanced:\r\n\r\n" + shared + "\r\nEmergency situations.",
      "Expert:\r\n\r\n" + shared + "\r\nEmergency situations.\r\nLost radio contact.",
      "Professional:\r\n\r\n" + shared +
          "\r\nEmergency situations.\r\nLost radio contact.\r\nCRT malfunction.",
  };
  TestWorld world;
  Levelform& front = world.front();
  front.Show();
  for (int i : {1, 0, 2, 3, 4, 5}) {
    front.Option1[i].PlayerClick();
    EXPECT_EQ(front.Label10.Caption(), expected[i]) << i;
    EXPECT_EQ(front.Label6.Caption(), kIntro);
  }
  front.Option1_Click(6);
  front.Option1_Click(-1);
  EXPECT_EQ(front.Label10.Caption(), expected[5]);
}

/** Coming back from the tutorial before any game runs the intro again: Beginner is ticked again
 *  and the file is read again. */
TEST(Intro, ComingBackFromTheTutorialBeforeAnyGameRunsTheIntroAgain) {
  TestWorld world;
  Levelform& front = world.front();
  front.Show();
  front.Option1[4].PlayerClick();
  front.Label6.SetCaption("something else");
  WriteBytes("scores.dat", CrLfLines({"Ann", "IWFMKZUOTWX"}));
  front.Command4.PlayerClick();
  ASSERT_NE(world.windows->tutorial(), nullptr);
  world.windows->tutorial()->Command1.PlayerClick();
  EXPECT_TRUE(front.Visible());
  EXPECT_TRUE(front.Option1[0].Value());
  EXPECT_FALSE(front.Option1[4].Value());
  EXPECT_EQ(front.Label10.Caption(), kBeginner);
  EXPECT_EQ(front.Label6.Caption(), kIntro);
  EXPECT_EQ(front.List1[0].List(0), "Ann");
  EXPECT_EQ(front.List1[3].List(0), "1365");
}

/** The time taken is the hour less the seconds left, as minutes and two-digit seconds; an entry
 *  holding more than the hour (only a changed file passes such a one) counts below zero. */
TEST(Intro, TheTimeTakenShowsMinutesAndTwoDigitSeconds) {
  // 2950 s left are 650 s taken, 10.83 minutes: 10 whole ones and 50 s, not 11.
  const std::pair<std::int16_t, const char*> cases[] = {
      {0, "60:00"},    {1234, "39:26"},  {3599, "0:01"},     {3600, "0:00"},
      {3000, "10:00"}, {3605, "-1:-05"}, {9999, "-107:-39"}, {2950, "10:50"}};
  for (const auto& [secondsLeft, shown] : cases)
    EXPECT_EQ(highscores::TimeTakenText(secondsLeft), shown) << secondsLeft;
}
