// The radar edge, the terrain, collisions and the safety level.
#include "simulation/Vantix.h"

void Vantix::CheckAirspace(std::int16_t /*Slot*/, std::int16_t& Crashed) { Crashed = 0; }

void Vantix::Collide(std::int16_t /*Slot*/) {}

void Vantix::AddSafety(std::int16_t Delta, std::int16_t /*Slot*/, const QString& /*Msg*/) {
  Safety += Delta;
  if (Safety > 100) Safety = 100;
}
