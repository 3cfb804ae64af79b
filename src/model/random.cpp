#include "model/random.h"

namespace vexlin {

uint32_t TRandomGenerator::Random(uint32_t n) {
  state_ = state_ * 134775813u + 1u;
  return static_cast<uint32_t>((static_cast<uint64_t>(state_) * n) >> 32);
}

TRandomGenerator& ProcessRandom() {
  static TRandomGenerator generator;
  return generator;
}

}  // namespace vexlin
