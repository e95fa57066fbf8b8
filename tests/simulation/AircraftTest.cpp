#include <gtest/gtest.h>

#include <vector>

#include "support/QStringPrinter.h"
#include "support/TestWorld.h"

namespace {

// A game set up at the level with the landing runway given.
Vantix& SetUpGame(TestWorld& world, std::int16_t level, std::int16_t runwayOffset = 20) {
  Vantix& game = world.game();
  game.Level = level;
  game.InitGame();
  game.RunwayOffset = runwayOffset;
  return game;
}

QStringList Row(Vantix& game, int row) {
  QStringList cells;
  for (auto& column : game.List1) cells << column.List(row);
  return cells;
}

// Records every value it draws from the program's own generator.
class RecordingRandom final : public rt::Random {
 public:
  float Rnd() override { return drawn.emplace_back(real.Rnd()); }
  void Randomize(double seed) override { real.Randomize(seed); }
  rt::SeededRandom real;
  std::vector<float> drawn;
};

}  // namespace

/** The set-up's four arrivals A to D enter at stacks 3, 2, 1 and 4 at 7000 ft, heading for their
 *  fixes with no turn, each with its trail on its entry point and its row in the table. */
TEST(Aircraft, TheSetUpsFourArrivalsEnterAtTheirStacks) {
  struct Expected {
    std::int16_t stack;
    float x, y;
    std::int16_t heading;
    QStringList row;
  };
  const Expected expected[4] = {
      {3, 75, 465, 80, {"A Cessna", "80", "120", "7000", "Stk3"}},
      {2, 474, 84, 200, {"B Cessna", "200", "120", "7000", "Stk2"}},
      {1, 76, 87, 180, {"C Cessna", "180", "120", "7000", "Stk1"}},
      {4, 510, 420, 290, {"D Cessna", "290", "120", "7000", "Stk4"}},
  };
  TestWorld world;
  Vantix& game = SetUpGame(world, 1);
  world.random.draws = 0;
  for (std::int16_t kind : {3, 2, 1, 4}) game.NewAircraft(kind);
  EXPECT_EQ(world.random.draws, 0) << "a given stack at level 1 draws nothing";
  for (int n = 1; n <= 4; ++n) {
    const Expected& e = expected[n - 1];
    EXPECT_EQ(game.AcState[n], e.stack) << n;
    EXPECT_EQ(game.AcAlt[n], 7000) << n;
    EXPECT_EQ(game.TargetAlt[n], 7000) << n;
    EXPECT_EQ(game.AcHeading[n], e.heading) << n;
    EXPECT_EQ(game.TargetHeading[n], e.heading + 1) << n;
    EXPECT_EQ(game.AcType[n], 1) << n;
    EXPECT_EQ(game.AcSpeed[n], 120) << n;
    EXPECT_EQ(game.TargetSpeed[n], 120) << n;
    for (int k = 0; k <= 9; ++k) {
      EXPECT_EQ(game.PosX[n][k], e.x) << n << "/" << k;
      EXPECT_EQ(game.PosY[n][k], e.y) << n << "/" << k;
    }
    EXPECT_EQ(Row(game, n - 1), e.row) << n;
  }
  EXPECT_EQ(game.AcState[5], 0);
}

/** An arrival takes the lowest of 7000, 8000 and 9000 ft that no aircraft holding in its stack
 *  has; aircraft that left the stack do not count, and a full stack creates nothing. */
TEST(Aircraft, ArrivalsTakeTheLowestFreeStackAltitude) {
  struct Case {
    std::vector<std::pair<std::int16_t, std::int16_t>> earlier;  // (AcState, AcAlt) in slots 1..
    std::int16_t altitude;                                       // 0: nothing created
  };
  const Case cases[] = {
      {{}, 7000},
      {{{1, 7000}}, 8000},
      {{{1, 7000}, {1, 8000}}, 9000},
      {{{1, 8000}, {1, 7000}}, 9000},
      {{{1, 7000}, {1, 9000}}, 8000},
      {{{1, 7000}, {1, 8000}, {1, 9000}}, 0},
      {{{5, 7000}, {1, 8000}, {1, 9000}}, 7000},
      {{{6, 7000}, {2, 7000}, {1, 8000}, {1, 9000}}, 7000},
      {{{1, 6000}, {1, 8000}}, 7000},
  };
  for (const Case& c : cases) {
    TestWorld world;
    Vantix& game = SetUpGame(world, 1);
    int n = 1;
    for (auto [state, alt] : c.earlier) {
      game.AcState[n] = state;
      game.AcAlt[n++] = alt;
    }
    game.NewAircraft(1);
    if (c.altitude) {
      EXPECT_EQ(game.AcState[n], 1) << "case " << (&c - cases);
      EXPECT_EQ(game.AcAlt[n], c.altitude) << "case " << (&c - cases);
    } else {
      EXPECT_EQ(game.AcState[n], 0) << "case " << (&c - cases);
      EXPECT_EQ(game.List1[0].ListCount(), 0);
    }
  }
}

/** A random stack that is full creates nothing, even when the other stacks have room. */
TEST(Aircraft, ARandomStackThatIsFullCreatesNothing) {
  TestWorld world;
  Vantix& game = SetUpGame(world, 1);
  for (int n = 1; n <= 3; ++n) {
    game.AcState[n] = 2;
    game.AcAlt[n] = static_cast<std::int16_t>(6000 + 1000 * n);
  }
  // r x 4 = 1.2 and 1.8: stack 2 both times, by the whole part.
  for (float draw : {0.3f, 0.45f}) {
    world.random.script = {draw};
    game.NewAircraft(0);
    EXPECT_EQ(game.AcState[4], 0) << draw;
  }
  world.random.script = {0.6f};  // stack 3
  game.NewAircraft(0);
  EXPECT_EQ(game.AcState[4], 3);
}

/** A game has at most 10, 15 or 20 arrivals by level: an arrival's slot is never freed. */
TEST(Aircraft, TheLevelLimitsTheArrivalSlots) {
  struct Case {
    std::int16_t level;
    int used;
    bool created;
  };
  const Case cases[] = {{1, 9, true},   {1, 10, false}, {2, 14, true},
                        {2, 15, false}, {3, 19, true},  {6, 20, false}};
  for (const Case& c : cases) {
    TestWorld world;
    Vantix& game = SetUpGame(world, c.level);
    for (int n = 1; n <= c.used; ++n) game.AcState[n] = n % 2 ? -1 : 5;  // landed or flying
    game.NewAircraft(2);
    EXPECT_EQ(game.AcState[c.used + 1] == 2, c.created) << c.level << "/" << c.used;
    EXPECT_EQ(game.List1[0].ListCount(), c.created ? 1 : 0);
    if (c.created) {
      EXPECT_EQ(game.List1[0].List(0).left(1), QString(QChar(65 + c.used))) << "its call sign";
    }
  }
}

/** Arrival types by level, each with its speed; the stack is drawn before the type. */
TEST(Aircraft, TheLevelChoosesTheArrivalsType) {
  struct Case {
    std::int16_t level;
    float typeDraw;
    std::int16_t type, speed;
    const char* cell;
  };
  const Case cases[] = {
      {1, 0.99f, 1, 120, "A Cessna"}, {2, 0.0f, 1, 120, "A Cessna"},
      {2, 0.5f, 2, 140, "A Learjet"}, {2, 0.99f, 3, 180, "A DC10"},
      {3, 0.7f, 4, 200, "A 747"},     {6, 0.99f, 5, 220, "A C'corde "},
  };
  for (const Case& c : cases) {
    TestWorld world;
    Vantix& game = SetUpGame(world, c.level);
    world.random.script = {0.8f, c.typeDraw};  // stack 4, then the type
    game.NewAircraft(0);
    EXPECT_EQ(game.AcState[1], 4) << c.cell;
    EXPECT_EQ(game.AcType[1], c.type) << c.cell;
    EXPECT_EQ(game.AcSpeed[1], c.speed) << c.cell;
    EXPECT_EQ(game.TargetSpeed[1], c.speed) << c.cell;
    EXPECT_EQ(game.List1[0].List(0), c.cell);
    EXPECT_EQ(game.List1[2].List(0), QString::number(c.speed));
  }
}

/** Departures take routes 1..3 while runway 27L is in use and 4..6 under 09R, start on the route's
 *  first record with its counter at route x 1000 + 1, red and without a table row. */
TEST(Aircraft, TheLandingRunwayChoosesTheDeparturesRoute) {
  struct Case {
    std::int16_t offset;
    float draw;
    std::int16_t state;
    float x, y;
    std::int16_t speed, alt, heading;
  };
  const Case cases[] = {
      {20, 0.0f, 1001, 296, 256, 100, 0, 270},   {20, 0.5f, 2001, 296, 256, 100, 0, 270},
      {20, 0.9f, 3001, 190, 532, 190, 7000, 30}, {-20, 0.1f, 4001, 256, 256, 100, 0, 90},
      {-20, 0.4f, 5001, 256, 256, 100, 0, 90},   {-20, 0.99f, 6001, 190, 532, 190, 7000, 30},
  };
  for (const Case& c : cases) {
    TestWorld world;
    Vantix& game = SetUpGame(world, 3, c.offset);
    world.random.script = {c.draw};
    game.NewAircraft(9);
    EXPECT_EQ(game.AcState[21], c.state);
    EXPECT_EQ(game.AcSpeed[21], c.speed) << c.state;
    EXPECT_EQ(game.TargetSpeed[21], c.speed) << c.state;
    EXPECT_EQ(game.AcAlt[21], c.alt) << c.state;
    EXPECT_EQ(game.TargetAlt[21], c.alt) << c.state;
    EXPECT_EQ(game.AcHeading[21], c.heading) << c.state;
    EXPECT_EQ(game.TargetHeading[21], c.heading) << c.state;
    for (int k = 0; k <= 9; ++k) {
      EXPECT_EQ(game.PosX[21][k], c.x) << c.state;
      EXPECT_EQ(game.PosY[21][k], c.y) << c.state;
    }
    EXPECT_EQ(game.AcType[21], 0) << c.state;
    EXPECT_EQ(game.List1[0].ListCount(), 0) << c.state;
  }
}

/** Departures use slots 21..29; a freed slot is taken again, and with all nine busy nothing is
 *  created (slot 30 is never given). */
TEST(Aircraft, DeparturesUseSlots21To29) {
  TestWorld world;
  Vantix& game = SetUpGame(world, 3);
  for (int n = 21; n <= 29; ++n) game.AcState[n] = 1050;
  game.AcState[24] = 0;
  game.NewAircraft(9);
  EXPECT_GT(game.AcState[24], 1000);
  game.NewAircraft(9);
  EXPECT_EQ(game.AcState[30], 0);
  for (int n = 21; n <= 29; ++n) EXPECT_NE(game.AcState[n], 0) << n;
}

/** Every request reseeds the generator from the clock reading, also one that creates nothing. */
TEST(Aircraft, EveryRequestReseedsFromTheClock) {
  TestWorld world;
  Vantix& game = SetUpGame(world, 1);
  world.clock.Set(45000.25);
  game.NewAircraft(3);
  for (int n = 1; n <= 10; ++n) game.AcState[n] = -1;
  world.clock.Set(45001.5);
  game.NewAircraft(0);
  world.clock.Set(45002.75);
  game.NewAircraft(9);
  EXPECT_EQ(world.random.seeds, (std::vector<double>{45000.25, 45001.5, 45002.75}));
}

/** The program's generator mixes the reseed into its state: two requests within one clock
 *  reading do not draw the same numbers. */
TEST(Aircraft, TwoRequestsWithinOneClockReadingDrawDifferently) {
  TestWorld world;
  RecordingRandom random;
  rt::Services services{world.clock, random,        world.events, world.dialogs,
                        world.sound, world.browser, world.help,   {}};
  rt::InstallServices(&services);
  Vantix& game = SetUpGame(world, 3);
  random.drawn.clear();
  game.NewAircraft(0);
  game.NewAircraft(0);
  rt::InstallServices(&world.services);
  ASSERT_EQ(random.drawn.size(), 4u);  // stack and type for each
  EXPECT_NE(random.drawn[0], random.drawn[2]);
  EXPECT_NE(random.drawn[1], random.drawn[3]);
}
