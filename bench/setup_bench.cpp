// Times the set-up of a game as the game run does it: the new-game tables, one yield, the
// terrain map with its 557 progress updates and yields, and the first four arrivals. Runs it many
// times on the test fakes and prints the median and spread of each step, once with the yields
// doing nothing and once with the game window shown and each yield serving Qt's event queue
// (repainting the progress text), as a player's machine would.
#include <QApplication>
#include <QWidget>
#include <algorithm>
#include <chrono>
#include <cstdio>
#include <functional>
#include <vector>

#include "Bench.h"
#include "support/TestWorld.h"

namespace {

using Clock = std::chrono::steady_clock;

struct Steps {
  std::vector<double> init, yield, map, arrivals, total;
};

double Ms(Clock::time_point a, Clock::time_point b) {
  return std::chrono::duration<double, std::milli>(b - a).count();
}

void SetUpOnce(TestWorld& world, Steps& steps) {
  Vantix& game = world.game();
  rt::Services& svc = rt::Svc();
  const auto t0 = Clock::now();
  svc.helpFile = "vantix.hlp";
  game.Level = 3;
  game.ClockMin = 60;
  game.ClockSec = 0;
  game.NextArrival = 60;
  game.InitGame();
  const auto t1 = Clock::now();
  svc.events.DoEvents();
  const auto t2 = Clock::now();
  game.LoadGroundMap();
  const auto t3 = Clock::now();
  for (std::int16_t kind : {3, 2, 1, 4}) game.NewAircraft(kind);
  game.TrailSlot = 1;
  game.GameOver = 0;
  const auto t4 = Clock::now();
  steps.init.push_back(Ms(t0, t1));
  steps.yield.push_back(Ms(t1, t2));
  steps.map.push_back(Ms(t2, t3));
  steps.arrivals.push_back(Ms(t3, t4));
  steps.total.push_back(Ms(t0, t4));
}

void Report(const char* name, std::vector<double> v) {
  std::sort(v.begin(), v.end());
  const auto at = [&](double q) { return v[static_cast<size_t>(q * (v.size() - 1))]; };
  std::printf("  %-22s median %8.3f ms   min %8.3f   p10 %8.3f   p90 %8.3f   max %8.3f\n", name,
              at(0.5), v.front(), at(0.1), at(0.9), v.back());
}

void Run(const char* title, int runs, const std::function<void(TestWorld&)>& prepare) {
  TestWorld world;
  prepare(world);
  Steps steps;
  SetUpOnce(world, steps);  // warm-up: fonts, first paint
  steps = Steps{};
  for (int i = 0; i < runs; ++i) {
    // What a game leaves on the radar before the next set-up.
    world.game().RedrawRadar();
    SetUpOnce(world, steps);
  }
  std::printf("%s (%d runs, picture %s)\n", title, runs,
              world.game().Draw().Picture().pixel(14, 99) == qRgb(48, 88, 47) ? "of the game"
                                                                              : "not built yet");
  Report("InitGame", steps.init);
  Report("yield", steps.yield);
  Report("LoadGroundMap", steps.map);
  Report("first four arrivals", steps.arrivals);
  Report("whole set-up", steps.total);
}

}  // namespace

int main(int argc, char** argv) {
  bench::UseOffscreenPlatform();
  QApplication app(argc, argv);
  const int runs = argc > 1 ? std::max(1, std::atoi(argv[1])) : 200;

  Run("Set-up on the fakes, yields doing nothing", runs, [](TestWorld&) {});
  Run("Set-up with the game window shown, each yield serving Qt's events", runs,
      [](TestWorld& world) {
        world.game().Window()->show();  // shown without starting a game
        world.events.onYield = [] { QCoreApplication::processEvents(); };
      });
  return 0;
}
