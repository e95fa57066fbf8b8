// Departures: the route scripts with their counter, and the motion of a departure.
#include <gtest/gtest.h>

#include <map>

#include "flight/FlightFixture.h"

using Departure = flight::FlightTest;

/** Route 1 runs its steps in the ticks its counter gives them: the 150 kt target in its first
 *  tick, then every step after its tick count, and the leave step in its 375th tick, in
 *  which it still moves; from the next tick on its slot is free and it stands. */
TEST_F(Departure, FliesRouteOneStepByStepAndLeavesInItsThreeHundredAndSeventyFifthTick) {
  flight::PutDeparture(g, 21, 1);
  struct Targets {
    int speed, alt, heading;
    bool operator!=(const Targets& o) const {
      return speed != o.speed || alt != o.alt || heading != o.heading;
    }
  };
  auto targets = [&] { return Targets{g.TargetSpeed[21], g.TargetAlt[21], g.TargetHeading[21]}; };
  std::map<int, Targets> changes;
  int leftIn = 0;
  float x = 0, y = 0;
  for (int tick = 1; tick <= 400 && leftIn == 0; ++tick) {
    const Targets before = targets();
    x = g.PosX[21][0];
    y = g.PosY[21][0];
    g.DeparturePass();
    if (targets() != before) changes[tick] = targets();
    if (tick == 1) {
      EXPECT_EQ(g.AcState[21], 1140);  // the second step of route 1 in 40 ticks
    }
    if (g.AcState[21] == 0) leftIn = tick;
  }
  const std::map<int, Targets> expected = {
      {1, {150, 0, 270}},      {41, {150, 4000, 270}},  {111, {150, 4000, 340}},
      {141, {150, 7000, 340}}, {181, {190, 7000, 340}}, {280, {190, 7000, -320}},
  };
  ASSERT_EQ(changes.size(), expected.size());
  for (const auto& [tick, t] : expected) {
    SCOPED_TRACE(tick);
    ASSERT_TRUE(changes.count(tick));
    EXPECT_FALSE(changes[tick] != t);
  }
  EXPECT_EQ(leftIn, 375);
  EXPECT_TRUE(g.PosX[21][0] != x || g.PosY[21][0] != y);  // moved in its last tick
  const float lastX = g.PosX[21][0];
  g.DeparturePass();
  EXPECT_EQ(g.PosX[21][0], lastX);
}

/** A departure steps 1 kt and 50 ft a tick towards its targets from the tick they are set. */
TEST_F(Departure, ClimbsAndAcceleratesAtItsRates) {
  flight::PutDeparture(g, 21, 1);
  g.DeparturePass();
  EXPECT_EQ(g.AcSpeed[21], 101);
  for (int tick = 2; tick <= 41; ++tick) g.DeparturePass();
  EXPECT_EQ(g.AcSpeed[21], 141);
  EXPECT_EQ(g.AcAlt[21], 50);
  for (int tick = 42; tick <= 120; ++tick) g.DeparturePass();
  EXPECT_EQ(g.AcSpeed[21], 150);
  EXPECT_EQ(g.AcAlt[21], 4000);
}

/** A departure's headings run 5..360, north being 360, and its turns end on the target heading
 *  itself (no + 1). */
TEST_F(Departure, TurnsWithinFiveTo360) {
  const struct {
    int heading, target, ticks, after;
  } cases[] = {{355, 10, 1, 360},  {355, 10, 2, 5},    {355, 10, 4, 10},   {10, -355, 1, 5},
               {10, -355, 2, 360}, {10, -355, 4, 355}, {270, 270, 3, 270}, {270, -270, 3, 270}};
  for (const auto& c : cases) {
    SCOPED_TRACE(testing::Message() << c.heading << " towards " << c.target);
    flight::PutDeparture(g, 21, 3);  // its first step sets only the speed
    g.AcHeading[21] = static_cast<std::int16_t>(c.heading);
    g.TargetHeading[21] = static_cast<std::int16_t>(c.target);
    for (int tick = 0; tick < c.ticks; ++tick) g.DeparturePass();
    EXPECT_EQ(g.AcHeading[21], c.after);
  }
}

/** Departures fly over the ground: the wind does not move them. */
TEST_F(Departure, IsNotDriftedByTheWind) {
  g.WindX = 0.1f;
  g.WindY = -0.1f;
  flight::PutDeparture(g, 21, 1);
  g.DeparturePass();
  EXPECT_NEAR(g.PosX[21][0], 295.5f, 1e-4);     // 100 kt due west
  EXPECT_NEAR(g.PosY[21][0], 256.0012f, 1e-4);  // -cos(4.71) = 0.0024
}
