// Acts as the player does in a whole game: once at the set-up, then once in the wait after
// every tick.
#pragma once

#include <functional>

#include "support/TestWorld.h"

// The ticks a game has played so far, read off its clock once the tick's clock step has run
// (0 during the set-up).
inline int TicksPlayed(const Vantix& g) {
  return 3600 - (g.ClockMin * 60 + g.ClockSec);
}

class Player {
 public:
  explicit Player(TestWorld& world) : world_(world) {
    world.events.onYield = [this] { Yield(); };
  }
  std::function<void(Vantix&)> atSetUp;
  std::function<void(Vantix&, int tick)> afterTick;

 private:
  void Yield() {
    Vantix& g = world_.game();
    if (!setUp_) {
      setUp_ = true;
      if (atSetUp) atSetUp(g);
      return;
    }
    const int tick = TicksPlayed(g);
    if (tick == lastTick_) return;
    lastTick_ = tick;
    if (afterTick) afterTick(g, tick);
  }
  TestWorld& world_;
  bool setUp_ = false;
  int lastTick_ = 0;
};
