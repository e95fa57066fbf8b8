// Times the intro's reading of "scores.dat" in CPU time: the front screen's table filled from
// an empty file, from a saved file of six entries, and from files of the longest size read
// (1 MiB) that a damaged or hostile file could be: nothing but line breaks, and block after
// block of entries. Each file is read many times on the test fakes, with the front screen
// shown; the median and spread are printed, and each file's median above the empty file's.
// Exits with 1 when a file costs half a second or more above the empty one.
// Usage: intro_bench [runs, 15]
#include <QApplication>
#include <QWidget>
#include <algorithm>
#include <cstdio>
#include <vector>

#include "Bench.h"
#include "highscores/FileBytes.h"
#include "support/TestWorld.h"

namespace {

// A whole file of `unit` repeated up to 1 MiB.
QByteArray Filled(const QByteArray& unit) {
  QByteArray bytes;
  while (bytes.size() + unit.size() <= (1 << 20)) bytes += unit;
  return bytes;
}

struct Median {
  double median, min, max;
};

Median Time(const QByteArray& file, int runs) {
  TestWorld world;
  WriteBytes("scores.dat", file);
  Levelform& front = world.front();
  front.Show();  // warm-up, and the window shown as the player sees it
  std::vector<double> seconds;
  for (int i = 0; i < runs; ++i) {
    const double start = bench::CpuSeconds();
    front.ShowIntro();
    seconds.push_back(bench::CpuSeconds() - start);
  }
  std::sort(seconds.begin(), seconds.end());
  return {seconds[seconds.size() / 2], seconds.front(), seconds.back()};
}

}  // namespace

int main(int argc, char** argv) {
  bench::UseOffscreenPlatform();
  QApplication app(argc, argv);
  const int runs = argc > 1 ? std::max(1, std::atoi(argv[1])) : 15;

  QByteArray six;  // six entries that pass the check, as a save writes them
  for (int level = 1; level <= 6; ++level) six += "Ann\r\nTWFMKJAXDYC\r\n";
  const struct {
    const char* name;
    QByteArray bytes;
  } files[] = {
      {"empty", ""},
      {"six entries", six},
      {"1 MiB of LF", Filled("\n")},
      {"1 MiB of CR LF", Filled("\r\n")},
      {"1 MiB of entries", Filled(six)},
  };
  std::printf("Intro reading scores.dat, CPU time, %d runs each\n", runs);
  double empty = 0, worst = 0;
  for (const auto& f : files) {
    const Median m = Time(f.bytes, runs);
    if (f.bytes.isEmpty()) empty = m.median;
    worst = std::max(worst, m.median - empty);
    std::printf("  %-18s median %9.2f ms   min %9.2f   max %9.2f   above empty %9.2f ms\n", f.name,
                1e3 * m.median, 1e3 * m.min, 1e3 * m.max, 1e3 * (m.median - empty));
  }
  // No file may keep the front screen from answering for long: half a second at the most.
  const bool met = worst < 0.5;
  std::printf("worst file %.2f ms above the empty one: %s the bar of 500 ms\n", 1e3 * worst,
              met ? "under" : "NOT under");
  return met ? 0 : 1;
}
