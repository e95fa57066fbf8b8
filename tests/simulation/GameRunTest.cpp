#include <gtest/gtest.h>

#include "support/TestWorld.h"

/** A level-1 game left alone runs its 3601 ticks and ends on time: the clock shows -1:59 and the
 *  front screen is handed "time", -1 seconds, full safety and no landing at level 1. */
TEST(GameRun, AGameLeftAloneRunsOutOfTimeAndHandsOverItsResult) {
  TestWorld world;
  world.front().Command3.PlayerClick();  // Start
  EXPECT_EQ(world.front().Text3.Text(), "time");
  EXPECT_EQ(world.front().Text4.Text(), "-1");
  EXPECT_EQ(world.front().Text5.Text(), "100");
  EXPECT_EQ(world.front().Text6.Text(), "100");
  EXPECT_EQ(world.game().Label27.Caption(), "-1:59");
  ASSERT_EQ(world.dialogs.msgBoxPrompts.size(), 1);
  EXPECT_EQ(world.dialogs.msgBoxPrompts[0], " Game over - Click OK to continue ");
  EXPECT_FALSE(world.game().Visible());
  EXPECT_TRUE(world.front().Visible());
}

/** The level is 1 + the index of the ticked level option, read when the game starts. */
TEST(GameRun, TheGameReadsItsLevelFromTheTickedOption) {
  TestWorld world;
  world.front().Option1[3].SetValue(true);
  // The front screen's intro ticks Beginner at program start; the player's choice comes after.
  world.front().Command3.PlayerClick();
  EXPECT_EQ(world.game().Level, 4);
  EXPECT_EQ(world.front().Text6.Text(), "400");
}

/** The first tick shows 59:59; the clock runs down one second a tick. */
TEST(GameRun, TheClockShowsFiftyNineFiftyNineAfterTheFirstTick) {
  TestWorld world;
  QStringList shown;
  world.events.onYield = [&] {
    if (world.game().GameRunning() && shown.size() < 62 &&
        (shown.isEmpty() || shown.back() != world.game().Label27.Caption()))
      shown << world.game().Label27.Caption();
  };
  world.front().Command3.PlayerClick();
  ASSERT_GE(shown.size(), 62);
  // The set-up's yields see the clock of the last game (none yet); the ticks then count down.
  const int first = shown.indexOf("59:59");
  ASSERT_GE(first, 0);
  EXPECT_EQ(shown[first + 1], "59:58");
  EXPECT_EQ(shown[first + 59], "59:00");
  EXPECT_EQ(shown[first + 60], "58:59");
}

/** The next arrival comes 30 + ((minutes begun) / (landings + 0.6) - r) x 40 ticks later,
 *  rounded halves to even and held within 30..160. */
TEST(GameRun, TheNextArrivalDependsOnTheLandingsPerMinute) {
  const struct {
    int clockMin, landings;
    float r;
    int next;
  } cases[] = {
      {59, 0, 0.5f, 77},    // 30 + (1 / 0.6 - 0.5) x 40 = 76.67
      {59, 5, 0.99f, 30},   // below 30 is held at 30
      {10, 0, 0.0f, 160},   // above 160 is held at 160
      {57, 2, 0.25f, 66},   // 30 + (3 / 2.6 - 0.25) x 40 = 66.15
  };
  for (const auto& c : cases) {
    TestWorld world;
    Vantix& g = world.game();
    g.Level = 1;
    for (int slot = 1; slot <= 20; ++slot) g.AcState[slot] = -1;  // no arrival slot free
    g.ClockMin = static_cast<std::int16_t>(c.clockMin);
    g.ClockSec = 30;
    g.NextArrival = 1;
    g.Landings = static_cast<std::int16_t>(c.landings);
    world.random.script = {c.r};
    g.ClockStep();
    EXPECT_EQ(g.NextArrival, c.next) << c.clockMin << " " << c.landings << " " << c.r;
    EXPECT_EQ(g.Label27.Caption(), QString::number(c.clockMin) + ":29");
  }
}

/** At the end of a game minute the clock steps to 59 seconds of the next; in the tick after
 *  0:00 it shows -1:59 and time is up. */
TEST(GameRun, TheMinuteStepAndTheTimeOut) {
  TestWorld world;
  Vantix& g = world.game();
  g.Level = 1;
  g.NextArrival = 50;
  g.Safety = 97;
  g.ClockMin = 10;
  g.ClockSec = 0;
  g.ClockStep();
  EXPECT_EQ(g.Label27.Caption(), "9:59");
  EXPECT_EQ(g.GameOver, 0);
  EXPECT_EQ(g.Safety, 98);  // a safety point back every game minute
  g.ClockMin = 0;
  g.ClockSec = 1;
  g.ClockStep();
  EXPECT_EQ(g.Label27.Caption(), "0:00");
  g.ClockStep();
  EXPECT_EQ(g.Label27.Caption(), "-1:59");
  EXPECT_EQ(g.GameOver, 5);
}
