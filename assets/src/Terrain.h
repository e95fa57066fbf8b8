// The ground of the radar map: a height field shaped after the area round the airport and cut
// into the nine height bands of the legend, plus the sea and the snow of the high summits.
#pragma once

#include <cstdint>

#include "Field.h"

namespace vantix::art {

constexpr int kRadarSize = 556;
constexpr int kRadarCentre = 276;
constexpr int kRadarRadius = 276;

// What lies on one pixel of the map: a height band 0..8, or one of these.
enum Ground : std::uint8_t { kSeaGround = 9, kSnowGround = 10 };

// The game's own test for a pixel inside the radar circle, to the pixel.
constexpr bool insideRadar(int x, int y) {
  const int dx = kRadarCentre - x, dy = kRadarCentre - y;
  return dx * dx + dy * dy < kRadarRadius * kRadarRadius;
}

// The ground of every pixel of the 556 x 556 picture (only the radar disc is meaningful).
Grid<std::uint8_t> buildTerrain();

}  // namespace vantix::art
