#pragma once

#include <cstdint>

namespace vexlin {

// splitmix64: small, fast, and the same sequence on every machine, so that the deep
// search's choices depend on nothing but its seeds.
class TDeepRandom {
 public:
  explicit TDeepRandom(uint64_t seed) : state_(seed) {}

  uint64_t Next() {
    uint64_t z = (state_ += 0x9e3779b97f4a7c15ULL);
    z = (z ^ (z >> 30)) * 0xbf58476d1ce4e5b9ULL;
    z = (z ^ (z >> 27)) * 0x94d049bb133111ebULL;
    return z ^ (z >> 31);
  }
  // Uniform in [0, 1).
  double Unit() { return static_cast<double>(Next() >> 11) * 0x1.0p-53; }

 private:
  uint64_t state_;
};

}  // namespace vexlin
