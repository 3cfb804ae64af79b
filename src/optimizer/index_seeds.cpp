#include "optimizer/index_seeds.h"

namespace vexlin {

TIndexSeedsSet::TIndexSeedsSet(bool byLength) : byLength_(byLength) { groups_.reserve(1024); }

}  // namespace vexlin
