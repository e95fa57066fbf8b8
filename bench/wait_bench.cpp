// The cost of a game while it waits between ticks, and the accuracy of the tick period: a real
// game on the real clock and event queue (offscreen), at normal speed and with Fast ticked.
#include <QApplication>
#include <algorithm>
#include <cstdio>
#include <vector>

#include "Bench.h"
#include "Windows.h"
#include "frontscreen/Levelform.h"
#include "platform/QtServices.h"
#include "simulation/Vantix.h"
#include "support/Fakes.h"

namespace {

// The real event queue, noting the moment each tick starts and ending the game after n ticks.
// The first sleep of a tick's wait lasts until the end the game set at the tick's start, one
// period after it: so the start is read back exactly, whatever else read the clocks meanwhile.
class WatchedEvents final : public rt::EventLoop {
 public:
  void DoEvents() override {
    inner.DoEvents();
    if (game && static_cast<int>(starts.size()) > ticks) game->GameOver = 1;
  }
  void Sleep(double s) override {
    const double start = clock.Monotonic() + s - period;
    if (starts.empty() || start - starts.back() > period / 2) {
      starts.push_back(start);
      cpuAtStart.push_back(bench::CpuSeconds());
    }
    inner.Sleep(s);
  }
  bool Quitting() const override { return inner.Quitting(); }
  void EndProgram() override { inner.EndProgram(); }

  rt::QtEventLoop inner;
  rt::SystemClock clock;
  Vantix* game = nullptr;
  int ticks = 0;
  double period = 1.0;
  std::vector<double> starts;
  std::vector<double> cpuAtStart;  // the process's CPU seconds at each tick's start
};

void Run(Windows& windows, WatchedEvents& events, bool fast, int ticks) {
  const double period = fast ? 0.2 : 1.0;
  std::vector<double>& starts = events.starts;
  std::vector<double>& cpuAtStart = events.cpuAtStart;
  starts.clear();
  cpuAtStart.clear();
  events.ticks = ticks;
  events.period = period;
  windows.vantix().Check3.SetValue(fast ? 1 : 0);
  windows.levelform().Command3.PlayerClick();  // a whole game, ended after the ticks
  // The ticks only: from the second tick's start to the last one's, without set-up and end.
  const double cpu = cpuAtStart.back() - cpuAtStart[1];

  std::vector<double> errors;
  double shortest = 1e9;
  for (size_t i = 1; i + 1 < starts.size(); ++i) {
    const double d = starts[i + 1] - starts[i];
    errors.push_back(std::abs(d - period) * 1000.0);
    shortest = std::min(shortest, d);
  }
  std::sort(errors.begin(), errors.end());
  const double gameSeconds = static_cast<double>(starts.size() - 2);
  std::printf("%s: %zu ticks; period error median %.3f ms, max %.3f ms; shortest tick %.4f s\n",
              fast ? "Fast (0.2 s)" : "Normal (1 s)", errors.size(), errors[errors.size() / 2],
              errors.back(), shortest);
  if (!fast)
    std::printf("CPU while the game waits: %.3f s per 60 s of game time (%.2f %% of a core)\n",
                cpu / gameSeconds * 60.0, cpu / (gameSeconds * period) * 100.0);
}
}  // namespace

int main(int argc, char** argv) {
  bench::UseOffscreenPlatform();
  QApplication app(argc, argv);
  rt::SystemClock clock;
  rt::SeededRandom random;
  WatchedEvents events;
  ScriptedDialogs dialogs;
  RecordingSound sound;
  RecordingBrowser browser;
  RecordingHelp help;
  rt::Services services{clock, random, events, dialogs, sound, browser, help, {}};
  Windows windows(services);
  events.game = &windows.vantix();
  windows.levelform().Show();

  const int normalTicks = argc > 1 ? std::atoi(argv[1]) : 15;
  Run(windows, events, false, normalTicks);
  Run(windows, events, true, normalTicks * 4);
  return 0;
}
