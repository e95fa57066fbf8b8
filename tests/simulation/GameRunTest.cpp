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
