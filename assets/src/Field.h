// Grids and the smooth noise the terrain is shaped from. Everything is seeded by fixed
// numbers so that the pictures are the same at every build.
#pragma once

#include <cstdint>
#include <vector>

namespace vantix::art {

template <typename T>
struct Grid {
  int width = 0;
  int height = 0;
  std::vector<T> cells;
  Grid() = default;
  Grid(int w, int h, T fill = T{})
      : width(w), height(h), cells(static_cast<std::size_t>(w) * h, fill) {}
  T& operator()(int x, int y) { return cells[static_cast<std::size_t>(y) * width + x]; }
  const T& operator()(int x, int y) const { return cells[static_cast<std::size_t>(y) * width + x]; }
  bool contains(int x, int y) const { return x >= 0 && y >= 0 && x < width && y < height; }
};

// Value noise on a unit lattice with quintic smoothing, about -1..1.
class SmoothNoise {
 public:
  explicit SmoothNoise(std::uint32_t seed) : seed_(seed) {}
  double at(double x, double y) const;
  // Octaves at doubling frequency and halving amplitude, scaled back to about -1..1.
  double fractal(double x, double y, int octaves) const;

 private:
  double lattice(int ix, int iy) const;
  std::uint32_t seed_;
};

// Our own small generator for shapes and sound (xorshift32), so no library's changes move a bit.
class FixedRandom {
 public:
  explicit FixedRandom(std::uint32_t seed) : state_(seed ? seed : 0x9e3779b9u) {}
  std::uint32_t next();
  double uniform() { return next() / 4294967296.0; }    // [0, 1)
  double symmetric() { return 2.0 * uniform() - 1.0; }  // [-1, 1)

 private:
  std::uint32_t state_;
};

// Euclidean distance of every cell to the nearest set cell of `mask` (0 on the mask itself).
Grid<double> distanceTo(const Grid<std::uint8_t>& mask);

}  // namespace vantix::art
