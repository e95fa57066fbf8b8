#include "flight/FlightFixture.h"

#include "platform/Numbers.h"

namespace flight {
namespace {

// Departure scripts: start x, y, speed, altitude, heading, an unused column, then steps of
// (command, value, ticks until the next step).
constexpr std::int16_t kRoutes[7][30] = {
    {},
    {296, 256, 100,  0,  270, 0,   1,  150, 40,  2,  4000, 70, 4, 340,
     30,  2,   7000, 40, 1,   190, 99, 3,   320, 95, 9,    9,  9},
    {296, 256, 100, 0, 270,  0,  1, 150, 40, 2, 4000, 99, 2, 4000, 30,
     3,   180, 99,  2, 7000, 99, 1, 190, 69, 4, 200,  60, 9, 9,    9},
    {190, 532, 190, 7000, 30, 0,   1,  190, 99, 2,  7000, 30, 4, 70,
     99,  4,   70,  80,   1,  190, 80, 4,   80, 70, 9,    9,  9},
    {256, 256,  100, 0, 90,  0,  1, 150, 40, 2, 4000, 70, 3, 290, 30,
     2,   7000, 40,  1, 190, 99, 4, 330, 99, 1, 190,  95, 9, 9,   9},
    {256, 256, 100, 0, 90,   0,  1, 150, 40, 2, 4000, 99, 4, 180, 60,
     4,   230, 99,  2, 6000, 99, 1, 190, 79, 3, 200,  99, 9, 9,   9},
    {190, 532, 190, 7000, 30, 0,   1,  190, 99, 2,  7000, 30, 4, 70,
     99,  4,   70,  80,   1,  190, 80, 4,   80, 70, 9,    9,  9},
};

constexpr const char* kStateNames[11] = {"",     "Stk1", "Stk2", "Stk3", "Stk4", " ",
                                         "Seek", "Est",  "Lock", "Down", ""};

void SetCells(Vantix& g, int slot) {
  for (auto& column : g.List1)
    while (column.ListCount() < slot) column.AddItem("");
  const int row = slot - 1;
  g.List1[0].SetList(row, QString(QChar(64 + slot)) + " Cessna");
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
  for (int i = 0; i <= 10; ++i) g.StateName[i] = kStateNames[i];
  for (int r = 0; r <= 6; ++r)
    for (int c = 0; c < 30; ++c) g.RouteTable[r][c] = kRoutes[r][c];
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
