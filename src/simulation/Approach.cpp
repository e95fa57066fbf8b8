// The approach phases: holding, Seek, Est, Lock and Down.
#include "simulation/Vantix.h"

void Vantix::FlyHolding(std::int16_t /*Slot*/) {}
void Vantix::FlySeek(std::int16_t /*Slot*/) {}
void Vantix::FlyEstablished(std::int16_t /*Slot*/) {}
void Vantix::FlyLocked(std::int16_t /*Slot*/) {}
void Vantix::FlyRollout(std::int16_t /*Slot*/, std::int16_t& Cleared) { Cleared = 0; }
