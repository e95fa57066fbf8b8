// Aircraft and tables put in place as the new-game set-up and aircraft creation give them, so
// that a test can fly a few aircraft through the passes of a tick without a whole game.
#pragma once

#include <gtest/gtest.h>

#include <cstdint>

#include "simulation/Vantix.h"
#include "support/QStringPrinter.h"
#include "support/TestWorld.h"

namespace flight {

// A fixed start for a flight: landing runway 27L, no wind, full safety, level 1, the clock at
// 60:00, the trail cursor on column 1, no emergency.
void SetScenario(Vantix& g);

// The new-game set-up of level 1 (its tables, every slot free), then the fixed start.
void FillGameTables(Vantix& g);

struct Arrival {
  int slot;
  int state;
  float x;
  float y;
  int alt;
  int speed;
  int heading;
  int targetHeading;  // +(h + 1) right to h, -(h + 1) left to h, 0 none, -2 circle left
};

// An arrival with its targets at its present speed and altitude, all ten positions on (x, y),
// and its row in the aircraft table (rows above it are filled with blanks where missing).
void Put(Vantix& g, const Arrival& a);

// An arrival just created at its stack (1..4) at 7000 ft, a Cessna at 120 kt.
void PutAtStack(Vantix& g, int slot, int stack);

// A departure just created on its route (1..6), with the route's start record.
void PutDeparture(Vantix& g, int slot, int route);

// One tick's flying: the arrival pass, then the departure pass. False when the game ended at
// once in the arrival pass.
bool FlyTick(Vantix& g);

// A game window with the set-up's tables, for tests that fly aircraft through the passes.
class FlightTest : public ::testing::Test {
 protected:
  void SetUp() override { FillGameTables(g); }
  TestWorld world;
  Vantix& g = world.game();
};

}  // namespace flight
