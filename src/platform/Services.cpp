#include "platform/Services.h"

#include <cassert>
#include <cstring>

namespace rt {

namespace {
Services* installed = nullptr;

std::uint64_t SplitMix(std::uint64_t& state) {
  std::uint64_t z = (state += 0x9E3779B97F4A7C15ull);
  z = (z ^ (z >> 30)) * 0xBF58476D1CE4E5B9ull;
  z = (z ^ (z >> 27)) * 0x94D049BB133111EBull;
  return z ^ (z >> 31);
}
}  // namespace

void InstallServices(Services* services) { installed = services; }

Services& Svc() {
  assert(installed && "services must be installed before use");
  return *installed;
}

float SeededRandom::Rnd() {
  // 24 random bits: every value is exact in single precision and below 1.
  return static_cast<float>(SplitMix(state_) >> 40) * (1.0f / 16777216.0f);
}

void SeededRandom::Randomize(double seed) {
  std::uint64_t bits = 0;
  std::memcpy(&bits, &seed, sizeof bits);
  state_ ^= bits;
  SplitMix(state_);
}

}  // namespace rt
