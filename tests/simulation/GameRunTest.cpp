#include <gtest/gtest.h>

#include <algorithm>
#include <map>
#include <set>
#include <vector>

#include "Draws.h"
#include "platform/Numbers.h"
#include "support/Player.h"
#include "support/QStringPrinter.h"
#include "support/TestWorld.h"

namespace {

// What one tick of a game did, seen from the player's seat: in the wait at its end.
struct TickSeen {
  int tick = 0;       // by the game clock
  double start = 0;   // on the fake clock: the end of the previous tick's wait
  double work = 0;    // how long the tick ran before its wait began
  double period = 0;  // from its start to the end of its wait
  QString clock;
  int requests = 0;                           // new aircraft asked for (each reseeds)
  std::vector<std::pair<int, int>> arrivals;  // (slot, AcState) of arrivals new in the tick
  int departures = 0;                         // departures new in the tick
  std::pair<int, int> emergency;              // (EmergencyAc, EmergencyKind)
  QString emergencyLine;                      // as the player reads it through the wait
  rt::Colour emergencyBack = 0;               // and its colour then
  int screenFault = 0;                        // CrtFault
};

// Records a whole game tick by tick through the yields of the waits. The player's actions for
// the next tick run in the first yield of each wait. A wait that goes on yielding without its
// tick ever ending is cut short as the program's end would cut it, and noted.
class GameRecorder {
 public:
  explicit GameRecorder(TestWorld& world) : world_(world) {
    world.events.onYield = [this] { Yield(); };
  }
  std::function<void(Vantix&, int tick)> afterTick;
  std::vector<TickSeen> ticks;
  bool endless = false;

 private:
  void Yield() {
    Vantix& g = world_.game();
    const double now = world_.clock.Now();
    const int tick = TicksPlayed(g);
    if (tick == 0) {  // the set-up's yields
      lastEnd_ = now;
      return;
    }
    if (ticks.empty() || ticks.back().tick != tick) {
      TickSeen& t = ticks.emplace_back();
      t.tick = tick;
      t.start = lastEnd_;
      t.work = now - lastEnd_;
      t.clock = g.Label27.Caption();
      t.requests = static_cast<int>(world_.random.seeds.size()) - seeds_;
      seeds_ = static_cast<int>(world_.random.seeds.size());
      for (int s = 1; s <= 29; ++s) {
        if (g.AcState[s] != 0 && state_[s] == 0) {
          if (s <= 20)
            t.arrivals.emplace_back(s, g.AcState[s]);
          else
            ++t.departures;
        }
        state_[s] = g.AcState[s];
      }
      t.emergency = {g.EmergencyAc, g.EmergencyKind};
      t.emergencyLine = g.Text3.Text();
      t.emergencyBack = g.Text3.BackColour();
      t.screenFault = g.CrtFault;
      yields_ = 0;
      if (afterTick) afterTick(g, tick);
    }
    TickSeen& t = ticks.back();
    t.period = now - t.start;
    lastEnd_ = now;
    if (++yields_ > 100) {
      endless = true;
      world_.events.quitting = true;
    }
  }
  TestWorld& world_;
  double lastEnd_ = 0;
  int seeds_ = 0;
  int yields_ = 0;  // in the current tick
  int state_[30] = {};
};

// The clock shown after tick k: 60 minutes counted down a second a tick, then -1:59.
QString ClockAfter(int tick) {
  if (tick == 3601) return "-1:59";
  const int left = 3600 - tick;
  return QString("%1:%2").arg(left / 60).arg(left % 60, 2, 10, QChar('0'));
}

// A draw that starts nothing; as the r of the next arrival's interval it gives 77 ticks after
// the first arrival.
constexpr float kCalm = 0.5f;

constexpr rt::Colour kAlertRed = 0x0000FF;

}  // namespace

/** The level is 1 + the index of the ticked level option, read when the game starts. */
TEST(GameRun, TheGameReadsItsLevelFromTheTickedOption) {
  TestWorld world;
  world.front().Option1[3].SetValue(true);
  // The front screen's intro ticks Beginner at program start; the player's choice comes after.
  world.front().Command3.PlayerClick();
  EXPECT_EQ(world.game().Level, 4);
  EXPECT_EQ(world.front().Text6.Text(), "400");
}

/** Whole games left alone to their time-out, tick by tick. Each tick lasts 1 s, or 0.2 s while
 *  Fast is ticked (from the tick after the click), measured from its start with its work
 *  included; a tick whose work outlasts that is followed at once by the next; a tick spanning
 *  midnight ends on time. The clock counts down from 59:59 to -1:59 over 3601 ticks, and the
 *  front screen gets "time", -1 seconds, full safety and no landing. New traffic: the first
 *  random arrival in tick 60, the next 77 ticks later (r = 0.5, no landing), then every 160 (the
 *  longest gap); the random stack of an arrival is drawn before the r of the next interval.
 *  From level 3 a departure in tick 1 and every second game minute after, 30 in all. At level 6
 *  an emergency strikes when the draw says so, from the next tick on its line flashing red and
 *  black through the waits, and no second one is rolled while it lasts, so the draw that would
 *  have struck starts a screen fault, which lasts 119 ticks. The game-over box has OK alone. */
TEST(GameRun, WholeGamesKeepTheirTickPeriodsClockAndTraffic) {
  constexpr double kDrawCost = 0.1;  // the tick's work, in fake seconds per random draw
  struct Case {
    const char* what;
    std::int16_t level;
    double start;          // the clock at Start, seconds since midnight
    int fastFrom, fastTo;  // Fast is ticked for these ticks
  };
  const Case cases[] = {
      {"level 1", 1, 36000, 0, 0},
      {"level 2, Fast, its first tick across midnight", 2, 86399.9, 1, 9999},
      {"level 3 from just before midnight, Fast for a while", 3, 86399.5, 1000, 2000},
      {"level 6", 6, 36000, 0, 0},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.what);
    TestWorld world;
    GameRecorder recorder(world);
    world.clock.Set(c.start);
    world.random.steady = kCalm;
    bool costly = false;
    world.random.onDraw = [&] {
      if (costly) world.clock.Advance(kDrawCost);
    };
    recorder.afterTick = [&](Vantix& g, int tick) {
      costly = true;
      // The first random arrival draws stack 1. Were the interval's r drawn first, that 0 would
      // be the r, bringing the next arrival 97 ticks later instead of 77, and the stack 3.
      if (tick == 59) world.random.script = {0.0f};
      if (tick == c.fastFrom - 1) g.Check3.SetValue(1);
      if (tick == c.fastTo - 1) g.Check3.SetValue(0);
      // At level 6, after the redraw's flicker draw: an emergency in tick 100 (kind 4, counted
      // to slot 2, B), and in tick 200 the draw that would strike again.
      if (c.level == 6 && tick == 99)
        world.random.script = {kCalm, kStrike, KindDraw(4), CountDraw(7)};
      if (c.level == 6 && tick == 199) world.random.script = {kCalm, kStrike};
    };
    world.game().Check3.SetValue(c.fastFrom == 1 ? 1 : 0);
    world.front().Option1[c.level - 1].SetValue(true);
    world.front().Command3.PlayerClick();  // Start
    ASSERT_FALSE(world.events.spun);
    ASSERT_FALSE(recorder.endless);
    // Time is up: the front screen is handed "time", -1 seconds, full safety and no landing.
    EXPECT_EQ(world.front().Text3.Text(), "time");
    EXPECT_EQ(world.front().Text4.Text(), "-1");
    EXPECT_EQ(world.front().Text5.Text(), "100");
    EXPECT_EQ(world.front().Text6.Text(), QString::number(100 * c.level));
    EXPECT_EQ(world.dialogs.msgBoxPrompts, QStringList{" Game over - Click OK to continue "});
    EXPECT_EQ(world.dialogs.msgBoxOfferedCancel, QList<bool>{false});
    EXPECT_FALSE(world.game().Visible());
    EXPECT_TRUE(world.front().Visible());

    std::set<int> arrivalRequests = {60};
    for (int t = 137; t <= 3601; t += 160) arrivalRequests.insert(t);
    std::set<int> departures;
    if (c.level > 2)
      for (int t = 1; t <= 3481; t += 120) departures.insert(t);
    const std::map<int, std::vector<std::pair<int, int>>> arrivals = {
        {1, {{1, 3}, {2, 2}, {3, 1}, {4, 4}}},  // the set-up's four, first seen in tick 1
        {60, {{5, 1}}},
        {137, {{6, 3}}},
        {297, {{7, 3}}},  // stack 3 is then full: later requests bring nobody
    };

    ASSERT_EQ(recorder.ticks.size(), 3601u);
    for (int k = 1; k <= 3601; ++k) {
      const TickSeen& t = recorder.ticks[k - 1];
      SCOPED_TRACE(testing::Message() << "tick " << k);
      ASSERT_EQ(t.tick, k);
      ASSERT_EQ(t.clock, ClockAfter(k));
      const double period = c.fastFrom <= k && k < c.fastTo ? 0.2 : 1.0;
      const double due = std::max(period, t.work);
      ASSERT_GE(t.period, due - 1e-6) << "work " << t.work;
      ASSERT_LE(t.period, due + 0.01) << "work " << t.work;  // the fake wait ends 5 ms late
      const int setUp = k == 1 ? 4 : 0;
      ASSERT_EQ(t.requests,
                setUp + static_cast<int>(arrivalRequests.count(k) + departures.count(k)));
      ASSERT_EQ(t.departures, static_cast<int>(departures.count(k)));
      const auto a = arrivals.find(k);
      ASSERT_EQ(t.arrivals, a == arrivals.end() ? decltype(a->second)() : a->second);
      const bool struck = c.level == 6 && k >= 100;
      ASSERT_EQ(t.emergency, struck ? std::make_pair(2, 4) : std::make_pair(0, 0));
      // The line shows the emergency from the tick after the tick end that rolled it.
      const bool shown = struck && k > 100;
      ASSERT_EQ(t.emergencyLine, QString(shown ? "B No lock above 2000ft" : ""));
      ASSERT_EQ(t.emergencyBack, shown && (k - 101) % 2 == 0 ? kAlertRed : 0);
      const bool fault = c.level == 6 && k >= 200 && k < 319;
      ASSERT_EQ(t.screenFault, fault ? 319 - k : 0);
    }
  }
}

/** A crash or a collision ends the game in its own tick at once: no clock step, no redraw and
 *  no wait. The game-over box follows over the game window with the explosion still on the
 *  radar, the front screen not yet back, and the front screen is handed the clock of the tick
 *  before. */
TEST(GameRun, ACrashOrACollisionEndsTheGameInItsTickAtOnce) {
  constexpr rt::Colour kExplosionRed = 0x0000FF;
  for (const bool collision : {false, true}) {
    SCOPED_TRACE(collision ? "collision" : "crash");
    TestWorld world;
    Player player(world);
    double tickEnd = 0;  // when tick 30, the last whole one, ends
    player.afterTick = [&](Vantix& g, int tick) {
      if (tick != 30) return;
      tickEnd = world.clock.Now() + 1;
      if (collision) {
        // B on A, at its altitude: A's next move leaves them under a pixel apart.
        g.PosX[2][0] = g.PosX[1][0];
        g.PosY[2][0] = g.PosY[1][0];
        g.AcAlt[2] = g.TargetAlt[2] = g.AcAlt[1];
      } else {
        // A at 500 ft over ground rising to 1000 ft all around it.
        g.AcAlt[1] = g.TargetAlt[1] = 500;
        const int x = rt::CInt(g.PosX[1][0]), y = rt::CInt(g.PosY[1][0]);
        for (int dx = -4; dx <= 4; ++dx)
          for (int dy = -4; dy <= 4; ++dy) g.GroundBand[x + dx][y + dy] = 1;
      }
    };
    double boxAt = 0;
    rt::Colour explosion = 0;
    QString secondsLeft;
    std::pair<bool, bool> shownBehindBox;  // the game window, the front screen
    world.dialogs.onMsgBox = [&](const QString&) {
      Vantix& g = world.game();
      boxAt = world.clock.Now();
      shownBehindBox = {g.Visible(), world.front().Visible()};
      // Inside the red heart of the explosion, clear of the aircraft's own dot.
      explosion = g.Draw().Point(rt::CInt(g.PosX[1][0]) + 5, rt::CInt(g.PosY[1][0]));
      secondsLeft = world.front().Text4.Text();
    };
    world.front().Command3.PlayerClick();
    EXPECT_EQ(world.front().Text3.Text(), collision ? "collision" : "crashed");
    EXPECT_EQ(secondsLeft, "3570");  // 59:30, the clock after tick 30
    EXPECT_EQ(explosion, kExplosionRed);
    EXPECT_EQ(shownBehindBox, std::make_pair(true, false));
    EXPECT_NEAR(boxAt, tickEnd, 0.01) << "the box comes as tick 31 starts";
  }
}

/** The next arrival comes 30 + ((minutes begun) / (landings + 0.6) - r) x 40 ticks later,
 *  rounded halves to even and held within 30..160. */
TEST(GameRun, TheNextArrivalDependsOnTheLandingsPerMinute) {
  const struct {
    int clockMin, landings;
    float r;
    int next;
  } cases[] = {
      {59, 0, 0.5f, 77},   // 30 + (1 / 0.6 - 0.5) x 40 = 76.67
      {59, 5, 0.99f, 30},  // below 30 is held at 30
      {10, 0, 0.0f, 160},  // above 160 is held at 160
      {57, 2, 0.25f, 66},  // 30 + (3 / 2.6 - 0.25) x 40 = 66.15
      // 57.4999992 in double; the same sum in single precision comes to 57.5 and would round
      // to the even 58.
      {59, 0, 0.97916669f, 57},
      // 15 / 9.6 is 1.5625 in double, so this is exactly 72.5: the half goes to the even 72,
      // where halves rounded up would give 73.
      {45, 9, 0.5f, 72},
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

/** A tick flies the arrivals before the departures: an arrival is measured against a departure
 *  where the departure stood before its move of the tick. 20 pixels abeam, a separation of 10,
 *  is still proximity and costs a point, where the departure's half pixel onward would leave
 *  10.25 and no warning; the warning stands in its box through the wait. */
TEST(GameRun, ArrivalsAreMeasuredAgainstDeparturesBeforeTheDeparturesMove) {
  TestWorld world;
  Player player(world);
  QString warnings;
  float safety = 0;
  player.afterTick = [&](Vantix& g, int tick) {
    if (tick == 1) {
      g.WindX = g.WindY = 0;
      // A stands still at 9000 ft, clear of the highest ground; a departure at its altitude
      // flies east at 100 kt, half a pixel a tick, 20 pixels south of it.
      g.AcState[1] = 5;
      g.PosX[1][0] = 200;
      g.PosY[1][0] = 300;
      g.AcSpeed[1] = g.TargetSpeed[1] = 0;
      g.AcAlt[1] = g.TargetAlt[1] = 9000;
      g.AcState[21] = 1150;  // on route 1, between two steps of its script
      g.PosX[21][0] = 200;
      g.PosY[21][0] = 320;
      g.AcHeading[21] = g.TargetHeading[21] = 90;
      g.AcSpeed[21] = g.TargetSpeed[21] = 100;
      g.AcAlt[21] = g.TargetAlt[21] = 9000;
    }
    if (tick == 2) {
      warnings = g.Text2.Text();
      safety = g.Safety;
      g.GameOver = 1;
    }
  };
  world.front().Command3.PlayerClick();  // Start
  EXPECT_EQ(warnings, QString("A Proximity to ?\r\n"));
  EXPECT_EQ(safety, 99);
}
