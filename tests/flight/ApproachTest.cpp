// The approach phases: holding, the centre-line capture of Seek, the glide-path capture of
// Est, the descent and touchdown of Lock, and the braking and clearing of Down.
#include <gtest/gtest.h>

#include <cmath>

#include "flight/FlightFixture.h"

using Approach = flight::FlightTest;

/** A holding aircraft flies straight in until it is past its stack's fix line (strictly),
 *  then circles left. */
TEST_F(Approach, AHoldingAircraftStartsCirclingOncePastItsFixLine) {
  const struct {
    int stack;
    float x, y;
    bool circles;
  } cases[] = {{1, 83, 125.0f, false},  {1, 83, 125.1f, true},   {2, 474, 125.0f, false},
               {2, 474, 125.1f, true},  {3, 115.0f, 444, false}, {3, 115.1f, 444, true},
               {4, 455.0f, 401, false}, {4, 454.9f, 401, true}};
  for (const auto& c : cases) {
    SCOPED_TRACE(testing::Message() << "stack " << c.stack << " at " << c.x << ", " << c.y);
    flight::PutAtStack(g, 1, c.stack);
    g.PosX[1][0] = c.x;
    g.PosY[1][0] = c.y;
    const int straight = g.TargetHeading[1];
    g.FlyHolding(1);
    EXPECT_EQ(g.TargetHeading[1], c.circles ? -2 : straight);
  }
}

/** Left alone, a holding aircraft circles over its stack for as long as the game lasts: the
 *  wind does not carry it off, and wide turns only make its circle wider. */
TEST_F(Approach, AHoldingAircraftNeverLeavesItsStackByItself) {
  for (const bool wideTurns : {false, true}) {
    SCOPED_TRACE(wideTurns ? "wide turns only" : "normal turns");
    flight::FillGameTables(g);
    g.WindX = 0.08f;
    g.WindY = -0.06f;
    flight::PutAtStack(g, 1, 4);
    g.EmergencyAc = 1;
    g.EmergencyKind = static_cast<std::int16_t>(wideTurns ? 2 : 0);
    while (g.TargetHeading[1] != -2) ASSERT_TRUE(g.ArrivalPass());
    const float cx = g.PosX[1][0], cy = g.PosY[1][0];
    float farthest = 0;
    int stillTicks = 0;
    for (int tick = 0; tick < 3600; ++tick) {
      const int heading = g.AcHeading[1];
      ASSERT_TRUE(g.ArrivalPass());
      if (g.AcHeading[1] == heading) ++stillTicks;
      farthest = std::max(farthest, std::hypot(g.PosX[1][0] - cx, g.PosY[1][0] - cy));
    }
    EXPECT_EQ(g.AcState[1], 4);
    EXPECT_EQ(stillTicks, 0);
    // A circle at 120 kt is 14 pixels across with 5-degree turns and 69 with 1-degree turns.
    EXPECT_LT(farthest, wideTurns ? 80 : 20);
  }
}

namespace {
struct SeekCase {
  const char* what;
  int runwayOffset;
  float x, y;
  int heading;
  int alt;
  int emergencyFour;  // the slot with "no lock above 2000ft", 0 none
  bool captured;
  int targetHeading;  // after a capture
};
}  // namespace

/** Seek captures the centre line when the aircraft is inside the approach cone (on the
 *  approach side of touchdown, T included, within 20 degrees of the runway heading) and the
 *  whole part of its y is 276; it then turns onto the runway heading the short way. */
TEST_F(Approach, SeekCapturesTheCentreLineInsideTheCone) {
  const SeekCase cases[] = {
      {"27L at T, 20 degrees left", 20, 296, 276.3f, 250, 3000, 0, true, 271},
      {"27L just short of T", 20, 295.9f, 276.3f, 250, 3000, 0, false, 0},
      {"27L 25 degrees off", 20, 350, 276.3f, 295, 3000, 0, false, 0},
      {"27L 20 degrees right", 20, 350, 276.3f, 290, 3000, 0, true, -271},
      {"27L on the runway heading", 20, 350, 276.3f, 270, 3000, 0, true, 0},
      {"y 275.99", 20, 350, 275.99f, 260, 3000, 0, false, 0},
      {"y 276.0", 20, 350, 276.0f, 260, 3000, 0, true, 271},
      {"y 276.99", 20, 350, 276.99f, 260, 3000, 0, true, 271},
      {"y 277.0", 20, 350, 277.0f, 260, 3000, 0, false, 0},
      {"09R at T, 20 degrees right", -20, 256, 276.0f, 110, 3000, 0, true, -91},
      {"09R just past T", -20, 256.5f, 276.0f, 110, 3000, 0, false, 0},
      {"09R 20 degrees left", -20, 200, 276.5f, 70, 3000, 0, true, 91},
      {"09R heading 270", -20, 200, 276.5f, 270, 3000, 0, false, 0},
      {"no lock above 2000ft, at 2000", 20, 350, 276.5f, 270, 2000, 1, true, 0},
      {"no lock above 2000ft, at 2050", 20, 350, 276.5f, 270, 2050, 1, false, 0},
      {"another aircraft's no lock at 2050", 20, 350, 276.5f, 270, 2050, 2, true, 0},
  };
  for (const SeekCase& c : cases) {
    SCOPED_TRACE(c.what);
    g.RunwayOffset = static_cast<std::int16_t>(c.runwayOffset);
    flight::Put(g, {1, 6, c.x, c.y, c.alt, 120, c.heading, c.heading + 1});
    g.EmergencyAc = static_cast<std::int16_t>(c.emergencyFour);
    g.EmergencyKind = 4;
    g.FlySeek(1);
    EXPECT_EQ(g.AcState[1], c.captured ? 7 : 6);
    EXPECT_EQ(g.List1[4].List(0), c.captured ? "Est" : "Seek");
    EXPECT_EQ(g.TargetHeading[1], c.captured ? c.targetHeading : c.heading + 1);
  }
}

namespace {
struct GlideCase {
  const char* what;
  int runwayOffset;
  float x;
  int heading;
  int alt;
  bool locked;
};
}  // namespace

/** Est locks on when the altitude band (whole part of alt / 100) equals the distance band
 *  (whole part of half the pixels from touchdown), inside the cone only; the no-lock
 *  emergency is not looked at any more. */
TEST_F(Approach, EstCapturesTheGlidePathWhereAltitudeAndDistanceBandsMeet) {
  const GlideCase cases[] = {
      {"2000 ft at 40 px", 20, 336, 270, 2000, true},
      {"2000 ft at 41.9 px", 20, 337.9f, 270, 2000, true},
      {"2000 ft at 42 px", 20, 338, 270, 2000, false},
      {"2000 ft at 39.9 px", 20, 335.9f, 270, 2000, false},
      {"2099 ft at 40 px", 20, 336, 270, 2099, true},
      {"past T", 20, 295, 270, 0, false},
      {"at T", 20, 296, 270, 0, true},
      {"off the runway heading", 20, 336, 291, 2000, false},
      {"09R, 2000 ft at 40 px", -20, 216, 90, 2000, true},
      {"09R past T", -20, 257, 90, 0, false},
      // x 76 + 2^-17 is 180 - 2^-17 px from T; single precision rounds that to 180 (a tie, to the
      // even neighbour), band 90, where double precision would give band 89.
      {"09R, 9000 ft at 180 px in single", -20, 76.0000076f, 90, 9000, true},
  };
  for (const GlideCase& c : cases) {
    SCOPED_TRACE(c.what);
    g.RunwayOffset = static_cast<std::int16_t>(c.runwayOffset);
    flight::Put(g, {1, 7, c.x, 276.5f, c.alt, 120, c.heading, 0});
    g.EmergencyAc = 1;
    g.EmergencyKind = 4;
    g.FlyEstablished(1);
    EXPECT_EQ(g.AcState[1], c.locked ? 8 : 7);
    EXPECT_EQ(g.List1[4].List(0), c.locked ? "Lock" : "Est");
  }
}

namespace {
struct LockCase {
  const char* what;
  int runwayOffset;
  float x;
  int alt;  // after the call
  bool touchdown;
};
}  // namespace

/** Lock sets the altitude to 50 ft for every started pixel from touchdown (the whole part of
 *  a negative distance is the next lower whole number) and touches down at 50 ft or less. */
TEST_F(Approach, LockFliesTheGlidePathAndTouchesDownAtFiftyFeet) {
  // 09R 180 px: x 76 - 2^-17 less T is -180 - 2^-17; single precision rounds that to -180 (a
  // tie, to the even neighbour), 9000 ft, where double precision would take -181, 9050 ft.
  const LockCase cases[] = {
      {"27L 40.5 px out", 20, 336.5f, 2000, false},  {"27L 41.5 px out", 20, 337.5f, 2050, false},
      {"27L 2.0 px out", 20, 298.0f, 100, false},    {"27L 1.9 px out", 20, 297.9f, 0, true},
      {"27L 1 px past T", 20, 295.0f, 0, true},      {"27L 1.1 px past T", 20, 294.9f, 100, false},
      {"09R 39.5 px out", -20, 216.5f, 2000, false}, {"09R 0.5 px out", -20, 255.5f, 0, true},
      {"09R 1.1 px out", -20, 254.9f, 100, false},   {"09R 1.9 px past T", -20, 257.9f, 0, true},
      {"09R 180 px", -20, 75.9999924f, 9000, false},
  };
  for (const LockCase& c : cases) {
    SCOPED_TRACE(c.what);
    g.RunwayOffset = static_cast<std::int16_t>(c.runwayOffset);
    flight::Put(g, {1, 8, c.x, 276.5f, 3000, 120, 270, 0});
    g.FlyLocked(1);
    EXPECT_EQ(g.AcAlt[1], c.alt);
    EXPECT_EQ(g.TargetAlt[1], c.alt);
    EXPECT_EQ(g.List1[3].List(0), QString::number(c.alt));
    EXPECT_EQ(g.AcState[1], c.touchdown ? 9 : 8);
    EXPECT_EQ(g.List1[4].List(0), c.touchdown ? "Down" : "Lock");
  }
}

/** Down brakes 4 kt a tick and stops once at 5 kt or below: from 150 kt the 37th tick brings it
 *  from 6 to 2 kt, from 149 kt the 36th tick to 5 kt. Stopping clears the runway: one more
 *  landing, and its landing time is the game time before that tick. */
TEST_F(Approach, DownBrakesToAStopAndClearsTheRunway) {
  struct Case {
    std::int16_t speed;
    int ticks;                // until it stops
    const char* lastRolling;  // the Knts cell of the tick before
  };
  for (const Case& c : {Case{150, 37, "6"}, Case{149, 36, "9"}}) {
    SCOPED_TRACE(testing::Message() << c.speed << " kt");
    flight::FillGameTables(g);
    flight::Put(g, {1, 9, 297, 276.5f, 0, c.speed, 270, 0});
    g.ClockMin = 58;
    g.ClockSec = 30;  // 90 game seconds gone
    QStringList knots;
    int ticks = 0;
    while (g.AcState[1] == 9 && ticks < 100) {
      ASSERT_TRUE(g.ArrivalPass());
      ++ticks;
      knots << g.List1[2].List(0);
      if (g.AcState[1] == 9) {
        EXPECT_EQ(g.LandTime[1], 0);
      }
    }
    EXPECT_EQ(ticks, c.ticks);
    EXPECT_EQ(knots.first(), QString::number(c.speed - 4));
    EXPECT_EQ(knots[c.ticks - 2], c.lastRolling);
    EXPECT_EQ(knots.last(), "0");
    EXPECT_EQ(g.AcSpeed[1], 0);
    EXPECT_EQ(g.AcState[1], -1);
    EXPECT_EQ(g.List1[4].List(0), "Clear");
    EXPECT_EQ(g.Landings, 1);
    EXPECT_EQ(g.LandTime[1], 90);
    // Cleared, it is no longer flown: neither moved nor counted again.
    const float x = g.PosX[1][0];
    g.ClockSec = 10;
    ASSERT_TRUE(g.ArrivalPass());
    EXPECT_EQ(g.PosX[1][0], x);
    EXPECT_EQ(g.Landings, 1);
    EXPECT_EQ(g.LandTime[1], 90);
  }
}

/** Stopped on the runway: the aircraft stops as usual, stands in the stop tick and the 49
 *  after it, unmoved by the wind, and clears in the next, which ends the emergency. */
TEST_F(Approach, AnAircraftStoppedOnTheRunwayStandsForItsCountThenClears) {
  flight::Put(g, {1, 9, 297, 276.5f, 0, 10, 270, 0});
  g.WindX = 0.07f;
  g.WindY = 0.05f;
  g.EmergencyAc = 1;
  g.EmergencyKind = 5;
  g.EmergencyTicks = 50;
  ASSERT_TRUE(g.ArrivalPass());  // 10 -> 6: still rolling, the count waits
  EXPECT_EQ(g.EmergencyTicks, 50);
  ASSERT_TRUE(g.ArrivalPass());  // 6 -> 2: stops, and stands
  const float x = g.PosX[1][0], y = g.PosY[1][0];
  for (int tick = 0; tick < 49; ++tick) ASSERT_TRUE(g.ArrivalPass());
  EXPECT_EQ(g.EmergencyTicks, 0);
  EXPECT_EQ(g.AcState[1], 9);
  EXPECT_EQ(g.List1[4].List(0), "Down");
  EXPECT_EQ(g.List1[2].List(0), "0");
  EXPECT_NEAR(g.PosX[1][0], x, 1e-4);
  EXPECT_EQ(g.PosY[1][0], y);
  ASSERT_TRUE(g.ArrivalPass());
  EXPECT_EQ(g.AcState[1], -1);
  EXPECT_EQ(g.List1[4].List(0), "Clear");
  EXPECT_EQ(g.EmergencyAc, 0);
  EXPECT_EQ(g.EmergencyKind, 0);
}

/** The level's landing count wins the game: 10 at level 1, 15 at level 2, 20 from level 3. */
TEST_F(Approach, TheLevelsLastLandingWinsTheGame) {
  const struct {
    int level, landingsBefore;
    bool wins;
  } cases[] = {{1, 9, true},   {1, 8, false}, {2, 9, false}, {2, 14, true},
               {3, 14, false}, {3, 19, true}, {6, 19, true}};
  for (const auto& c : cases) {
    SCOPED_TRACE(testing::Message() << "level " << c.level << ", landing " << c.landingsBefore + 1);
    flight::FillGameTables(g);
    g.Level = static_cast<std::int16_t>(c.level);
    g.Landings = static_cast<std::int16_t>(c.landingsBefore);
    flight::Put(g, {1, 9, 297, 276.5f, 0, 6, 270, 0});
    std::int16_t cleared = 0;
    g.FlyRollout(1, cleared);
    EXPECT_EQ(cleared, -1);
    EXPECT_EQ(g.Landings, c.landingsBefore + 1);
    EXPECT_EQ(g.GameOver, c.wins ? 2 : 0);
  }
}

/** A second clearing in the winning tick still counts, and the game stays won. */
TEST_F(Approach, ALandingAfterTheWinningOneInTheSameTickStillCounts) {
  g.Landings = 9;
  flight::Put(g, {1, 9, 297, 276.5f, 0, 6, 270, 0});
  flight::Put(g, {2, 9, 260, 276.5f, 0, 6, 270, 0});
  ASSERT_TRUE(g.ArrivalPass());
  EXPECT_EQ(g.Landings, 11);
  EXPECT_EQ(g.GameOver, 2);
}
