#pragma once

#include <cstdint>
#include <optional>
#include <vector>

#include "optimizer/deep/deep_job.h"

namespace vexlin {

// What the cover chose: sheets to cut per filling of the pool.
struct TCover {
  std::vector<int64_t> Uses;
  bool TimedOut = false;  // the time limit ended it before its node budget
};

// Chooses how many sheets to cut of each filling so that every part is cut at least as
// often as wanted and no sheet type's stock is exceeded, at the least total cost, as an
// integer programme (COIN-OR CBC). start is a known feasible choice; the answer is never
// dearer. Deterministic for a given node budget unless the seconds run out first.
std::optional<TCover> ChooseCover(const TDeepJob& job, const std::vector<TPattern>& patterns,
                                  const std::vector<int64_t>& start, int32_t nodeBudget,
                                  double seconds);

}  // namespace vexlin
