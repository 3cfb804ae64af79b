#include "model/random.h"

namespace vexlin {

TRandomGenerator& ProcessRandom() {
  static TRandomGenerator generator;
  return generator;
}

}  // namespace vexlin
