// Separation: every arrival against every later aircraft, in bands of half the sum of the
// pixel differences, for aircraft less than 1000 ft apart.
#include <gtest/gtest.h>

#include "flight/FlightFixture.h"

namespace {

using Separation = flight::FlightTest;

struct PairCase {
  const char* what;
  int i, j;      // the slots; j may be a departure (21..30)
  float dx, dy;  // j's offset from i, in pixels
  int altAbove;  // j's altitude above i's 5000 ft
  float loss;    // safety points lost
  const char* warnings;
  bool collision;
  float x = 200, y = 300;  // i's position
};

}  // namespace

/** The bands: under 1 at the same altitude a collision, at another altitude nothing; 1 up to
 *  4 a collision alert (-2); 4 up to 5 nothing; 5 to 10, both included, proximity (-1). Only
 *  pairs under 1000 ft apart count, and each pair is tested once, from the lower slot. */
TEST_F(Separation, WarnsOrEndsTheGameByTheBandOfTheDistance) {
  const PairCase cases[] = {
      {"touching, same altitude", 1, 2, 0.5f, 0.4f, 0, 0, "Collision", true},
      {"touching, 50 ft apart", 1, 2, 0.5f, 0.4f, 50, 0, "", false},
      {"touching, 999 ft apart", 1, 2, 0.5f, 0, -999, 0, "", false},
      {"d exactly 1", 1, 2, 1, 1, 0, 2, "A Collision alert with B\r\n", false},
      {"d 3.99", 1, 2, 4, 3.98f, 0, 2, "A Collision alert with B\r\n", false},
      {"d 2, 999 ft apart", 4, 9, -4, 0, 999, 2, "D Collision alert with I\r\n", false},
      {"d 2, 1000 ft apart", 1, 2, 4, 0, 1000, 0, "", false},
      {"d exactly 4", 1, 2, 8, 0, 0, 0, "", false},
      {"d 4.99", 1, 2, 0, -9.98f, 0, 0, "", false},
      {"d exactly 5", 1, 2, 6, 4, 0, 1, "A Proximity to B\r\n", false},
      {"d exactly 10", 1, 2, -20, 0, 0, 1, "A Proximity to B\r\n", false},
      {"d 10.01", 1, 2, 20.02f, 0, 0, 0, "", false},
      // y 7.6 and 27.6 in single are 20 + 2^-21 apart; single precision rounds that to 20, so d is
      // 10, where double precision would give 10.0000002 and no warning.
      {"d 10 near the radar's top", 1, 2, 0, 20, 0, 1, "A Proximity to B\r\n", false, 270, 7.6f},
      {"the last arrival", 19, 20, 12, 0, -500, 1, "S Proximity to T\r\n", false},
      {"a departure in proximity", 3, 21, 0, 12, 0, 1, "C Proximity to ?\r\n", false},
      {"a departure alerted", 1, 29, 2, 2, 300, 2, "A Collision alert with ?\r\n", false},
      {"touching a departure", 20, 30, 0, 0.2f, 0, 0, "Collision", true},
  };
  for (const PairCase& c : cases) {
    SCOPED_TRACE(c.what);
    flight::FillGameTables(g);
    for (int s = 1; s <= 30; ++s) g.AcState[s] = 0;
    g.Text2.SetText("");
    flight::Put(g, {c.i, 5, c.x, c.y, 5000, 0, 90, 0});
    if (c.j <= 20) {
      flight::Put(g, {c.j, 5, c.x + c.dx, c.y + c.dy, 5000 + c.altAbove, 0, 90, 0});
    } else {
      flight::PutDeparture(g, c.j, 1);
      g.PosX[c.j][0] = c.x + c.dx;
      g.PosY[c.j][0] = c.y + c.dy;
      g.AcAlt[c.j] = g.TargetAlt[c.j] = static_cast<std::int16_t>(5000 + c.altAbove);
    }
    EXPECT_EQ(g.ArrivalPass(), !c.collision);
    EXPECT_EQ(g.Text2.Text(), QString(c.warnings));
    if (c.collision) {
      EXPECT_EQ(g.GameOver, 6);
    } else {
      EXPECT_EQ(g.GameOver, 0);
      EXPECT_EQ(g.Safety, 100 - c.loss);
    }
  }
}

/** The distance is taken with the earlier aircraft already moved in this tick and the later
 *  one where it stood before: 4.75 here, where both moved or neither would give 5.25. */
TEST_F(Separation, MeasuresTheLaterAircraftBeforeItsOwnMove) {
  flight::Put(g, {1, 5, 100, 200, 5000, 200, 90, 91});
  flight::Put(g, {2, 5, 110.5f, 200, 5000, 200, 90, 91});
  ASSERT_TRUE(g.ArrivalPass());
  EXPECT_EQ(g.Text2.Text(), "");
  EXPECT_EQ(g.Safety, 100);
}

/** A pair stays costly in every tick it stays in its band. */
TEST_F(Separation, CostsItsPointsInEveryTickThePairStaysClose) {
  flight::Put(g, {1, 5, 100, 200, 5000, 0, 90, 0});
  flight::Put(g, {2, 5, 104, 200, 5000, 0, 90, 0});
  for (int tick = 0; tick < 3; ++tick) ASSERT_TRUE(g.ArrivalPass());
  EXPECT_EQ(g.Safety, 94);
  EXPECT_EQ(g.Text2.Text(), QString("A Collision alert with B\r\n").repeated(3));
}

/** The aircraft that clears the runway in this tick is still tested against the later ones. */
TEST_F(Separation, TestsAnArrivalInTheTickItClearsTheRunway) {
  flight::Put(g, {1, 9, 290, 276.5f, 0, 6, 270, 0});
  flight::Put(g, {2, 9, 300, 276.5f, 0, 100, 270, 0});
  ASSERT_TRUE(g.ArrivalPass());
  EXPECT_EQ(g.AcState[1], -1);
  EXPECT_EQ(g.Text2.Text(), "A Proximity to B\r\n");
}

/** Departures are never tested against each other, and slots that are free or have cleared
 *  the runway are not tested at all. */
TEST_F(Separation, NeverTestsTwoDeparturesOrSlotsNoLongerFlying) {
  flight::Put(g, {1, 5, 100, 400, 5000, 0, 90, 0});
  flight::Put(g, {2, 5, 100, 400, 5000, 0, 90, 0});
  g.AcState[2] = -1;  // cleared, and standing just where the live arrival is
  flight::Put(g, {3, 5, 100, 400, 5000, 0, 90, 0});
  g.AcState[3] = 0;
  flight::PutDeparture(g, 21, 1);
  flight::PutDeparture(g, 22, 1);  // on the same take-off point as 21
  EXPECT_TRUE(flight::FlyTick(g));
  EXPECT_EQ(g.GameOver, 0);
  EXPECT_EQ(g.Text2.Text(), "");
}
