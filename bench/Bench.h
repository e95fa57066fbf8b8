// What the benchmarks share: the platform they run on and the CPU time they measure.
#pragma once

#include <QByteArray>
#include <ctime>

namespace bench {

// Qt's offscreen platform at scale factor 1, as the tests run; set before the application starts.
inline void UseOffscreenPlatform() {
  qputenv("QT_QPA_PLATFORM", "offscreen");
  qputenv("QT_SCALE_FACTOR", "1");
}

// The CPU time the process has spent so far, user and system, in seconds.
inline double CpuSeconds() {
  timespec t{};
  ::clock_gettime(CLOCK_PROCESS_CPUTIME_ID, &t);
  return static_cast<double>(t.tv_sec) + static_cast<double>(t.tv_nsec) / 1e9;
}

}  // namespace bench
