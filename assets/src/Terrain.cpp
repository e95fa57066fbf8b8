#include "Terrain.h"

#include <QRect>
#include <algorithm>
#include <array>
#include <cmath>

namespace vantix::art {

namespace {

constexpr double kPi = 3.14159265358979323846;

double smoothMax(double a, double b, double k = 0.2) {
  const double m = std::max(a, b);
  return m + k * std::log(std::exp((a - m) / k) + std::exp((b - m) / k));
}

double smoothMin(double a, double b, double k = 0.2) {
  return -smoothMax(-a, -b, k);
}

// An irregular, star-shaped patch whose bounding box is exactly `box` (inclusive pixels).
// The outline wobbles by a few low harmonics; the patch is stretched separately on each side of
// `origin` so that its four extreme points fall on the four sides of the box.
class Patch {
 public:
  Patch(QRect box, double ox, double oy, std::uint32_t seed, double wobble)
      : box_(box), ox_(ox), oy_(oy) {
    FixedRandom random(seed);
    for (auto& c : harmonics_) {
      c[0] = random.symmetric() * wobble;
      c[1] = random.symmetric() * wobble;
    }
    double minX = 0, maxX = 0, minY = 0, maxY = 0;
    for (int i = 0; i < 3600; ++i) {
      const double t = i * 2.0 * kPi / 3600.0;
      const double r = radius(t);
      minX = std::min(minX, r * std::cos(t));
      maxX = std::max(maxX, r * std::cos(t));
      minY = std::min(minY, r * std::sin(t));
      maxY = std::max(maxY, r * std::sin(t));
    }
    // The extreme point lands 0.3 px beyond the last pixel centre, so that pixel is covered.
    right_ = maxX / (box.right() + 0.3 - ox);
    left_ = -minX / (ox - (box.left() - 0.3));
    down_ = maxY / (box.bottom() + 0.3 - oy);
    up_ = -minY / (oy - (box.top() - 0.3));
  }

  bool contains(int x, int y) const {
    if (!box_.contains(x, y)) return false;
    const double dx = x - ox_, dy = y - oy_;
    const double u = dx * (dx >= 0 ? right_ : left_);
    const double v = dy * (dy >= 0 ? down_ : up_);
    return std::hypot(u, v) < radius(std::atan2(v, u));
  }

 private:
  double radius(double t) const {
    double r = 1.0;
    for (std::size_t k = 0; k < harmonics_.size(); ++k) {
      const double n = static_cast<double>(k + 2);
      r += (harmonics_[k][0] * std::cos(n * t) + harmonics_[k][1] * std::sin(n * t)) / n;
    }
    return r;
  }

  QRect box_;
  double ox_, oy_;
  std::array<std::array<double, 2>, 7> harmonics_{};
  double right_ = 1, left_ = 1, down_ = 1, up_ = 1;
};

// A mountain: heights falling off from 7.9 at its middle to 3 at its foot, with the foot at
// the given distances from the middle on each side.
struct Massif {
  double cx, cy, west, east, north, south;
  double height(double x, double y) const {
    const double dx = (x - cx) / (x < cx ? west : east);
    const double dy = (y - cy) / (y < cy ? north : south);
    return 7.9 - 4.9 * std::hypot(dx, dy);
  }
};

// A ridge or spur along a segment, its crest falling from `peak0` to `peak1` along it.
struct Ridge {
  double x0, y0, x1, y1, halfWidth, peak0, peak1;
  double height(double x, double y) const {
    const double ex = x1 - x0, ey = y1 - y0;
    const double t = std::clamp(((x - x0) * ex + (y - y0) * ey) / (ex * ex + ey * ey), 0.0, 1.0);
    const double d = std::hypot(x - (x0 + t * ex), y - (y0 + t * ey)) / halfWidth;
    const double peak = peak0 + (peak1 - peak0) * t;
    return 2.0 + (peak - 2.0) * (1.0 - d * d);
  }
};

Grid<std::uint8_t> maskOf(int size, const auto& inside) {
  Grid<std::uint8_t> mask(size, size);
  for (int y = 0; y < size; ++y)
    for (int x = 0; x < size; ++x) mask(x, y) = inside(x, y) ? 1 : 0;
  return mask;
}

// Merges patches of a band smaller than `minimum` pixels into the band around them, so that
// the map shows contours and no speckles.
void removeSpeckles(Grid<std::uint8_t>& ground, int minimum) {
  const int size = ground.width;
  Grid<int> label(size, size, -1);
  std::vector<int> stack, members;
  bool changed = true;
  while (changed) {
    changed = false;
    std::fill(label.cells.begin(), label.cells.end(), -1);
    int next = 0;
    for (int sy = 0; sy < size; ++sy) {
      for (int sx = 0; sx < size; ++sx) {
        if (!insideRadar(sx, sy) || label(sx, sy) >= 0) continue;
        const std::uint8_t code = ground(sx, sy);
        members.clear();
        stack.assign(1, sy * size + sx);
        label(sx, sy) = next;
        std::array<int, 11> around{};
        while (!stack.empty()) {
          const int p = stack.back();
          stack.pop_back();
          members.push_back(p);
          const int px = p % size, py = p / size;
          const int nx[4] = {px + 1, px - 1, px, px};
          const int ny[4] = {py, py, py + 1, py - 1};
          for (int i = 0; i < 4; ++i) {
            if (!ground.contains(nx[i], ny[i]) || !insideRadar(nx[i], ny[i])) continue;
            if (ground(nx[i], ny[i]) == code) {
              if (label(nx[i], ny[i]) < 0) {
                label(nx[i], ny[i]) = next;
                stack.push_back(ny[i] * size + nx[i]);
              }
            } else {
              ++around[ground(nx[i], ny[i])];
            }
          }
        }
        ++next;
        if (code > 7 || static_cast<int>(members.size()) >= minimum) continue;
        int best = -1;
        for (int c = 0; c <= 7; ++c)
          if (around[c] > 0 && (best < 0 || around[c] > around[best])) best = c;
        if (best < 0) continue;
        for (int p : members) ground(p % size, p / size) = static_cast<std::uint8_t>(best);
        changed = true;
      }
    }
  }
}

// Files off one-pixel notches and spikes: a band pixel with three neighbours of one other band
// takes that band, where this keeps every neighbour within one band of it.
void smoothOutlines(Grid<std::uint8_t>& ground, int passes) {
  const int size = ground.width;
  for (int pass = 0; pass < passes; ++pass) {
    Grid<std::uint8_t> next = ground;
    for (int y = 1; y < size - 1; ++y) {
      for (int x = 1; x < size - 1; ++x) {
        const std::uint8_t here = ground(x, y);
        if (here > 7 || !insideRadar(x, y)) continue;
        const std::uint8_t n[4] = {ground(x + 1, y), ground(x - 1, y), ground(x, y + 1),
                                   ground(x, y - 1)};
        for (std::uint8_t candidate : {n[0], n[1]}) {
          if (candidate == here || candidate > 7) continue;
          int same = 0;
          bool fits = true;
          for (std::uint8_t v : n) {
            same += v == candidate;
            fits = fits && (v <= 8             ? std::abs(v - candidate) <= 1
                            : v == kSnowGround ? candidate >= 7
                                               : candidate == 1);
          }
          if (same >= 3 && fits) {
            next(x, y) = candidate;
            break;
          }
        }
      }
    }
    ground = next;
  }
}

}  // namespace

Grid<std::uint8_t> buildTerrain() {
  constexpr int n = kRadarSize;
  const SmoothNoise plainNoise(11), warpX(23), warpY(37), slopeNoise(41), shoreNoise(53),
      outlineNoise(67), valleyNoise(79), ridgeNoise(83);

  // Snow-covered summits, each reaching exactly to the sides of its box.
  const Patch northTop(QRect(QPoint(258, 27), QPoint(331, 99)), 292, 61, 1001, 0.4);
  const Patch eastTop(QRect(QPoint(514, 202), QPoint(523, 214)), 518.5, 208, 1002, 0.12);
  // The south summit is bare rock (band 8, y 485..521) under a strip of snow along its north
  // side (y 462..484); two overlapping patches give each part its own extent.
  const Patch southRock(QRect(QPoint(337, 478), QPoint(415, 521)), 377, 501, 1003, 0.3);
  const Patch southCap(QRect(QPoint(342, 462), QPoint(415, 490)), 379, 476, 1004, 0.3);
  const auto southTop = [&](int x, int y) {
    return southRock.contains(x, y) || southCap.contains(x, y);
  };
  const auto southSnow = [&](int x, int y) { return y <= 484 && x >= 342; };

  // The sea bay on the west edge and the airport basin, with wobbly outlines.
  const auto warped = [&](double x, double y, double amount, double scale) {
    const double fine = 0.35 * amount, fineScale = 0.3 * scale;
    return std::pair{x + amount * warpX.fractal(x / scale, y / scale, 3) +
                         fine * warpX.fractal(x / fineScale + 40, y / fineScale, 2),
                     y + amount * warpY.fractal(x / scale, y / scale, 3) +
                         fine * warpY.fractal(x / fineScale, y / fineScale + 40, 2)};
  };
  const auto sea = maskOf(n, [&](int x, int y) {
    const auto [wx, wy] = warped(x, y, 10, 60);
    return std::hypot((wx + 10) / 95.0, (wy - 290) / 117.0) < 1.0;
  });
  const auto basin = maskOf(n, [&](int x, int y) {
    const auto [wx, wy] = warped(x, y, 6, 45);
    return std::hypot((wx - 286) / 66.0, (wy - 275) / 34.0) < 1.0;
  });
  const auto seaDistance = distanceTo(sea);
  const auto basinDistance = distanceTo(basin);
  const auto northDistance =
      distanceTo(maskOf(n, [&](int x, int y) { return northTop.contains(x, y); }));
  const auto eastDistance =
      distanceTo(maskOf(n, [&](int x, int y) { return eastTop.contains(x, y); }));
  const auto southDistance = distanceTo(maskOf(n, [&](int x, int y) { return southTop(x, y); }));

  const Massif north{292, 58, 172, 168, 132, 132};
  const Massif east{519, 208, 50, 50, 60, 58};
  const Massif south{377, 492, 178, 125, 122, 100};
  const Ridge westRidge{130, 218, 134, 382, 45, 3.62, 3.62};  // its width varies along it
  const Ridge shoulder{405, 112, 505, 160, 36, 3.6, 3.6};
  const std::array spurs = {
      Ridge{250, 110, 165, 165, 30, 5.2, 3.4},  // north massif, to the south-west
      Ridge{340, 110, 420, 170, 26, 5.0, 3.3},  // north massif, to the south-east
      Ridge{330, 470, 235, 420, 28, 5.4, 3.4},  // south massif, to the north-west
      Ridge{420, 470, 478, 402, 24, 5.0, 3.4},  // south massif, to the north-east
  };

  Grid<std::uint8_t> ground(n, n, 0);
  for (int y = 0; y < n; ++y) {
    for (int x = 0; x < n; ++x) {
      if (!insideRadar(x, y)) continue;
      if (sea(x, y)) {
        ground(x, y) = kSeaGround;
        continue;
      }
      if (basin(x, y)) {
        ground(x, y) = 0;
        continue;
      }
      if (northTop.contains(x, y) || eastTop.contains(x, y)) {
        ground(x, y) = kSnowGround;
        continue;
      }
      if (southTop(x, y)) {
        ground(x, y) = southSnow(x, y) ? kSnowGround : (y >= 485 ? 8 : 7);
        continue;
      }

      // The plain: band 2 with gentle swells that never leave it.
      double h = 2.5 + 0.38 * std::tanh(plainNoise.fractal(x / 95.0, y / 95.0, 4));

      const auto [wx, wy] = warped(x, y, 16, 100);
      const double rough = 0.3 * slopeNoise.fractal(x / 45.0, y / 45.0, 4);
      const double wobble = 1.0 + 0.09 * outlineNoise.fractal(wx / 80.0, wy / 80.0, 3);
      const double swell = 1.0 + 0.3 * ridgeNoise.fractal(y / 45.0, 3.7, 2);
      h = smoothMax(h, westRidge.height(130 + (wx - 130) / swell, wy) + 0.5 * rough);
      h = smoothMax(h, shoulder.height(wx, wy) + 0.5 * rough);
      for (const Ridge& spur : spurs) h = smoothMax(h, spur.height(wx, wy) + rough);
      h = smoothMax(h, 7.9 - (7.9 - north.height(wx, wy)) * wobble + rough);
      h = smoothMax(h, 7.9 - (7.9 - east.height(wx, wy)) * wobble + rough);
      h = smoothMax(h, 7.9 - (7.9 - south.height(wx, wy)) * wobble + rough);

      // Spurs and valleys cut into the mountain flanks, more the higher the ground.
      const double flank = std::clamp((h - 3.3) / 2.0, 0.0, 1.0);
      h += 0.75 * flank * (1.0 - 2.0 * std::abs(valleyNoise.fractal(wx / 38.0, wy / 38.0, 3)));

      // Close under the summits the slopes ring them with band 7 and steepen down from it.
      const double steep =
          std::max(0.4, 1.0 + 0.45 * outlineNoise.fractal(x / 25.0 + 9, y / 25.0, 2));
      h = smoothMax(h, 8.0 - northDistance(x, y) / (9.0 * steep));
      h = smoothMax(h, 8.0 - eastDistance(x, y) / (5.0 * steep));
      h = smoothMax(h, 8.0 - southDistance(x, y) / (9.0 * steep));

      // A band-1 strip along the shore and a band-1 ring round the airport basin.
      const double shore = 12.0 + 3.0 * shoreNoise.fractal(x / 40.0, y / 40.0, 2);
      h = smoothMin(h, 1.0 + seaDistance(x, y) / shore);
      const double ring = 20.0 + 3.0 * shoreNoise.fractal(x / 30.0 + 50, y / 30.0, 2);
      h = smoothMin(h, 1.0 + basinDistance(x, y) / ring);

      h = std::clamp(h, 1.02, 7.99);
      ground(x, y) = static_cast<std::uint8_t>(std::floor(h));
    }
  }
  smoothOutlines(ground, 2);
  removeSpeckles(ground, 60);
  return ground;
}

}  // namespace vantix::art
