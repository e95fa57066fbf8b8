// Aircraft creation: arrivals entering at the four holding stacks, departures on their routes.
#include <QChar>

#include "platform/Numbers.h"
#include "platform/Services.h"
#include "simulation/Vantix.h"

namespace {

// Where an arrival of each stack enters, just inside the radar circle, and its heading towards
// the stack's fix.
struct StackEntry {
  float x;
  float y;
  std::int16_t heading;
};
constexpr StackEntry kStackEntry[5] = {
    {0, 0, 0}, {76, 87, 180}, {474, 84, 200}, {75, 465, 80}, {510, 420, 290}};

constexpr std::int16_t kTypeSpeed[6] = {0, 120, 140, 180, 200, 220};

constexpr std::int16_t kFirstStackAltitude = 7000;
constexpr std::int16_t kStackFull = 10000;  // above 7000, 8000 and 9000
constexpr std::int16_t kDepartureKind = 9;
constexpr int kFirstDeparture = 21;
constexpr int kDepartureLimit = 30;  // slot 30 is never given

// The first slot number that the level's arrivals may not take: 10, 15 or 20 arrivals a game.
int ArrivalLimit(std::int16_t level) {
  if (level == 1) return 11;
  if (level == 2) return 16;
  return 21;
}

// The lowest stack altitude that no aircraft now holding in the stack has.
std::int16_t FreeStackAltitude(const Vantix& game, std::int16_t stack) {
  std::int16_t a = kFirstStackAltitude;
  for (int i = 1; i <= 20; ++i) {
    if (game.AcState[i] == stack && game.AcAlt[i] == a) {
      a = static_cast<std::int16_t>(a + 1000);
      i = 0;  // the scan starts again
    }
  }
  return a;
}

std::int16_t ArrivalType(std::int16_t level, rt::Random& random) {
  if (level == 1) return 1;
  const float choices = level == 2 ? 3.0f : 5.0f;
  return static_cast<std::int16_t>(rt::Int(random.Rnd() * choices) + 1);
}

}  // namespace

void Vantix::NewAircraft(std::int16_t Kind) {
  rt::Services& svc = rt::Svc();
  int n = Kind == kDepartureKind ? kFirstDeparture : 1;
  // At every request, whether or not an aircraft comes of it.
  svc.random.Randomize(svc.clock.Timer());

  const int limit = Kind == kDepartureKind ? kDepartureLimit : ArrivalLimit(Level);
  while (AcState[n] != 0) {
    ++n;
    if (n == limit) return;
  }

  float x = 0;
  float y = 0;
  if (Kind != kDepartureKind) {
    const auto stack =
        Kind != 0 ? Kind : static_cast<std::int16_t>(rt::Int(svc.random.Rnd() * 4.0f) + 1);
    const std::int16_t a = FreeStackAltitude(*this, stack);
    if (a == kStackFull) return;
    AcState[n] = stack;
    AcAlt[n] = TargetAlt[n] = a;
    const StackEntry& entry = kStackEntry[stack];
    x = entry.x;
    y = entry.y;
    AcHeading[n] = entry.heading;
    TargetHeading[n] = static_cast<std::int16_t>(entry.heading + 1);  // on course: no turn
    const std::int16_t type = ArrivalType(Level, svc.random);
    AcType[n] = type;
    AcSpeed[n] = TargetSpeed[n] = kTypeSpeed[type];

    // The arrival's row of the table: the k-th arrival of a game is always row k - 1.
    List1[0].AddItem(CallSign(n) + " " + TypeName[type]);
    List1[1].AddItem(rt::Dec(AcHeading[n]));
    List1[2].AddItem(rt::Dec(AcSpeed[n]));
    List1[3].AddItem(rt::Dec(AcAlt[n]));
    List1[4].AddItem(StateName[stack]);
  } else {
    // The route leaves from the end of the departure runway that suits the landing direction.
    auto route = static_cast<std::int16_t>(rt::Int(svc.random.Rnd() * 3.0f) + 1);
    if (RunwayOffset == -20) route = static_cast<std::int16_t>(route + 3);
    const std::int16_t* start = RouteTable[route];
    x = start[0];
    y = start[1];
    AcSpeed[n] = TargetSpeed[n] = start[2];
    AcAlt[n] = TargetAlt[n] = start[3];
    AcHeading[n] = TargetHeading[n] = start[4];
    // The route counter, whose first step runs in the departure's first tick.
    AcState[n] = static_cast<std::int16_t>(route * 1000 + 1);
  }

  // The aircraft and its whole trail start on the same point.
  for (int k = 0; k <= 9; ++k) {
    PosX[n][k] = x;
    PosY[n][k] = y;
  }
}
