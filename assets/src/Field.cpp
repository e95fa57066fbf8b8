#include "Field.h"

#include <algorithm>
#include <cmath>
#include <limits>

namespace vantix::art {

namespace {

std::uint32_t mix(std::uint32_t h) {
  h ^= h >> 16;
  h *= 0x7feb352du;
  h ^= h >> 15;
  h *= 0x846ca68bu;
  h ^= h >> 16;
  return h;
}

double smootherStep(double t) {
  return t * t * t * (t * (t * 6.0 - 15.0) + 10.0);
}

// Squared distance transform along one line: the lower envelope of the parabolas rooted at
// every cell (Felzenszwalb and Huttenlocher).
void distanceLine(const std::vector<double>& f, std::vector<double>& d, std::vector<int>& v,
                  std::vector<double>& z) {
  const int n = static_cast<int>(f.size());
  const auto crossing = [&](int q, int p) {
    return ((f[q] + double(q) * q) - (f[p] + double(p) * p)) / (2.0 * q - 2.0 * p);
  };
  int k = 0;
  v[0] = 0;
  z[0] = -std::numeric_limits<double>::infinity();
  z[1] = std::numeric_limits<double>::infinity();
  for (int q = 1; q < n; ++q) {
    double s = crossing(q, v[k]);
    while (s <= z[k]) {
      --k;
      s = crossing(q, v[k]);
    }
    ++k;
    v[k] = q;
    z[k] = s;
    z[k + 1] = std::numeric_limits<double>::infinity();
  }
  k = 0;
  for (int q = 0; q < n; ++q) {
    while (z[k + 1] < q) ++k;
    const double dq = q - v[k];
    d[q] = dq * dq + f[v[k]];
  }
}

}  // namespace

double SmoothNoise::lattice(int ix, int iy) const {
  const std::uint32_t h = mix(static_cast<std::uint32_t>(ix) * 0x8da6b343u ^
                              static_cast<std::uint32_t>(iy) * 0xd8163841u ^ seed_ * 0xcb1ab31fu);
  return h / 2147483648.0 - 1.0;
}

double SmoothNoise::at(double x, double y) const {
  const double fx = std::floor(x), fy = std::floor(y);
  const int ix = static_cast<int>(fx), iy = static_cast<int>(fy);
  const double tx = smootherStep(x - fx), ty = smootherStep(y - fy);
  const double a = lattice(ix, iy), b = lattice(ix + 1, iy);
  const double c = lattice(ix, iy + 1), d = lattice(ix + 1, iy + 1);
  const double top = a + (b - a) * tx, bottom = c + (d - c) * tx;
  return top + (bottom - top) * ty;
}

double SmoothNoise::fractal(double x, double y, int octaves) const {
  double sum = 0.0, amplitude = 1.0, norm = 0.0;
  for (int i = 0; i < octaves; ++i) {
    // Each octave is shifted so that the lattice points of the octaves do not line up.
    sum += amplitude * at(x + 17.31 * i, y - 9.77 * i);
    norm += amplitude;
    amplitude *= 0.5;
    x *= 2.03;
    y *= 2.03;
  }
  return sum / norm * 1.6;
}

std::uint32_t FixedRandom::next() {
  state_ ^= state_ << 13;
  state_ ^= state_ >> 17;
  state_ ^= state_ << 5;
  return state_;
}

Grid<double> distanceTo(const Grid<std::uint8_t>& mask) {
  constexpr double kFar = 1e12;
  const int w = mask.width, h = mask.height;
  Grid<double> squared(w, h);
  const int n = std::max(w, h);
  std::vector<double> f(n), d(n), z(n + 1);
  std::vector<int> v(n);

  for (int x = 0; x < w; ++x) {
    f.resize(h);
    d.resize(h);
    for (int y = 0; y < h; ++y) f[y] = mask(x, y) ? 0.0 : kFar;
    distanceLine(f, d, v, z);
    for (int y = 0; y < h; ++y) squared(x, y) = d[y];
  }
  for (int y = 0; y < h; ++y) {
    f.resize(w);
    d.resize(w);
    for (int x = 0; x < w; ++x) f[x] = squared(x, y);
    distanceLine(f, d, v, z);
    for (int x = 0; x < w; ++x) squared(x, y) = std::sqrt(d[x]);
  }
  return squared;
}

}  // namespace vantix::art
