#include "flight/FlightFixture.h"

#include "platform/Numbers.h"

namespace flight {
namespace {

void SetCells(Vantix& g, int slot) {
  for (auto& column : g.List1)
    while (column.ListCount() < slot) column.AddItem("");
  const int row = slot - 1;
  g.List1[0].SetList(row, CallSign(slot) + " Cessna");
  g.List1[1].SetList(row, rt::Dec(g.AcHeading[slot]));
  g.List1[2].SetList(row, rt::Dec(g.AcSpeed[slot]));
  g.List1[3].SetList(row, rt::Dec(g.AcAlt[slot]));
  g.List1[4].SetList(row, g.StateName[g.AcState[slot]]);
}

void PlaceAt(Vantix& g, int slot, float x, float y) {
  for (int k = 0; k <= 9; ++k) {
    g.PosX[slot][k] = x;
    g.PosY[slot][k] = y;
  }
}

}  // namespace

void FillGameTables(Vantix& g) {
  g.Level = 1;
  g.InitGame();
  SetScenario(g);
}

void SetScenario(Vantix& g) {
  g.RunwayOffset = 20;
  g.WindX = 0;
  g.WindY = 0;
  g.Safety = 100;
  g.Landings = 0;
  g.Level = 1;
  g.ClockMin = 60;
  g.ClockSec = 0;
  g.TrailSlot = 1;
  g.GameOver = 0;
  g.EmergencyAc = 0;
  g.EmergencyKind = 0;
  g.EmergencyTicks = 0;
}

void Put(Vantix& g, const Arrival& a) {
  const int s = a.slot;
  g.AcState[s] = static_cast<std::int16_t>(a.state);
  g.AcType[s] = 1;
  g.AcAlt[s] = g.TargetAlt[s] = static_cast<std::int16_t>(a.alt);
  g.AcSpeed[s] = g.TargetSpeed[s] = static_cast<std::int16_t>(a.speed);
  g.AcHeading[s] = static_cast<std::int16_t>(a.heading);
  g.TargetHeading[s] = static_cast<std::int16_t>(a.targetHeading);
  PlaceAt(g, s, a.x, a.y);
  SetCells(g, s);
}

void PutAtStack(Vantix& g, int slot, int stack) {
  struct Entry {
    float x, y;
    int heading;
  };
  constexpr Entry kEntries[5] = {{}, {76, 87, 180}, {474, 84, 200}, {75, 465, 80}, {510, 420, 290}};
  const Entry& e = kEntries[stack];
  Put(g, {slot, stack, e.x, e.y, 7000, 120, e.heading, e.heading + 1});
}

void PutDeparture(Vantix& g, int slot, int route) {
  const std::int16_t* start = g.RouteTable[route];
  g.AcState[slot] = static_cast<std::int16_t>(route * 1000 + 1);
  g.AcType[slot] = 0;
  g.AcSpeed[slot] = g.TargetSpeed[slot] = start[2];
  g.AcAlt[slot] = g.TargetAlt[slot] = start[3];
  g.AcHeading[slot] = g.TargetHeading[slot] = start[4];
  PlaceAt(g, slot, start[0], start[1]);
}

bool FlyTick(Vantix& g) {
  if (!g.ArrivalPass()) return false;
  g.DeparturePass();
  return true;
}

}  // namespace flight
