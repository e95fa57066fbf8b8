// The arrival and departure passes of a tick: every aircraft moves one game second along its
// heading, steps towards its targets, and the arrivals are checked against the airspace, their
// approach phase and every later aircraft.
#include <QString>
#include <cmath>
#include <cstdlib>

#include "platform/Numbers.h"
#include "simulation/Vantix.h"

namespace {

constexpr int kLastArrival = 20;
constexpr int kFirstDeparture = 21;
constexpr int kLastSlot = 30;

std::int16_t StepTowards(std::int16_t value, std::int16_t target, int rate) {
  return static_cast<std::int16_t>(value + rate * rt::Sgn(target - value));
}

// The trail dot of this run of ticks gets the position the aircraft has at the tick's start.
void LayTrailDot(Vantix& g, int slot) {
  const int column = rt::CInt(g.TrailSlot);
  if (column < 1 || column > 9) return;
  g.PosX[slot][column] = g.PosX[slot][0];
  g.PosY[slot][column] = g.PosY[slot][0];
}

// The letter a later slot is called by in a warning: its call sign, "?" for a departure.
QChar OtherCallSign(int slot) {
  static const QString kLetters = "ABCDEFGHIJKLMNOPQRST???????????????";
  return kLetters[slot - 1];
}

// Separation of arrival i from every later aircraft, arrivals and departures alike, i already
// moved in this tick and the later one not yet; the distance is half the sum of the pixel
// differences. False after a collision, which ends the game at once.
bool KeepsItsDistance(Vantix& g, int i) {
  const auto slot = static_cast<std::int16_t>(i);
  const QString callSign = CallSign(i);
  for (int j = i + 1; j <= kLastSlot; ++j) {
    if (g.AcState[j] <= 0 || std::abs(g.AcAlt[i] - g.AcAlt[j]) >= 1000) continue;
    const float d =
        (std::fabs(g.PosX[i][0] - g.PosX[j][0]) + std::fabs(g.PosY[i][0] - g.PosY[j][0])) / 2;
    if (d < 1) {
      // Under a pixel apart at another altitude the two pass above each other.
      if (g.AcAlt[i] == g.AcAlt[j]) {
        g.Collide(slot);
        return false;
      }
    } else if (d < 4) {
      g.AddSafety(-2, slot, callSign + " Collision alert with " + OtherCallSign(j));
    } else if (d >= 5 && d <= 10) {
      // The proximity band starts at 5: 4 up to 5 costs nothing.
      g.AddSafety(-1, slot, callSign + " Proximity to " + OtherCallSign(j));
    }
  }
  return true;
}

}  // namespace

bool Vantix::ArrivalPass() {
  for (int i = 1; i <= kLastArrival; ++i) {
    if (AcState[i] <= 0) continue;
    const auto slot = static_cast<std::int16_t>(i);
    const bool hasEmergency = EmergencyAc == i;
    const int row = i - 1;

    LayTrailDot(*this, i);

    // Moved with the heading and speed of the previous tick. From Est on the aircraft is on
    // the centre line and keeps its y: only the wind along the runway still acts on it.
    const double a = Radians(AcHeading[i]);
    PosX[i][0] = static_cast<float>(PosX[i][0] + std::sin(a) * AcSpeed[i] / 200 + WindX);
    if (AcState[i] < acstate::kEstablished)
      PosY[i][0] = static_cast<float>(PosY[i][0] + -std::cos(a) * AcSpeed[i] / 200 + WindY);

    if (TargetSpeed[i] != AcSpeed[i]) {
      AcSpeed[i] = StepTowards(AcSpeed[i], TargetSpeed[i], 1);
      List1[2].SetList(row, rt::Dec(AcSpeed[i]));
    }

    // Lock and Down fly the glide path and the runway: their altitude is the approach's alone.
    const bool sinking = hasEmergency && (EmergencyKind == 1 || EmergencyKind == 8);
    if (AcState[i] < acstate::kLocked && hasEmergency) {
      if (EmergencyKind == 1) AcAlt[i] = static_cast<std::int16_t>(AcAlt[i] - 5);
      if (EmergencyKind == 8) AcAlt[i] = static_cast<std::int16_t>(AcAlt[i] - 25);
    }
    if (TargetAlt[i] != AcAlt[i] && AcState[i] < acstate::kLocked) {
      // A sinking aircraft cannot climb: its target follows it down.
      if (sinking && TargetAlt[i] > AcAlt[i]) TargetAlt[i] = AcAlt[i];
      AcAlt[i] = StepTowards(AcAlt[i], TargetAlt[i], 50);
      List1[3].SetList(row, rt::Dec(AcAlt[i]));
    }

    // The turn ends on the heading the target names (target h + 1, signed by the direction).
    // A holding circle (target -2) is never ended this way, even when wide turns bring its
    // heading through 1: the aircraft stays in its stack until the controller takes it out.
    const bool holdingCircle = AcState[i] >= 1 && AcState[i] <= 4 && TargetHeading[i] == -2;
    if (std::abs(TargetHeading[i]) - 1 != AcHeading[i] || holdingCircle) {
      const int rate = hasEmergency && EmergencyKind == 2 ? 1 : 5;
      int heading = AcHeading[i] + rate * rt::Sgn(TargetHeading[i]);
      if (heading < 0) heading += 360;
      if (heading >= 360) heading -= 360;
      AcHeading[i] = static_cast<std::int16_t>(heading);
      List1[1].SetList(row, rt::Dec(AcHeading[i]));
    }

    if (AcState[i] != acstate::kLocked && AcState[i] != acstate::kDown) {
      std::int16_t crashed = 0;
      CheckAirspace(slot, crashed);
      if (crashed) return false;
    }

    switch (AcState[i]) {
      case 1:
      case 2:
      case 3:
      case 4:
        FlyHolding(slot);
        break;
      case acstate::kSeek:
        FlySeek(slot);
        break;
      case acstate::kEstablished:
        FlyEstablished(slot);
        break;
      case acstate::kLocked:
        FlyLocked(slot);
        break;
      case acstate::kDown: {
        std::int16_t cleared = 0;
        FlyRollout(slot, cleared);
        // The game seconds before this tick: the tick's own clock step comes later.
        if (cleared) LandTime[i] = static_cast<std::int16_t>(3600 - (ClockMin * 60 + ClockSec));
        break;
      }
      default:
        break;  // under control: the controller flies it
    }

    // An aircraft that has just cleared the runway is still tested in this tick.
    if (!KeepsItsDistance(*this, i)) return false;
  }
  return true;
}

void Vantix::DeparturePass() {
  for (int i = kFirstDeparture; i <= kLastSlot; ++i) {
    if (AcState[i] == 0) continue;

    LayTrailDot(*this, i);

    // The route counter: route x 1000 + (step + 1) x 100 + ticks until the next step.
    int counter = AcState[i] - 1;
    if (counter % 100 == 0) {
      const int route = counter / 1000;
      const int step = counter % 1000 / 100;
      if (route < 1 || route > 6) {
        counter = 0;  // no such route: the aircraft has left the radar's care
      } else {
        const std::int16_t* script = RouteTable[route];
        counter += 100 + script[8 + 3 * step];
        const std::int16_t value = script[7 + 3 * step];
        switch (script[6 + 3 * step]) {
          case 1:
            TargetSpeed[i] = value;
            break;
          case 2:
            TargetAlt[i] = value;
            break;
          case 3:
            TargetHeading[i] = static_cast<std::int16_t>(-value);
            break;
          case 4:
            TargetHeading[i] = value;
            break;
          case 9:
            counter = 0;
            break;  // leaves: the slot is free from the next tick
          default:
            break;
        }
      }
    }
    AcState[i] = static_cast<std::int16_t>(counter);

    // Departures fly their script over the ground: the wind does not move them.
    const double a = Radians(AcHeading[i]);
    PosX[i][0] = static_cast<float>(PosX[i][0] + std::sin(a) * AcSpeed[i] / 200);
    PosY[i][0] = static_cast<float>(PosY[i][0] + -std::cos(a) * AcSpeed[i] / 200);

    if (TargetSpeed[i] != AcSpeed[i]) AcSpeed[i] = StepTowards(AcSpeed[i], TargetSpeed[i], 1);
    if (TargetAlt[i] != AcAlt[i]) AcAlt[i] = StepTowards(AcAlt[i], TargetAlt[i], 50);

    // A departure's target is the heading itself, signed by the turn; north is 360.
    if (std::abs(TargetHeading[i]) != AcHeading[i]) {
      int heading = AcHeading[i] + 5 * rt::Sgn(TargetHeading[i]);
      if (heading < 5) heading = 360;
      if (heading > 360) heading = 5;
      AcHeading[i] = static_cast<std::int16_t>(heading);
    }
  }
}
