#pragma once

#include <cstddef>
#include <cstdint>
#include <functional>
#include <optional>
#include <vector>

#include "optimizer/deep/deep_job.h"

namespace vexlin {

// Tries to cut a plan's sheets, every piece given with its place, from one sheet fewer:
// a few chains of ruin and recreate moves (TSheetEliminator) share `workers` threads (the
// calling one among them), each chain with a fixed number of moves. Of the chains that succeed the
// one that needed fewest moves wins, the first on a tie, so that the plan found does not depend on
// the threads.
std::optional<std::vector<TPattern>> EliminateOneSheet(const TDeepJob& job,
                                                       const std::vector<TPattern>& sheets,
                                                       uint64_t seed, size_t workers,
                                                       const std::function<bool()>& interrupted);

}  // namespace vexlin
