// Choosing an aircraft, a command and a value on the panel.
#include "simulation/Vantix.h"

void Vantix::List1_Click(std::int16_t /*Index*/) {}
void Vantix::List2_Click() {}
void Vantix::Image1_MouseDown(std::int16_t, std::int16_t, float, float) {}
void Vantix::Image2_MouseDown(std::int16_t, std::int16_t, float, float) {}
void Vantix::SetSelector(std::int16_t /*Mode*/, std::int16_t /*Setting*/) {}
