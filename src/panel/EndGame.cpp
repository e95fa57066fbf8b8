// Ending a game from the game window.
#include "simulation/Vantix.h"

void Vantix::Command1_Click() {}

void Vantix::Form_QueryUnload(std::int16_t& Cancel, int /*UnloadMode*/) {
  // The game window is never closed: it is only hidden at a game's end.
  Cancel = -1;
}
