#include <gtest/gtest.h>

#include <iomanip>
#include <vector>

#include "Draws.h"
#include "support/QStringPrinter.h"
#include "support/TestWorld.h"

namespace {

constexpr rt::Colour kRed = 0x0000FF;
constexpr rt::Colour kBlack = 0;

constexpr float kCalm = 0.0f;  // a draw that starts nothing

// A game set up at the level. No tick has begun, so no tick's end lies ahead: a tick end's wait
// only yields once and returns.
void SetUpGame(TestWorld& world, std::int16_t level) {
  Vantix& game = world.game();
  game.Level = level;
  game.InitGame();
  world.random.draws = 0;
}

}  // namespace

/** The warnings box flashes red and black over consecutive ticks with warnings, beeping in each
 *  while Sound is ticked, and rests black in a tick without; the emergency line flashes the same
 *  way, silently. Both stand through the wait, are emptied after it and keep their colours. */
TEST(TickEnd, AlertsFlashRedAndBlackAndBeepOnlyWithSound) {
  const bool warned[] = {true, true, true, false, true, false, false};
  const rt::Colour expected[] = {kRed, kBlack, kRed, kBlack, kRed, kBlack, kBlack};
  for (int sound : {1, 0}) {
    TestWorld world;
    Vantix& game = world.game();
    SetUpGame(world, 1);
    game.Check2.SetValue(sound);
    QString seenInTheWait;
    world.events.onYield = [&] { seenInTheWait = game.Text2.Text() + game.Text3.Text(); };
    for (int t = 0; t < 7; ++t) {
      if (warned[t]) {
        game.Text2.SetText("A Altitude warning\r\n");
        game.Text3.SetText("B Wide turns only");
      }
      game.FinishTick();
      EXPECT_EQ(game.Text2.BackColour(), expected[t]) << "tick " << t;
      EXPECT_EQ(game.Text3.BackColour(), expected[t]) << "tick " << t;
      EXPECT_EQ(seenInTheWait, QString(warned[t] ? "A Altitude warning\r\nB Wide turns only" : ""))
          << "tick " << t;
      EXPECT_EQ(game.Text2.Text(), "");
      EXPECT_EQ(game.Text3.Text(), "");
    }
    const QStringList beeps = sound ? QStringList(4, "s1.wav") : QStringList();
    EXPECT_EQ(world.sound.played, beeps) << "sound " << sound;
  }
}

/** Emergencies are rolled from level 4 and screen faults at level 6 only, and in that order of
 *  draws: the emergency's roll, its kind and its count, then the screen fault's roll. An
 *  emergency starts when r x 400 is above 398, a screen fault when r x 600 is above 599, worked
 *  out in single precision: about one tick in 200 and one in 600. */
TEST(TickEnd, RandomEventsAreRolledByLevelAboveTheirEdges) {
  // At each edge the largest draw that does not reach above it and the smallest that does.
  constexpr float kEmergencyAt = 0.995f;          // r x 400 = 398
  constexpr float kEmergencyAbove = 0.99500006f;  // 398.00003
  constexpr float kFaultAt = 0.99833333f;         // r x 600 = 599
  constexpr float kFaultAbove = 0.9983334f;       // 599.00006
  struct Case {
    std::int16_t level;
    std::vector<float> script;
    int draws;
    std::int16_t kind;   // the emergency started, 0 none
    std::int16_t fault;  // CrtFault afterwards
  };
  const Case cases[] = {
      {1, {kStrike, kStrike}, 0, 0, 0},
      {2, {kStrike, kStrike}, 0, 0, 0},
      {3, {kStrike, kStrike}, 0, 0, 0},
      {4, {kEmergencyAt, kStrike}, 1, 0, 0},
      {5, {kEmergencyAbove, KindDraw(2), CountDraw(5), kStrike}, 3, 2, 0},
      {6, {kEmergencyAt, kFaultAt}, 2, 0, 0},
      {6, {kEmergencyAt, kFaultAbove}, 2, 0, 119},
      {6, {kEmergencyAbove, KindDraw(1), CountDraw(5), kFaultAbove}, 4, 1, 119},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(testing::Message()
                 << "level " << c.level << ", first draw " << std::setprecision(9) << c.script[0]);
    TestWorld world;
    Vantix& game = world.game();
    SetUpGame(world, c.level);
    game.AcState[1] = 1;  // holding in stack 1: an arrival to strike
    world.random.script.assign(c.script.begin(), c.script.end());
    game.FinishTick();
    EXPECT_EQ(world.random.draws, c.draws);
    EXPECT_EQ(game.EmergencyKind, c.kind);
    EXPECT_EQ(game.EmergencyAc, c.kind ? 1 : 0);
    EXPECT_EQ(game.CrtFault, c.fault);
  }
}

/** A stopped runway strikes the highest slot that is Down; the other kinds strike the n-th active
 *  arrival (holding to Down, not cleared) counted round the slots in order. */
TEST(TickEnd, AnEmergencyStrikesByItsKindsRule) {
  struct Case {
    int kind;
    int n;
    std::vector<std::pair<int, std::int16_t>> states;  // (slot, AcState)
    std::int16_t struck;
    std::int16_t ticks;   // EmergencyTicks afterwards; it starts at 7
    float countDraw = 0;  // the draw of the count n when given, else CountDraw(n)
  };
  const Case cases[] = {
      {5, 0, {{3, 9}, {7, 9}, {9, 8}}, 7, 50},
      {1, 5, {{2, 1}, {5, 5}, {9, 7}}, 5, 7},
      {2, 6, {{2, 1}, {5, 5}, {9, 7}}, 9, 7},
      {4, 34, {{2, 1}, {5, 5}, {9, 7}}, 2, 7},
      {3, 5, {{2, 9}, {4, -1}, {5, 4}}, 2, 200},
      {3, 6, {{2, 9}, {4, -1}, {5, 4}}, 5, 200},
      // r x 30 in single rounds up to 17.0, n 22; in double it stays below, n 21 and slot 9.
      {1, 22, {{2, 1}, {5, 5}, {9, 7}}, 2, 7, 0.56666666f},
  };
  for (const Case& c : cases) {
    TestWorld world;
    Vantix& game = world.game();
    SetUpGame(world, 4);
    for (auto [slot, state] : c.states) game.AcState[slot] = state;
    game.EmergencyTicks = 7;
    world.random.script = {kStrike, KindDraw(c.kind)};
    if (c.kind != 5) world.random.script.push_back(c.countDraw ? c.countDraw : CountDraw(c.n));
    game.FinishTick();
    EXPECT_EQ(game.EmergencyKind, c.kind) << c.kind << "/" << c.n;
    EXPECT_EQ(game.EmergencyAc, c.struck) << c.kind << "/" << c.n;
    EXPECT_EQ(game.EmergencyTicks, c.ticks) << c.kind << "/" << c.n;
  }
}

/** An emergency that finds nobody to strike is dropped and the tick end stops there: no
 *  countdown, no screen-fault roll, no wait, and both lines keep their text. */
TEST(TickEnd, ADroppedEmergencySkipsTheCountdownsAndTheWait) {
  struct Case {
    int kind;
    std::int16_t holdingSlot;  // an arrival holding there, 0 none
    int draws;                 // the count of kinds 1 to 4 is drawn before the search
  };
  for (const Case& c : {Case{5, 2, 2}, Case{2, 0, 3}}) {
    TestWorld world;
    Vantix& game = world.game();
    SetUpGame(world, 6);
    if (c.holdingSlot) game.AcState[c.holdingSlot] = 1;
    game.RadioLostAc = 2;
    game.RadioLostTicks = 3;
    game.CrtFault = 10;
    game.Text2.SetText("B Proximity to C\r\n");
    game.Text3.SetText("x");
    game.SetStarttime(world.clock.Timer() + 1);
    const double before = world.clock.Now();
    world.random.script = {kStrike, KindDraw(c.kind), CountDraw(5)};
    game.FinishTick();
    EXPECT_EQ(game.EmergencyKind, 0) << c.kind;
    EXPECT_EQ(game.EmergencyAc, 0) << c.kind;
    EXPECT_EQ(world.random.draws, c.draws) << c.kind;
    EXPECT_EQ(game.RadioLostTicks, 3) << c.kind;
    EXPECT_EQ(game.RadioLostAc, 2) << c.kind;
    EXPECT_EQ(game.CrtFault, 10) << c.kind;
    EXPECT_EQ(world.events.yields, 0) << c.kind;
    EXPECT_EQ(world.clock.Now(), before) << c.kind;
    EXPECT_EQ(game.Text2.Text(), "B Proximity to C\r\n") << c.kind;
    EXPECT_EQ(game.Text3.Text(), "x") << c.kind;
    EXPECT_EQ(game.Text2.BackColour(), kRed) << "the flash still ran";
  }
}

/** A lost radio comes back in the tick end in which its count reaches 0. */
TEST(TickEnd, TheRadioComesBackWhenItsCountRunsOut) {
  TestWorld world;
  Vantix& game = world.game();
  SetUpGame(world, 5);
  game.RadioLostAc = 3;
  game.RadioLostTicks = 2;
  world.random.script = {kCalm, kCalm};
  game.FinishTick();
  EXPECT_EQ(game.RadioLostTicks, 1);
  EXPECT_EQ(game.RadioLostAc, 3);
  game.FinishTick();
  EXPECT_EQ(game.RadioLostTicks, 0);
  EXPECT_EQ(game.RadioLostAc, 0);
}

/** A screen fault rolled in a tick end turns the next 119 radar pictures green and then ends. */
TEST(TickEnd, AScreenFaultLasts119Ticks) {
  TestWorld world;
  Vantix& game = world.game();
  SetUpGame(world, 6);
  game.AcState[1] = 5;
  game.AcType[1] = 1;
  game.AcAlt[1] = 5000;
  for (int k = 0; k <= 9; ++k) {
    game.PosX[1][k] = 276;
    game.PosY[1][k] = 200;
  }
  std::vector<int> greenTicks;
  for (int tick = 1; tick <= 130; ++tick) {
    world.random.script = {kCalm};  // no flicker
    game.RedrawRadar();
    if (game.Draw().Point(276, 200) == rt::Rgb(0, 255, 0)) greenTicks.push_back(tick);
    world.random.script = {kCalm};  // no emergency
    if (game.CrtFault == 0) world.random.script.push_back(tick == 1 ? 0.9999f : kCalm);
    game.FinishTick();
    if (tick == 1) {
      EXPECT_EQ(game.CrtFault, 119);
    }
  }
  ASSERT_EQ(greenTicks.size(), 119u);
  EXPECT_EQ(greenTicks.front(), 2);
  EXPECT_EQ(greenTicks.back(), 120);
}
