// The panel's choices: the commands of its command list, by their place in it, and the
// aircraft chosen in the Type column.
#pragma once

#include "simulation/Vantix.h"

namespace panel {

constexpr int kLeft = 0;
constexpr int kRight = 1;
constexpr int kCircleLeft = 2;
constexpr int kCircleRight = 3;
constexpr int kAltitude = 4;
constexpr int kSpeed = 5;
constexpr int kMaintain = 6;

// The slot of the aircraft chosen in the Type column; slot 0 (whose heading, altitude and
// speed are always 0) when no row is chosen.
inline int ChosenSlot(const Vantix& game) {
  const int slot = game.List1[0].ListIndex() + 1;
  return slot >= 1 && slot <= 20 ? slot : 0;
}

}  // namespace panel
