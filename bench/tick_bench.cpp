// The work of one tick in a full sky: 20 arrivals (twelve holding, four on the approach, four
// under control) and 9 departures, through the arrival and departure passes, the clock step,
// the radar redraw and the emergency line. The wait at the tick's end is not part of it.
// Prints the median and the spread over many ticks, in microseconds.
#include <QApplication>
#include <algorithm>
#include <chrono>
#include <cstdio>
#include <vector>

#include "Bench.h"
#include "support/TestWorld.h"

namespace {

constexpr int kEpisodes = 40;
constexpr int kTicksPerEpisode = 300;

void Place(Vantix& g, int slot, int state, float x, float y, int alt, int speed, int heading,
           int targetHeading) {
  g.AcState[slot] = static_cast<std::int16_t>(state);
  g.AcType[slot] = static_cast<std::int16_t>(slot <= 20 ? 1 + slot % 5 : 0);
  g.AcAlt[slot] = g.TargetAlt[slot] = static_cast<std::int16_t>(alt);
  g.AcSpeed[slot] = g.TargetSpeed[slot] = static_cast<std::int16_t>(speed);
  g.AcHeading[slot] = static_cast<std::int16_t>(heading);
  g.TargetHeading[slot] = static_cast<std::int16_t>(targetHeading);
  for (int k = 0; k <= 9; ++k) {
    g.PosX[slot][k] = x;
    g.PosY[slot][k] = y;
  }
}

// A busy sky, set afresh for every episode: the holding stacks full, a queue on the centre
// line, four aircraft being vectored, and the departures spread over their routes.
void FillTheSky(Vantix& g) {
  const float fixes[4][2] = {{83, 130}, {470, 130}, {120, 444}, {450, 401}};
  for (int stack = 1; stack <= 4; ++stack)
    for (int layer = 0; layer < 3; ++layer) {
      const int slot = (stack - 1) * 3 + layer + 1;
      Place(g, slot, stack, fixes[stack - 1][0] + 3 * layer, fixes[stack - 1][1],
            7000 + 1000 * layer, 120 + 20 * layer, 90 * layer, -2);
    }
  // Two on the centre line far enough apart to land one after the other, two still seeking.
  Place(g, 13, 6, 380, 276.5f, 2000, 200, 270, 271);
  Place(g, 14, 6, 470, 276.5f, 2000, 200, 270, 271);
  Place(g, 15, 6, 500, 300, 3000, 200, 270, 271);
  Place(g, 16, 6, 520, 320, 4000, 200, 275, 271);
  // Four on a full circle left, as CIRCLE L leaves them, then straight on.
  const int outbound[4] = {0, 45, 270, 315};
  for (int k = 0; k < 4; ++k)
    Place(g, 17 + k, 5, 200 + 25 * k, 330, 5000 + 500 * k, 180, (outbound[k] + 355) % 360,
          -(outbound[k] + 1));
  for (int slot = 21; slot <= 29; ++slot) {
    const int route = 1 + (slot - 21) % 3;
    const std::int16_t* start = g.RouteTable[route];
    Place(g, slot, route * 1000 + 1, start[0], start[1], start[3], start[2], start[4], start[4]);
    for (int tick = 0; tick < (slot - 21) * 35; ++tick) g.DeparturePass();
  }
  g.EmergencyAc = 3;  // losing fuel, holding at 9000 ft: it sinks from its 200th tick on
  g.EmergencyKind = 3;
  g.EmergencyTicks = 200;
  g.ClockMin = 50;
  g.ClockSec = 0;
  g.NextArrival = 100;
}

}  // namespace

int main(int argc, char** argv) {
  bench::UseOffscreenPlatform();
  QApplication app(argc, argv);
  TestWorld world;
  Vantix& g = world.game();
  g.Level = 3;  // twenty arrivals, and departures
  g.InitGame();
  g.LoadGroundMap();
  // Landing westwards in a light wind, whatever the set-up drew.
  g.RunwayOffset = 20;
  g.WindX = 0.03f;
  g.WindY = 0.02f;
  for (auto& column : g.List1)
    while (column.ListCount() < 20) column.AddItem("");

  std::vector<double> micros;
  int cutShort = 0;  // ticks a crash or a collision ended in the arrival pass
  micros.reserve(kEpisodes * kTicksPerEpisode);
  for (int episode = 0; episode < kEpisodes; ++episode) {
    FillTheSky(g);
    g.TrailSlot = 1;
    for (int tick = 0; tick < kTicksPerEpisode; ++tick) {
      // What the tick end would do, outside the measured work: the message lines emptied.
      g.Text2.SetText("");
      g.Text3.SetText("");
      g.Safety = 100;
      g.GameOver = 0;
      const auto start = std::chrono::steady_clock::now();
      const bool fullTick = g.ArrivalPass();
      if (fullTick) {
        g.DeparturePass();
        g.ClockStep();
        g.RedrawRadar();
        g.ShowEmergencyLine();
      }
      const auto end = std::chrono::steady_clock::now();
      micros.push_back(std::chrono::duration<double, std::micro>(end - start).count());
      if (!fullTick) ++cutShort;
    }
  }

  std::sort(micros.begin(), micros.end());
  auto at = [&](double q) { return micros[static_cast<size_t>(q * (micros.size() - 1))]; };
  std::printf("tick work, 20 arrivals and 9 departures, %zu ticks (microseconds)\n", micros.size());
  std::printf("  median %.1f   p10 %.1f   p90 %.1f   p99 %.1f   min %.1f   max %.1f\n", at(0.5),
              at(0.1), at(0.9), at(0.99), micros.front(), micros.back());
  std::printf("  ticks ended early by a crash or a collision: %d\n", cutShort);
  return 0;
}
