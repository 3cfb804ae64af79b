#pragma once

#include <cstdint>

namespace vexlin {

// Counters of the search that live for the whole process and carry over between runs.
// SeedCounter: seeds queued but not yet added; its value after one generation decides how
// closely the next generation joins blocks. SchemeCallCount: sheet fillings since the start
// of the run; it caps the cost search.
extern int32_t SeedCounter;
extern int32_t SchemeCallCount;

}  // namespace vexlin
