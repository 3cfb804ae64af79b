#include "optimizer/seeds.h"

namespace vexlin {

void TSeeds::Clear() {
  SeedList.clear();
}

// Stub until the seed generation is built: the library stays empty.
void TSeeds::GenerateSeeds() {}

}  // namespace vexlin
