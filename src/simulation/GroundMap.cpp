// The terrain height map, read from the radar terrain picture at every game's set-up.
#include "simulation/Vantix.h"

void Vantix::LoadGroundMap() {}

void Vantix::ShowLoadProgress(std::int16_t /*Row*/) {}
