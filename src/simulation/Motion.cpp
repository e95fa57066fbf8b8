// The arrival and departure passes of a tick.
#include "simulation/Vantix.h"

bool Vantix::ArrivalPass() { return true; }

void Vantix::DeparturePass() {}
