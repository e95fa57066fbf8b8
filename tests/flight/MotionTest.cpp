// How an arrival moves in one tick: its position with the wind, its speed, altitude and
// heading towards the targets, the emergency effects, its trail dot and its table row; and the
// track of arrivals and departures to the last bit.
#include <gtest/gtest.h>

#include "flight/FlightFixture.h"
#include "platform/Numbers.h"

using flight::Arrival;

using ArrivalMotion = flight::FlightTest;
using Motion = flight::FlightTest;

/** The move uses the heading and speed the aircraft had before the tick; the steps towards
 *  the targets come after it, and each shows its new value in the aircraft's table row. */
TEST_F(ArrivalMotion, MovesOnTheOldHeadingAndSpeedThenStepsTowardsItsTargets) {
  flight::Put(g, {1, 5, 200, 300, 5000, 200, 0, 91});  // turn right to 90
  g.TargetSpeed[1] = 210;
  g.TargetAlt[1] = 4000;
  ASSERT_TRUE(g.ArrivalPass());
  EXPECT_FLOAT_EQ(g.PosX[1][0], 200);  // due north at 200 kt: one pixel up
  EXPECT_FLOAT_EQ(g.PosY[1][0], 299);
  EXPECT_EQ(g.AcSpeed[1], 201);
  EXPECT_EQ(g.AcAlt[1], 4950);
  EXPECT_EQ(g.AcHeading[1], 5);
  EXPECT_EQ(g.List1[1].List(0), "5");
  EXPECT_EQ(g.List1[2].List(0), "201");
  EXPECT_EQ(g.List1[3].List(0), "4950");
}

/** Degrees become radians with 3.14, not pi: due south drifts a little east, due east a
 *  little north, as the game's own geometry has it. */
TEST_F(ArrivalMotion, TurnsDegreesIntoRadiansWithTheConstant314) {
  flight::Put(g, {1, 5, 300, 100, 5000, 200, 180, 181});
  flight::Put(g, {2, 5, 100, 300, 3000, 200, 90, 91});
  ASSERT_TRUE(g.ArrivalPass());
  EXPECT_NEAR(g.PosX[1][0], 300.0015927, 2e-5);  // sin(3.14) = 0.0015927
  EXPECT_NEAR(g.PosY[1][0], 101, 2e-5);
  EXPECT_NEAR(g.PosX[2][0], 101, 2e-5);
  EXPECT_NEAR(g.PosY[2][0], 299.9992037, 2e-5);  // -cos(1.57) = -0.0007963
}

namespace {
struct TrackCase {
  const char* what;
  int state;  // an arrival's state, 0 for a departure
  int route;  // a departure's route, which gives its heading and target speed
  float x, y;
  int heading;
  int speed, targetSpeed;
  float windX, windY;
  int ticks;
  float afterX, afterY;
};
}  // namespace

/** Each tick's move is worked out in double precision, with h x 3.14 / 180 for the angle, and
 *  stored in single precision; over a flight of many ticks the track ends on exactly one
 *  single-precision point. Arrivals drift with the wind (y only below Est), departures do not,
 *  and every aircraft moves with the speed of the tick before. The winds are the set-up's for w
 *  kt towards d: sin and cos of d x 3.14 / 180 stored in single, times w / 200 in single. The
 *  end points were flown apart from the game, tick by tick in double precision and rounded to
 *  single once a tick, and are written with the digits that name that single value. With the
 *  angle in single, a term or the sum rounded to single, or pi for 3.14, every row but route 1's
 *  ends elsewhere (route 1 shows pi and the speed's order). */
TEST_F(Motion, WorksEachMoveOutInDoublePrecisionAndStoresItInSingle) {
  const TrackCase cases[] = {
      {"under control at 35, 120 to 150 kt, wind 12 kt towards 5", 5, 0, 198.7f, 170.8f, 35, 120,
       150, 0.0052267f, -0.05977191f, 40, 214.77571f, 145.73416f},
      {"under control at 313, 190 to 160 kt, wind 9 kt towards 44", 5, 0, 133.4f, 341.3f, 313, 190,
       160, 0.031247022f, -0.03238246f, 40, 109.48142f, 316.66476f},
      {"under control at 200, 180 to 160 kt, wind 15 kt towards 23", 5, 0, 305.3f, 222.2f, 200, 180,
       160, 0.029290784f, -0.06904382f, 20, 300.0827f, 236.85118f},
      {"Est at 270, 150 to 110 kt, wind 9 kt towards 144: y stays", 7, 0, 377.0f, 276.5f, 270, 150,
       110, 0.026496701f, 0.036372036f, 40, 351.95996f, 276.5f},
      {"route 3 at 30, 151 kt towards 190, wind 7 kt towards 131", 0, 3, 42.6f, 210.5f, 30, 151,
       190, 0.026441433f, 0.022931432f, 30, 55.00679f, 188.99762f},
      {"route 1 from take-off, 100 kt towards 150, wind 17 kt towards 75", 0, 1, 296, 256, 270, 100,
       150, 0.08208908f, -0.022054099f, 40, 272.10007f, 256.05707f},
  };
  for (const TrackCase& c : cases) {
    SCOPED_TRACE(c.what);
    flight::FillGameTables(g);
    g.WindX = c.windX;
    g.WindY = c.windY;
    int slot = 1;
    if (c.state > 0) {
      flight::Put(g, {slot, c.state, c.x, c.y, 5000, c.speed, c.heading, c.heading + 1});
    } else {
      slot = 21;
      flight::PutDeparture(g, slot, c.route);
      ASSERT_EQ(g.AcHeading[slot], c.heading);
      g.PosX[slot][0] = c.x;
      g.PosY[slot][0] = c.y;
      g.AcSpeed[slot] = static_cast<std::int16_t>(c.speed);
    }
    g.TargetSpeed[slot] = static_cast<std::int16_t>(c.targetSpeed);
    for (int tick = 0; tick < c.ticks; ++tick) ASSERT_TRUE(flight::FlyTick(g));
    EXPECT_EQ(g.PosX[slot][0], c.afterX);
    EXPECT_EQ(g.PosY[slot][0], c.afterY);
  }
}

namespace {
struct WindCase {
  const char* what;
  int state;
  float windX, windY;
  float dx, dy;  // the move over the ground in one tick at 0 kt
};
}  // namespace

/** States 5 and 6 drift with the wind; from Est on the aircraft keeps its y, so only the
 *  wind along the runway moves it; a holding aircraft does not drift at all. */
TEST_F(ArrivalMotion, DriftsWithTheWindOnlyWhereItsStateLetsIt) {
  const WindCase cases[] = {
      {"under control", 5, 0.05f, 0.1f, 0.05f, 0.1f},
      {"Seek", 6, 0.05f, 0.1f, 0.05f, 0.1f},
      {"Est, wind across the centre line", 7, 0, 0.1f, 0, 0},
      {"Est, wind along the centre line", 7, -0.05f, 0, -0.05f, 0},
      {"Lock, wind across and along", 8, -0.05f, 0.1f, -0.05f, 0},
      {"Down, wind across and along", 9, 0.05f, -0.1f, 0.05f, 0},
      {"holding in stack 1", 1, 0.05f, 0.1f, 0, 0},
  };
  for (const WindCase& c : cases) {
    SCOPED_TRACE(c.what);
    flight::Put(g, {1, c.state, 350, 276.5f, 3000, 0, 270, -2});
    g.WindX = c.windX;
    g.WindY = c.windY;
    ASSERT_TRUE(g.ArrivalPass());
    EXPECT_NEAR(g.PosX[1][0] - 350, c.dx, 1e-4);
    EXPECT_NEAR(g.PosY[1][0] - 276.5f, c.dy, 1e-4);
    if (c.state >= 7) {
      EXPECT_EQ(g.PosY[1][0], 276.5f);  // exactly, not just nearly
    }
  }
}

/** With the wind along the runway an aircraft on the centre line changes its ground speed,
 *  and its y stays exactly where it was captured, tick after tick. */
TEST_F(ArrivalMotion, OnTheCentreLineAHeadwindSlowsItAndACrosswindNeverMovesIt) {
  flight::Put(g, {1, 7, 420, 276.3f, 9000, 120, 270, 0});  // far above the glide path
  g.WindY = 0.09f;
  ASSERT_TRUE(g.ArrivalPass());
  EXPECT_NEAR(420 - g.PosX[1][0], 0.6f, 1e-4);
  g.WindX = 0.1f;  // against the westbound landing
  const float before = g.PosX[1][0];
  ASSERT_TRUE(g.ArrivalPass());
  EXPECT_NEAR(before - g.PosX[1][0], 0.5f, 1e-4);
  for (int tick = 0; tick < 20; ++tick) ASSERT_TRUE(g.ArrivalPass());
  EXPECT_EQ(g.PosY[1][0], 276.3f);
}

namespace {
struct ClimbCase {
  const char* what;
  int state;
  int targetAlt;
  int emergencyKind;
  bool emergencyOnThisAircraft;
  int alt, target;  // after one tick
};
}  // namespace

/** Altitude moves 50 ft a tick below Lock; losing altitude takes 5 ft, fuel exhausted 25 ft,
 *  first, and neither may climb; another aircraft's emergency changes nothing. */
TEST_F(ArrivalMotion, ClimbsAndDescendsAtItsRatesWithTheEmergencyDescents) {
  const ClimbCase cases[] = {
      {"descending", 5, 4000, 0, false, 4950, 4000},
      {"climbing", 5, 6000, 0, false, 5050, 6000},
      {"losing altitude, descending", 5, 4000, 1, true, 4945, 4000},
      {"losing altitude, level", 5, 5000, 1, true, 4995, 4995},
      {"losing altitude, told to climb", 5, 6000, 1, true, 4995, 4995},
      {"fuel exhausted, level", 5, 5000, 8, true, 4975, 4975},
      {"fuel exhausted, descending", 5, 4000, 8, true, 4925, 4000},
      {"losing altitude on Est", 7, 5000, 1, true, 4995, 4995},
      {"wide turns only, climbing", 5, 6000, 2, true, 5050, 6000},
      {"another aircraft losing altitude", 5, 5000, 1, false, 5000, 5000},
      {"Lock ignores the target: on the glide path at x 419.4", 8, 4000, 0, false, 6150, 6150},
      {"Down, losing altitude", 9, 5000, 1, true, 5000, 5000},
  };
  for (const ClimbCase& c : cases) {
    SCOPED_TRACE(c.what);
    flight::Put(g, {1, c.state, 420, 276.5f, 5000, 120, 270, 0});
    flight::Put(g, {2, 5, 100, 400, 8000, 120, 90, 0});
    g.TargetAlt[1] = static_cast<std::int16_t>(c.targetAlt);
    g.EmergencyKind = static_cast<std::int16_t>(c.emergencyKind);
    g.EmergencyAc = static_cast<std::int16_t>(c.emergencyOnThisAircraft ? 1 : 2);
    ASSERT_TRUE(g.ArrivalPass());
    EXPECT_EQ(g.AcAlt[1], c.alt);
    EXPECT_EQ(g.TargetAlt[1], c.target);
    EXPECT_EQ(g.List1[3].List(0), rt::Dec(c.alt));
  }
}

namespace {
struct TurnCase {
  const char* what;
  int state;
  int heading;
  int targetHeading;
  bool wideTurns;
  int ticks;
  int after;
};
}  // namespace

/** The heading turns 5 degrees a tick (1 with wide turns only) the way the target's sign says,
 *  stops on the heading it names, and wraps within 0..359. A holding circle never stops. */
TEST_F(ArrivalMotion, TurnsTowardsItsTargetHeadingAndStopsOnIt) {
  const TurnCase cases[] = {
      {"right to 90, reached in two ticks", 5, 80, 91, false, 3, 90},
      {"left from 0 wraps to 355", 5, 0, -301, false, 1, 355},
      {"right from 355 wraps to 0", 5, 355, 11, false, 1, 0},
      {"right the long way round", 5, 90, 81, false, 2, 100},
      {"left to 270", 5, 300, -271, false, 8, 270},
      {"target equal to the heading: no turn", 5, 90, 91, false, 3, 90},
      {"target 0: no turn", 5, 90, 0, false, 3, 90},
      {"wide turns only", 5, 90, 181, true, 3, 93},
      {"left to 1 under control stops at 1", 5, 10, -2, true, 20, 1},
      {"a holding circle with wide turns goes on through 1", 1, 10, -2, true, 20, 350},
      {"a holding circle", 1, 10, -2, false, 4, 350},
  };
  for (const TurnCase& c : cases) {
    SCOPED_TRACE(c.what);
    flight::Put(g, {1, c.state, 276, 200, 7000, 0, c.heading, c.targetHeading});
    g.EmergencyAc = 1;
    g.EmergencyKind = static_cast<std::int16_t>(c.wideTurns ? 2 : 0);
    for (int tick = 0; tick < c.ticks; ++tick) ASSERT_TRUE(g.ArrivalPass());
    EXPECT_EQ(g.AcHeading[1], c.after);
    EXPECT_EQ(g.List1[1].List(0), rt::Dec(c.after));
  }
}

/** Each tick the trail column of the cursor, rounded with halves to even, gets the position
 *  the aircraft had at the start of the tick; the other trail dots stay. */
TEST_F(ArrivalMotion, LaysItsTrailDotInTheCursorsColumnRoundedHalfToEven) {
  const struct {
    float cursor;
    int column;
  } cases[] = {{0.8f, 1}, {1.4f, 1}, {1.5f, 2}, {2.5f, 2}, {3.5f, 4}, {8.6f, 9}, {9.4f, 9}};
  for (const auto& c : cases) {
    SCOPED_TRACE(c.cursor);
    flight::Put(g, {1, 5, 200, 300, 5000, 200, 90, 91});
    flight::PutDeparture(g, 21, 1);
    for (const int slot : {1, 21})
      for (int k = 1; k <= 9; ++k) g.PosX[slot][k] = g.PosY[slot][k] = -1;
    g.TrailSlot = c.cursor;
    ASSERT_TRUE(flight::FlyTick(g));
    for (const int slot : {1, 21}) {
      const float startX = slot == 1 ? 200 : 296;
      const float startY = slot == 1 ? 300 : 256;
      for (int k = 1; k <= 9; ++k) {
        EXPECT_EQ(g.PosX[slot][k], k == c.column ? startX : -1) << "slot " << slot << " dot " << k;
        EXPECT_EQ(g.PosY[slot][k], k == c.column ? startY : -1) << "slot " << slot << " dot " << k;
      }
    }
  }
}

/** Arrivals in Lock and Down are not checked against the radar edge and the ground; every other
 *  live arrival is, with the position it has after this tick's move. */
TEST_F(ArrivalMotion, IsCheckedAgainstTheAirspaceOnlyBeforeLock) {
  for (const int state : {1, 5, 6, 7, 8, 9}) {
    SCOPED_TRACE(state);
    flight::FillGameTables(g);
    g.Text2.SetText("");
    flight::Put(g, {1, state, 20, 40, 3000, 120, 90, 0});  // outside the radar circle
    ASSERT_TRUE(g.ArrivalPass());
    const bool checked = state < 8;
    EXPECT_EQ(g.Text2.Text(), QString(checked ? "A Outside Radar Area\r\n" : ""));
    EXPECT_EQ(g.Safety, checked ? 99 : 100);
  }
}

/** A crash into the ground ends the tick at once: no later aircraft is moved or checked. */
TEST_F(ArrivalMotion, ACrashEndsThePassBeforeTheLaterAircraft) {
  flight::Put(g, {1, 5, 200, 300, 4000, 0, 90, 0});
  flight::Put(g, {2, 5, 206, 300, 4000, 200, 90, 0});  // would be a collision alert for A
  g.GroundBand[200][300] = 5;
  EXPECT_FALSE(g.ArrivalPass());
  EXPECT_EQ(g.GameOver, 3);
  EXPECT_EQ(g.Text2.Text(), QString("A CRASHED"));
  EXPECT_FLOAT_EQ(g.PosX[2][0], 206);
}
