#include "optimizer/seeds.h"

namespace vexlin {

TSeeds::TSeeds() { SeedList.reserve(4096); }

void TSeeds::Clear() { SeedList.clear(); }

// Stub until the seed generation is built: the library stays empty.
void TSeeds::GenerateSeeds() {}

}  // namespace vexlin
