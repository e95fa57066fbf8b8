// The radar picture, drawn afresh every tick, and the emergency line.
#include "simulation/Vantix.h"

void Vantix::RedrawRadar() { Draw().Cls(); }

void Vantix::ShowEmergencyLine() {}
