// The approach phases: holding in a stack, Seek (looking for the centre line), Est (on the
// centre line, looking for the glide path), Lock (on the glide path) and Down (on the runway).
// The tick's motion has already moved the aircraft; these decide the phase changes.
#include <cmath>
#include <cstdlib>

#include "platform/Numbers.h"
#include "simulation/Vantix.h"

using namespace acstate;

namespace {

bool LandingWestwards(const Vantix& g) {
  return g.RunwayOffset > 0;
}

// The touchdown point on the landing runway's centre line.
int Touchdown(const Vantix& g) {
  return 276 + g.RunwayOffset;
}

// On the approach side of the touchdown point and within 20 degrees of the runway heading.
// The cone has no bound across the centre line.
bool InsideCone(const Vantix& g, int slot) {
  const float x = g.PosX[slot][0];
  const int heading = g.AcHeading[slot];
  if (LandingWestwards(g)) return !(x < 296 || std::abs(heading - 270) > 20);
  return !(x > 256 || std::abs(heading - 90) > 20);
}

void ShowStatus(Vantix& g, int slot, const QString& status) {
  g.List1[4].SetList(slot - 1, status);
}

}  // namespace

void Vantix::FlyHolding(std::int16_t Slot) {
  // A holding aircraft keeps its place over the stack: the tick's drift is taken off again.
  PosX[Slot][0] -= WindX;
  PosY[Slot][0] -= WindY;
  if (TargetHeading[Slot] == -2) return;

  // It flies straight in from the radar edge and starts circling left once past its fix.
  bool pastFix = false;
  switch (AcState[Slot]) {
    case 1:
    case 2:
      pastFix = PosY[Slot][0] > 125;
      break;
    case 3:
      pastFix = PosX[Slot][0] > 115;
      break;
    case 4:
      pastFix = PosX[Slot][0] < 455;
      break;
    default:
      break;
  }
  if (pastFix) TargetHeading[Slot] = -2;
}

void Vantix::FlySeek(std::int16_t Slot) {
  if (!InsideCone(*this, Slot)) return;
  // Emergency 4: no lock above 2000 ft.
  if (EmergencyAc == Slot && EmergencyKind == 4 && AcAlt[Slot] > 2000) return;
  if (rt::Int(PosY[Slot][0]) != 276) return;

  // Captured on the centre line: turn onto the runway heading, the short way.
  AcState[Slot] = kEstablished;
  ShowStatus(*this, Slot, StateName[kEstablished]);
  const int runwayHeading = LandingWestwards(*this) ? 270 : 90;
  TargetHeading[Slot] =
      static_cast<std::int16_t>((runwayHeading + 1) * rt::Sgn(runwayHeading - AcHeading[Slot]));
}

void Vantix::FlyEstablished(std::int16_t Slot) {
  if (!InsideCone(*this, Slot)) return;
  // The glide path falls 100 ft per 2 pixels towards the touchdown point.
  const float distanceBand = std::floor(std::fabs(PosX[Slot][0] - Touchdown(*this)) / 2.0f);
  const float altitudeBand = std::floor(AcAlt[Slot] / 100.0f);
  if (distanceBand != altitudeBand) return;
  AcState[Slot] = kLocked;
  ShowStatus(*this, Slot, StateName[kLocked]);
}

void Vantix::FlyLocked(std::int16_t Slot) {
  // 50 ft for every started pixel from the touchdown point, on either side of it.
  const float d = std::floor(PosX[Slot][0] - Touchdown(*this));
  AcAlt[Slot] = rt::CInt(std::fabs(d) * 50);
  TargetAlt[Slot] = AcAlt[Slot];
  List1[3].SetList(Slot - 1, rt::Dec(AcAlt[Slot]));
  if (AcAlt[Slot] > 50) return;

  AcAlt[Slot] = 0;
  TargetAlt[Slot] = 0;
  List1[3].SetList(Slot - 1, "0");
  AcState[Slot] = kDown;
  ShowStatus(*this, Slot, StateName[kDown]);
}

void Vantix::FlyRollout(std::int16_t Slot, std::int16_t& Cleared) {
  Cleared = 0;
  // Braking; the target follows so that the tick's speed step does not work against it.
  AcSpeed[Slot] = static_cast<std::int16_t>(AcSpeed[Slot] - 4);
  TargetSpeed[Slot] = AcSpeed[Slot];
  List1[2].SetList(Slot - 1, rt::Dec(AcSpeed[Slot]));
  if (AcSpeed[Slot] > 5) return;

  AcSpeed[Slot] = 0;
  List1[2].SetList(Slot - 1, "0");

  // Emergency 5: stopped on the runway for its count; the wind does not move it meanwhile.
  if (EmergencyKind == 5 && EmergencyAc == Slot && EmergencyTicks > 0) {
    EmergencyTicks = static_cast<std::int16_t>(EmergencyTicks - 1);
    PosX[Slot][0] -= WindX;
    return;
  }

  ShowStatus(*this, Slot, "Clear");
  AcState[Slot] = kCleared;
  // Clearing the runway ends the aircraft's emergency, whatever it was.
  if (EmergencyAc == Slot) {
    EmergencyAc = 0;
    EmergencyKind = 0;
  }
  Landings = static_cast<std::int16_t>(Landings + 1);
  Cleared = -1;
  if ((Level == 1 && Landings == 10) || (Level == 2 && Landings == 15) ||
      (Level >= 3 && Level <= 6 && Landings == 20))
    GameOver = 2;
}
