#include <gtest/gtest.h>

#include "support/QStringPrinter.h"
#include "support/TestWorld.h"

namespace {
// A draw that gives the wind direction d: the whole part of r x 360.
float DirectionDraw(int d) {
  return (d + 0.5f) / 360.0f;
}
}  // namespace

/** The wind's direction decides the landing runway against its east-west drift, places the wind
 *  marker 22 pixels from the dial's middle towards it, and its speed is the level plus 2..19 kt. */
TEST(NewGame, TheWindChoosesTheRunwayAndSetsTheDial) {
  struct Case {
    int d;
    std::int16_t level;
    float speedDraw;
    const char* runway;
    std::int16_t offset;
    double markerLeft, markerTop;
    const char* speed;
  };
  // The draws of d 179 and of the 25 kt give r x 360 = 179.5 and r x 18 = 17.998: rounded in
  // place of their whole parts, they would give 180 with runway 09R, and 26 kt.
  const Case cases[] = {
      {0, 1, 0.0f, "<-- 27L ---", 20, 42, 480, "3"},
      {90, 1, 0.0f, "<-- 27L ---", 20, 64, 502, "3"},
      {179, 3, 0.5f, "<-- 27L ---", 20, 42.4, 524, "14"},
      {180, 6, 0.9999f, "--- 09R -->", -20, 42, 524, "25"},
      {270, 2, 0.0f, "--- 09R -->", -20, 20, 502, "4"},
      {359, 1, 0.0f, "--- 09R -->", -20, 41.6, 480, "3"},
  };
  for (const Case& c : cases) {
    TestWorld world;
    Vantix& game = world.game();
    game.Level = c.level;
    world.random.script = {DirectionDraw(c.d), c.speedDraw};
    game.InitGame();
    EXPECT_EQ(game.Label12.Caption(), c.runway) << c.d;
    EXPECT_EQ(game.RunwayOffset, c.offset) << c.d;
    EXPECT_NEAR(game.Shape2.ShapeLeft(), c.markerLeft, 0.1) << c.d;
    EXPECT_NEAR(game.Shape2.ShapeTop(), c.markerTop, 0.1) << c.d;
    EXPECT_EQ(game.Label8.Caption(), c.speed) << c.d;
    EXPECT_EQ(world.random.draws, 2) << c.d;
    EXPECT_TRUE(world.random.seeds.empty()) << "the set-up never reseeds";
  }
}

/** The drift is w / 200 pixels a tick, worked out with the constant 3.14: the sine and cosine of
 *  the angle in double precision, stored in single, and the marker's place and the w / 200 step
 *  in single. An east wind of 3 kt drifts just under 0.015 px east and about 0.000012 px north.
 *  The direction and the speed are the whole parts of r x 360 and r x 18 in single precision. */
TEST(NewGame, TheDriftUsesThreePointOneFourForTheAngle) {
  struct Case {
    float directionDraw, speedDraw;
    float windX, windY;
    float markerLeft, markerTop;
    const char* speed;
  };
  // Expected values worked out apart from the game, single precision by rounding to float32
  // after each step.
  const Case cases[] = {
      {DirectionDraw(90), 0.0f, 0.014999995f, -1.19449014e-05f, 63.9999924f, 501.982483f, "3"},
      // r x 360 in single rounds up to 179.0 and r x 18 up to 11.0; in double both stay below,
      // which would give d 178 and w 13.
      {0.49722221f, 0.6111111f, 0.00133251632f, 0.0699873194f, 42.4187927f, 523.996033f, "14"},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(testing::Message() << "wind " << c.speed << " kt");
    TestWorld world;
    Vantix& game = world.game();
    game.Level = 1;
    world.random.script = {c.directionDraw, c.speedDraw};
    game.InitGame();
    EXPECT_EQ(game.WindX, c.windX);
    EXPECT_EQ(game.WindY, c.windY);
    EXPECT_EQ(game.Shape2.ShapeLeft(), c.markerLeft);
    EXPECT_EQ(game.Shape2.ShapeTop(), c.markerTop);
    EXPECT_EQ(game.Label8.Caption(), c.speed);
  }
}

/** A set-up after a lost game shows the full green gauge, no emergency, lost radio or screen
 *  fault, an empty table and panel, and nothing selected; the marker goes to the top of the dial
 *  and the readout to 0, so a SEND without a click on the dial sends nothing of the last game. */
TEST(NewGame, ASetUpAfterALostGameStartsClean) {
  TestWorld world;
  Vantix& game = world.game();
  game.Level = 4;
  game.InitGame();
  game.NewAircraft(1);
  game.NewAircraft(2);
  // The last game: safety run down to 0, an emergency, a lost radio and a screen fault going on,
  // an aircraft and a command selected, Establish ticked.
  game.Safety = 2;
  game.AddSafety(-1, 1, "A Altitude warning");
  game.AddSafety(-1, 1, "A Altitude warning");
  ASSERT_EQ(game.GameOver, 4);
  ASSERT_EQ(game.Label4.Caption(), "1%");
  game.EmergencyAc = 2;
  game.EmergencyKind = 3;
  game.EmergencyTicks = 120;
  game.RadioLostAc = 1;
  game.RadioLostTicks = 7;
  game.CrtFault = 40;
  game.Landings = 3;
  game.LandTime[1] = 300;
  game.List1[0].SetListIndex(1);  // B, heading 200
  game.List2.SetListIndex(4);
  game.SetSelector(1, 3000);  // ALTITUDE 3000 on the scales
  game.Check1.SetValue(1);
  game.Text3.SetText("B Losing fuel (60%)");

  game.InitGame();

  EXPECT_EQ(game.Safety, 100);
  EXPECT_EQ(game.Label3.Top(), 430);
  EXPECT_EQ(game.Label3.Height(), 0);
  EXPECT_EQ(game.Label4.Top(), 430);
  EXPECT_EQ(game.Label4.Height(), 100);
  EXPECT_EQ(game.Label4.Caption(), "100%");
  EXPECT_EQ(game.EmergencyAc, 0);
  EXPECT_EQ(game.EmergencyKind, 0);
  EXPECT_EQ(game.EmergencyTicks, 0);
  EXPECT_EQ(game.RadioLostAc, 0);
  EXPECT_EQ(game.RadioLostTicks, 0);
  EXPECT_EQ(game.CrtFault, 0);
  EXPECT_EQ(game.Landings, 0);
  EXPECT_EQ(game.LandTime[1], 0);
  for (int i = 1; i <= 30; ++i) EXPECT_EQ(game.AcState[i], 0) << i;
  for (auto& column : game.List1) EXPECT_EQ(column.ListCount(), 0);
  EXPECT_EQ(game.List1[0].ListIndex(), -1);
  EXPECT_EQ(game.List2.ListIndex(), -1);
  EXPECT_EQ(game.Label2.Caption(), "0");
  EXPECT_NEAR(game.Shape1.ShapeLeft() - game.Image1.Left(), 44, 0.01);
  EXPECT_NEAR(game.Shape1.ShapeTop() - game.Image1.Top(), -1, 0.01);
  EXPECT_EQ(game.Check1.Value(), 0);
  EXPECT_EQ(game.Text2.Text(), "");
  EXPECT_EQ(game.Text3.Text(), "");
}

/** The game's tables as the rest of the game reads them: status texts, type names with the
 *  Concorde's trailing blank, colours, speed ranges, emergency texts and a departure script. */
TEST(NewGame, TheTablesHoldTheGamesValues) {
  TestWorld world;
  Vantix& game = world.game();
  game.InitGame();
  const char* states[] = {"",     "Stk1", "Stk2", "Stk3", "Stk4", " ",
                          "Seek", "Est",  "Lock", "Down", ""};
  for (int s = 0; s <= 10; ++s) EXPECT_EQ(game.StateName[s], states[s]) << s;
  const char* types[] = {"", "Cessna", "Learjet", "DC10", "747", "C'corde "};
  const rt::Colour colours[] = {0x0000FF, 0xFF0000, 0xFF00FF, 0xFFFF00, 0x00FFFF, 0xFFFFFF};
  const std::int16_t ranges[6][2] = {{0, 0},     {100, 140}, {120, 160},
                                     {160, 200}, {180, 220}, {200, 260}};
  for (int t = 0; t <= 5; ++t) {
    EXPECT_EQ(game.TypeName[t], types[t]) << t;
    EXPECT_EQ(game.TypeColour[t], colours[t]) << t;
    EXPECT_EQ(game.SpeedRange[t][0], ranges[t][0]) << t;
    EXPECT_EQ(game.SpeedRange[t][1], ranges[t][1]) << t;
  }
  EXPECT_EQ(game.EmergencyText[4], " No lock above 2000ft");
  EXPECT_EQ(game.EmergencyText[5], " Stopped on runway ");
  // Route 5 in full, and the last filled column of the shorter routes.
  const std::int16_t route5[30] = {256, 256, 100, 0, 90,   0,  1, 150, 40, 2, 4000, 99, 4, 180, 60,
                                   4,   230, 99,  2, 6000, 99, 1, 190, 79, 3, 200,  99, 9, 9,   9};
  for (int c = 0; c < 30; ++c) EXPECT_EQ(game.RouteTable[5][c], route5[c]) << c;
  for (int r : {1, 3, 6}) {
    EXPECT_EQ(game.RouteTable[r][26], 9) << r;
    EXPECT_EQ(game.RouteTable[r][27], 0) << r;
  }
  // Route 1 leaves in its 375th tick: its steps' tick counts add up to 374 before the leave.
  int ticks = 0;
  for (int s = 0; game.RouteTable[1][6 + 3 * s] != 9; ++s) ticks += game.RouteTable[1][8 + 3 * s];
  EXPECT_EQ(ticks, 374);
}

/** The generator starts from the same state at every program start: the first game of every run
 *  gets the same wind and runway. */
TEST(NewGame, TheFirstGameOfEveryRunGetsTheSameWind) {
  QString first[2];
  for (QString& wind : first) {
    rt::SeededRandom fresh;
    TestWorld world;
    rt::Services services{world.clock, fresh,         world.events, world.dialogs,
                          world.sound, world.browser, world.help,   {}};
    rt::InstallServices(&services);
    world.game().Level = 2;
    world.game().InitGame();
    wind = world.game().Label12.Caption() + world.game().Label8.Caption() +
           QString::number(world.game().WindX, 'g', 9);
    rt::InstallServices(&world.services);
  }
  EXPECT_EQ(first[0], first[1]);
}
