// Whole games played through the panel only: rows, commands, dial and scale clicks and SEND,
// given in the wait between ticks.
#include <gtest/gtest.h>

#include "PanelFixture.h"
#include "support/Player.h"

namespace {

// The player's order to an arrival: its row, the command, a click on the dial or the scales
// where the command takes a value, Establish, SEND.
struct Order {
  int slot;
  int command;
  float x = 0, y = 0;  // twips on the picture the command shows
  bool establish = false;
};

void Give(Vantix& g, const Order& o) {
  g.List1[0].PlayerSelect(o.slot - 1);
  g.List2.PlayerSelect(o.command);
  if (o.command == kLeft || o.command == kRight) g.Image1.PlayerMouseDown(o.x, o.y);
  if (o.command == kAltitude || o.command == kSpeed) g.Image2.PlayerMouseDown(o.x, o.y);
  if (o.establish) g.Check1.PlayerClick();
  g.Command2.PlayerClick();
}

}  // namespace

/** D is flown from its stack to a landing with the panel alone; once it has cleared the runway
 *  a turn sent to it is ignored: it stays cleared, off the radar, and its landing counts once. */
TEST(PlayedGame, AnArrivalLandedWithThePanelTakesNoMoreOrdersOnceCleared) {
  TestWorld world;
  world.dialogs.msgBoxAnswers = {true};  // OK to End Game
  Player player(world);
  player.atSetUp = [](Vantix& g) {
    g.RunwayOffset = 20;  // landing westwards, in a light wind
    g.WindX = -0.04f;
    g.WindY = 0.03f;
  };
  int step = 0, clearedIn = 0;
  QString radioAtClearing;
  player.afterTick = [&](Vantix& g, int tick) {
    switch (step) {
      case 0:  // once circling in stack 4: LEFT 0
        if (tick >= 120 && g.TargetHeading[4] == -2)
          Give(g, {4, kLeft, DialTwips(0), DialTwips(-47)}), ++step;
        break;
      case 1:  // heading north: ALTITUDE 3000
        if (g.AcHeading[4] == 0 && g.PosY[4][0] < 340) Give(g, {4, kAltitude, 300, 950}), ++step;
        break;
      case 2:  // LEFT 290 with Establish: onto the centre line
        if (g.PosY[4][0] < 292) Give(g, {4, kLeft, DialTwips(-40), DialTwips(-19), true}), ++step;
        break;
      case 3:  // cleared: RIGHT 90 with Establish
        if (g.AcState[4] != -1) break;
        clearedIn = tick;
        radioAtClearing = g.Text1.Text();
        Give(g, {4, kRight, DialTwips(40), DialTwips(0), true});
        ++step;
        break;
      default:
        if (tick == clearedIn + 200) g.Command1.PlayerClick();  // End Game, OK
        if (tick > clearedIn + 200) ADD_FAILURE() << "the game went on after End Game";
    }
  };
  world.front().Command3.PlayerClick();  // Start

  Vantix& g = world.game();
  ASSERT_GT(clearedIn, 0) << "D never landed";
  EXPECT_EQ(radioAtClearing, "D LEFT 290 ...Copy");
  EXPECT_EQ(g.AcState[4], -1);
  EXPECT_EQ(g.List1[4].List(3), "Clear");
  EXPECT_EQ(g.Text1.Text(), radioAtClearing);
  EXPECT_EQ(g.Landings, 1);
  EXPECT_EQ(world.front().Text3.Text(), "exit");
}

/** CIRCLE R takes its first 5-degree step at SEND and targets the old heading: the game loop
 *  turns the aircraft right through the remaining 355 degrees and it comes out on its old
 *  heading 71 ticks later, then flies straight on. */
TEST(PlayedGame, CircleRightBringsTheAircraftBackToItsHeadingAfterAFullCircle) {
  TestWorld world;
  world.dialogs.msgBoxAnswers = {true};
  Player player(world);
  int circledIn = 0, backIn = 0;
  player.afterTick = [&](Vantix& g, int tick) {
    if (tick == 1) Give(g, {1, kRight, DialTwips(40), DialTwips(0)});  // A from 80 to 90
    if (circledIn == 0 && g.AcHeading[1] == 90) {
      Give(g, {1, kCircleR});
      EXPECT_EQ(g.AcHeading[1], 95);
      EXPECT_EQ(g.TargetHeading[1], 91);
      EXPECT_EQ(g.Text1.Text(), "A CIRCLE R 90 ...Copy");
      circledIn = tick;
    } else if (circledIn && backIn == 0 && g.AcHeading[1] == 90) {
      backIn = tick;
    } else if (backIn && tick == backIn + 1) {
      EXPECT_EQ(g.AcHeading[1], 90) << "it flies straight on";
      g.Command1.PlayerClick();
    }
  };
  world.front().Command3.PlayerClick();
  EXPECT_GT(circledIn, 0);
  EXPECT_EQ(backIn - circledIn, 71);
  EXPECT_EQ(world.front().Text3.Text(), "exit");
}
