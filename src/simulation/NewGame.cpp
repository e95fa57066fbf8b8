// The new-game set-up.
#include "simulation/Vantix.h"

void Vantix::InitGame() {
  Safety = 100;
  Landings = 0;
  for (int i = 1; i <= 30; ++i) AcState[i] = 0;
  for (int i = 1; i <= 20; ++i) LandTime[i] = 0;
  for (auto& column : List1) column.Clear();
}
