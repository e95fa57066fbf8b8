// The landing-interval chart, drawn on the front screen at the end of every game.
#include "Windows.h"
#include "frontscreen/Levelform.h"
#include "simulation/Vantix.h"

namespace {
constexpr double kBaseline = 90;  // y of an interval of 0 s
constexpr double kSecondsPerPixel = 2.5;
constexpr std::int16_t kTimeOut = 3600;  // a landing in the time-out tick is not charted
constexpr rt::Colour kMeanColour = 255;  // red
}  // namespace

void Vantix::DrawLandingChart() {
  rt::Surface& chart = W().levelform().Picture1.Draw();
  chart.Cls();
  std::int16_t prev = 0;
  std::int16_t n = 0;
  // Bar k is the k-th landing in time order: the earliest landing after the one before.
  // Arrivals that landed in the same second share one bar, coloured by the lowest slot.
  for (int k = 1; k <= 20; ++k) {
    int slot = 0;
    for (int j = 1; j <= 20; ++j)
      if (LandTime[j] > prev && LandTime[j] < kTimeOut &&
          (slot == 0 || LandTime[j] < LandTime[slot]))
        slot = j;
    if (slot == 0) break;
    const std::int16_t t = LandTime[slot];
    const std::int16_t type = AcType[slot];
    const rt::Colour colour = type >= 0 && type < 6 ? TypeColour[type] : 0;
    const double left = 15.0 * k + 12;
    chart.Box(left, kBaseline, left + 6, kBaseline + (prev - t) / kSecondsPerPixel, colour, true);
    ++n;
    prev = t;
  }
  if (n == 0) return;
  // prev is now the last charted landing, so prev / n is the mean interval of the bars.
  const double y = kBaseline - (static_cast<double>(prev) / n) / kSecondsPerPixel;
  chart.Line(22, y, 22 + 300, y, kMeanColour);
}
