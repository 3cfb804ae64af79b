#pragma once

#include <cstdint>
#include <vector>

#include "model/rounding.h"

namespace vexlin {

// One sheet type as a covering choice: the area it holds, what one sheet of it counts
// (its area without blade width, or its cost) and how many are in stock.
struct TCoverStock {
  int64_t Capacity = 0;
  int64_t Value = 0;
  int64_t Count = 0;
};

// Part area that only the marked sheet types (index-aligned with the stock) can hold.
struct TCoverNeed {
  std::vector<char> Types;
  Int128 Amount = 0;
};

// The least total value of a choice of sheets, within stock, whose capacities cover every
// need and that counts at least leastSheets sheets. A need that the whole stock cannot
// cover asks for all of it. Exact by branch and bound; when the search grows too large, the
// covering's linear relaxation instead (still a value no choice can beat).
Int128 LeastCover(const std::vector<TCoverStock>& stock, std::vector<TCoverNeed> needs,
                  int64_t leastSheets);

}  // namespace vexlin
