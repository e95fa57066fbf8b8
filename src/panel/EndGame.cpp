// Ending a game from the game window: the End Game button and the window's close box ask the
// same question. The game window itself is never closed, only hidden at a game's end.
#include "platform/Services.h"
#include "simulation/Vantix.h"

void Vantix::Command1_Click() {
  // The game stands still while the question is open. OK gives the game up: the current tick
  // still ends as usual, and the tick loop then finds the reason and ends the game.
  if (rt::Svc().dialogs.MsgBox("Are you sure you want to exit", true)) GameOver = 1;
}

void Vantix::Form_QueryUnload(std::int16_t& Cancel, int /*UnloadMode*/) {
  Cancel = -1;
  // While the tutorial shows this window it is disabled: its close box, like End Game, does
  // nothing then.
  if (!Enabled()) return;
  Command1_Click();
}
