// The new-game set-up: the game's fixed tables, full safety, free slots, no emergency, an empty
// panel, and the wind of the game, which also chooses the landing runway.
#include <cmath>

#include "platform/Numbers.h"
#include "platform/Services.h"
#include "simulation/Vantix.h"

using rt::Rgb;

namespace {

// The departure scripts: where a departure starts, then its steps, each a command (1 target
// speed, 2 target altitude, 3 turn left to, 4 turn right to, 9 leave), its value and the ticks
// to the next step.
struct RouteStep {
  std::int16_t command, value, ticks;
};
struct RouteScript {
  std::int16_t x, y, speed, altitude, heading;
  RouteStep steps[8];
};
// clang-format off
constexpr RouteScript kRoutes[6] = {
    // 1 and 2 off the departure runway's east end westwards, under 27L.
    {296, 256, 100, 0, 270,
     {{1, 150, 40}, {2, 4000, 70}, {4, 340, 30}, {2, 7000, 40}, {1, 190, 99}, {3, 320, 95},
      {9, 9, 9}}},
    {296, 256, 100, 0, 270,
     {{1, 150, 40}, {2, 4000, 99}, {2, 4000, 30}, {3, 180, 99}, {2, 7000, 99}, {1, 190, 69},
      {4, 200, 60}, {9, 9, 9}}},
    // 3 (and 6) in the air near the south edge, crossing to the north-east.
    {190, 532, 190, 7000, 30,
     {{1, 190, 99}, {2, 7000, 30}, {4, 70, 99}, {4, 70, 80}, {1, 190, 80}, {4, 80, 70},
      {9, 9, 9}}},
    // 4 and 5 off the west end eastwards, under 09R.
    {256, 256, 100, 0, 90,
     {{1, 150, 40}, {2, 4000, 70}, {3, 290, 30}, {2, 7000, 40}, {1, 190, 99}, {4, 330, 99},
      {1, 190, 95}, {9, 9, 9}}},
    {256, 256, 100, 0, 90,
     {{1, 150, 40}, {2, 4000, 99}, {4, 180, 60}, {4, 230, 99}, {2, 6000, 99}, {1, 190, 79},
      {3, 200, 99}, {9, 9, 9}}},
    {190, 532, 190, 7000, 30,
     {{1, 190, 99}, {2, 7000, 30}, {4, 70, 99}, {4, 70, 80}, {1, 190, 80}, {4, 80, 70},
      {9, 9, 9}}},
};
// clang-format on

// Writes a script into its row of the route table; the columns after its leave step stay 0.
void WriteRoute(std::int16_t (&row)[41], const RouteScript& route) {
  row[0] = route.x;
  row[1] = route.y;
  row[2] = route.speed;
  row[3] = route.altitude;
  row[4] = route.heading;
  row[5] = 0;
  for (int s = 0; s < 8; ++s) {
    row[6 + 3 * s] = route.steps[s].command;
    row[7 + 3 * s] = route.steps[s].value;
    row[8 + 3 * s] = route.steps[s].ticks;
  }
}

constexpr std::int16_t kSpeedRange[6][2] = {{0, 0},     {100, 140}, {120, 160},
                                            {160, 200}, {180, 220}, {200, 260}};

// The status texts of the arrival states: the four stacks, under control, Seek, Est, Lock, Down.
const char* const kStateNames[10] = {"",  "Stk1", "Stk2", "Stk3", "Stk4",
                                     " ", "Seek", "Est",  "Lock", "Down"};
const char* const kTypeNames[6] = {"", "Cessna", "Learjet", "DC10", "747", "C'corde "};
const char* const kEmergencyTexts[6] = {"",
                                        " Losing altitude",
                                        " Wide turns only",
                                        " Losing fuel (",
                                        " No lock above 2000ft",
                                        " Stopped on runway "};
// Departures are red; then blue, magenta, cyan, yellow and white by type.
constexpr rt::Colour kTypeColours[6] = {Rgb(255, 0, 0),   Rgb(0, 0, 255),   Rgb(255, 0, 255),
                                        Rgb(0, 255, 255), Rgb(255, 255, 0), Rgb(255, 255, 255)};

constexpr int kGaugeTop = 430;

}  // namespace

void Vantix::InitGame() {
  for (int r = 1; r <= 6; ++r) WriteRoute(RouteTable[r], kRoutes[r - 1]);

  Safety = 100;
  Landings = 0;

  // The gauge all green: the red part empty above a green column of 100 pixels.
  Label3.SetHeight(0);
  Label3.SetTop(kGaugeTop);
  Label4.SetTop(kGaugeTop);
  Label4.SetHeight(100);
  Label4.SetCaption(rt::Dec(static_cast<long long>(rt::Int(Safety))) + "%");

  for (int t = 1; t <= 5; ++t) {
    SpeedRange[t][0] = kSpeedRange[t][0];
    SpeedRange[t][1] = kSpeedRange[t][1];
  }

  // Every slot free; the other fields wait for the slot's next aircraft.
  for (int i = 1; i <= 30; ++i) AcState[i] = 0;
  for (int i = 1; i <= 20; ++i) LandTime[i] = 0;

  for (int s = 1; s <= 9; ++s) StateName[s] = kStateNames[s];
  for (int t = 5; t >= 1; --t) TypeName[t] = kTypeNames[t];
  for (int k = 1; k <= 5; ++k) EmergencyText[k] = kEmergencyTexts[k];
  for (int t = 0; t <= 5; ++t) TypeColour[t] = kTypeColours[t];

  // Nothing of the last game's emergency, screen fault or lost radio goes on.
  EmergencyAc = 0;
  EmergencyTicks = 0;
  EmergencyKind = 0;
  CrtFault = 0;
  RadioLostAc = 0;
  RadioLostTicks = 0;

  Text2.SetText("");
  Text3.SetText("");
  for (auto& column : List1) column.Clear();
  Check1.SetValue(0);

  // The wind: the direction d towards which it drifts the aircraft decides the landing runway,
  // against the east-west part of the drift.
  rt::Random& random = rt::Svc().random;
  const auto d = static_cast<int>(rt::Int(random.Rnd() * 360.0f));
  if (d < 180) {
    RunwayOffset = 20;
    Label12.SetCaption("<-- 27L ---");
  } else {
    RunwayOffset = -20;
    Label12.SetCaption("--- 09R -->");
  }
  WindX = static_cast<float>(std::sin(Radians(d)));
  WindY = static_cast<float>(-std::cos(Radians(d)));
  // The marker 22 pixels from the wind dial's middle, at the dial's label for d.
  Shape2.SetShapeLeft(42.0f + WindX * 22.0f);
  Shape2.SetShapeTop(502.0f + WindY * 22.0f);
  const auto w = static_cast<std::int16_t>(rt::Int(random.Rnd() * 18.0f) + 2 + Level);
  // 200 kt of wind drift an aircraft one pixel per tick.
  WindX = WindX * w / 200;
  WindY = WindY * w / 200;
  Label8.SetCaption(rt::Dec(w));

  List1[0].SetListIndex(-1);
  List2.SetListIndex(-1);
  // No aircraft chosen: slot 0's heading, always 0, puts the marker at the top of the dial.
  SetSelector(0, AcHeading[List1[0].ListIndex() + 1]);
}
