// The program icon: a miniature radar disc in a black ring, with a chequered flag at its foot.
#include <array>
#include <cmath>

#include "Palette.h"
#include "Pictures.h"
#include "Terrain.h"

namespace vantix::art {

QImage drawProgramIcon() {
  constexpr int kSize = 32;
  constexpr double kCentre = 15.5;
  QImage icon(kSize, kSize, QImage::Format_ARGB32);
  icon.fill(Qt::transparent);

  // Each icon pixel takes the commonest ground of the radar pixels under it.
  const auto ground = buildTerrain();
  constexpr double kScale = kRadarRadius / 13.0;  // radar pixels per icon pixel
  for (int y = 0; y < kSize; ++y) {
    for (int x = 0; x < kSize; ++x) {
      const double r = std::hypot(x + 0.5 - 16.0, y + 0.5 - 16.0);
      if (r > kCentre) continue;
      if (r > 13.0) {
        icon.setPixel(x, y, kBlack);
        continue;
      }
      std::array<int, 11> count{};
      const int x0 = static_cast<int>(std::lround(kRadarCentre + (x - 16) * kScale));
      const int y0 = static_cast<int>(std::lround(kRadarCentre + (y - 16) * kScale));
      for (int v = y0; v < y0 + static_cast<int>(kScale); ++v)
        for (int u = x0; u < x0 + static_cast<int>(kScale); ++u)
          if (ground.contains(u, v) && insideRadar(u, v)) ++count[ground(u, v)];
      int best = 2;
      for (int g = 0; g < 11; ++g)
        if (count[g] > count[best]) best = g;
      QRgb colour = rgb(0, 160, 0);
      if (best == kSeaGround)
        colour = rgb(0, 128, 192);
      else if (best == kSnowGround || best >= 6)
        colour = kLightGrey;
      else if (best >= 3)
        colour = kMidGrey;
      else if (best <= 1)
        colour = rgb(0, 112, 0);
      icon.setPixel(x, y, colour);
    }
  }

  // The runway bar and two aircraft.
  for (int x = 13; x <= 19; ++x) icon.setPixel(x, 16, kRunway);
  for (int x = 13; x <= 19; ++x) icon.setPixel(x, 17, kRunway);
  for (int dy = 0; dy < 2; ++dy)
    for (int dx = 0; dx < 2; ++dx) {
      icon.setPixel(21 + dx, 9 + dy, kRed);
      icon.setPixel(10 + dx, 21 + dy, kCyan);
    }

  // Chequered patch at the lower left, over the ring.
  for (int y = 24; y < 32; ++y)
    for (int x = 0; x < 8; ++x) icon.setPixel(x, y, ((x / 2 + y / 2) % 2) ? kBlack : kWhite);
  return icon;
}

}  // namespace vantix::art
