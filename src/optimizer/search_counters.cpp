#include "optimizer/search_counters.h"

namespace vexlin {

int32_t SeedCounter = 0;
int32_t SchemeCallCount = 0;

}  // namespace vexlin
