// Aircraft creation at the stacks and on the departure routes.
#include "simulation/Vantix.h"

void Vantix::NewAircraft(std::int16_t /*Kind*/) {}
