// Whole games: arrivals flown from their stacks to a cleared landing with the player's orders
// given between ticks, and a game won by its tenth landing.
#include <gtest/gtest.h>

#include <QImage>
#include <map>

#include "flight/FlightFixture.h"
#include "support/Player.h"
#include "support/TestWorld.h"

namespace {

// What SEND writes for LEFT (with Establish ticked or not) and ALTITUDE.
void SendLeft(Vantix& g, int slot, int heading, bool establish) {
  g.TargetHeading[slot] = static_cast<std::int16_t>(-(heading + 1));
  g.AcState[slot] = establish ? 6 : 5;
  g.List1[4].SetList(slot - 1, g.StateName[g.AcState[slot]]);
}
void SendAltitude(Vantix& g, int slot, int alt) {
  g.TargetAlt[slot] = static_cast<std::int16_t>(alt);
}

// The game's result as it is handed to the front screen, read when the game-over box shows
// (the front screen's report takes it over afterwards); and what the player sees when the report
// asks for a new high score's name.
struct Handover {
  explicit Handover(TestWorld& world) {
    world.dialogs.onMsgBox = [this, &world](const QString& prompt) {
      if (prompt != " Game over - Click OK to continue ") return;
      outcome = world.front().Text3.Text();
      secondsLeft = world.front().Text4.Text();
      score = world.front().Text6.Text();
    };
    world.dialogs.onInputBox = [this, &world](const QString&) {
      windowsAtNameBox = {world.game().Visible(), world.front().Visible()};
      chartAtNameBox = world.front().Picture1.Draw().Layer();
    };
  }
  QString outcome, secondsLeft, score;
  std::pair<bool, bool> windowsAtNameBox;  // the game window shown, the front screen shown
  QImage chartAtNameBox;
};

}  // namespace

/** D, holding in stack 4, is turned north, sent down to 3000 ft and, with Establish, onto an
 *  intercept of the centre line; it then captures the centre line, the glide path, touches
 *  down and clears, with its landing time the game time before the clearing tick. */
TEST(GameFlight, AnArrivalIsFlownFromItsStackToACleanLanding) {
  TestWorld world;
  Player player(world);
  Handover result(world);
  player.atSetUp = [](Vantix& g) {
    flight::SetScenario(g);  // the game's own set-up has filled the tables
    g.WindX = -0.04f;
    g.WindY = 0.03f;
  };
  QStringList statuses;
  int order = 0, clearedIn = 0;
  player.afterTick = [&](Vantix& g, int tick) {
    const QString status = g.List1[4].List(3);
    if (statuses.isEmpty() || statuses.last() != status) statuses << status;
    switch (order) {
      case 0:  // once circling: LEFT 0
        if (tick >= 120 && g.TargetHeading[4] == -2) SendLeft(g, 4, 0, false), ++order;
        break;
      case 1:  // on the way north: ALTITUDE 3000
        if (g.AcHeading[4] == 0 && g.PosY[4][0] < 340) SendAltitude(g, 4, 3000), ++order;
        break;
      case 2:  // LEFT 290 with Establish: an intercept 20 degrees onto the centre line
        if (g.PosY[4][0] < 292) SendLeft(g, 4, 290, true), ++order;
        break;
      default:
        if (g.AcState[4] == -1 && clearedIn == 0) {
          clearedIn = tick;
          g.GameOver = 1;  // the player ends the game
        }
        if (tick > 1500) g.GameOver = 1;
    }
  };
  world.front().Command3.PlayerClick();
  Vantix& g = world.game();
  EXPECT_EQ(statuses, QStringList({"Stk4", " ", "Seek", "Est", "Lock", "Down", "Clear"}));
  ASSERT_GT(clearedIn, 0);
  EXPECT_EQ(g.LandTime[4], clearedIn - 1);
  EXPECT_EQ(g.Landings, 1);
  EXPECT_EQ(result.outcome, "exit");
}

/** A level-1 game whose tenth arrival clears the runway is won in that tick: the front screen
 *  gets "won", the clock after that tick and 110, and every arrival keeps its landing time. The
 *  report asks for the new high score's name with the game window put away and the front screen
 *  back; the landing chart is drawn after the name is given. */
TEST(GameFlight, TenLandingsWinALevelOneGame) {
  TestWorld world;
  Player player(world);
  Handover result(world);
  player.atSetUp = [](Vantix& g) {
    flight::SetScenario(g);  // the game's own set-up has filled the tables
    g.WindX = 0.05f;
    g.WindY = 0.05f;
  };
  std::map<int, int> clearedIn;  // slot -> tick
  player.afterTick = [&](Vantix& g, int tick) {
    for (int s = 1; s <= 10; ++s)
      if (g.AcState[s] == -1 && !clearedIn.count(s)) clearedIn[s] = tick;
    for (int s = 1; s <= 20; ++s)
      if (g.AcState[s] >= 6) return;  // one on the approach at a time
    // The next arrival, holding or yet to come, is put on Seek 54 pixels out at 2000 ft.
    for (int s = 1; s <= 10; ++s) {
      if (g.AcState[s] >= 0 && g.AcState[s] <= 5) {
        flight::Put(g, {s, 6, 350, 276.5f, 2000, 120, 270, 271});
        return;
      }
    }
  };
  const QImage chartBefore = world.front().Picture1.Draw().Layer();
  world.front().Command3.PlayerClick();
  Vantix& g = world.game();
  ASSERT_EQ(clearedIn.size(), 10u);
  for (const auto& [slot, tick] : clearedIn)
    EXPECT_EQ(g.LandTime[slot], tick - 1) << "slot " << slot;
  const int lastTick = clearedIn.rbegin()->second;
  EXPECT_EQ(result.outcome, "won");
  EXPECT_EQ(result.secondsLeft, QString::number(3600 - lastTick));
  EXPECT_EQ(result.score, "110");
  ASSERT_EQ(world.dialogs.inputPrompts.size(), 1);
  EXPECT_EQ(result.windowsAtNameBox, std::make_pair(false, true));
  EXPECT_TRUE(result.chartAtNameBox == chartBefore) << "the chart is drawn before the name box";
  EXPECT_FALSE(world.front().Picture1.Draw().Layer() == chartBefore) << "no chart is drawn";
}
