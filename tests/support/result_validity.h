#pragma once

#include <string>
#include <vector>

namespace vexlin {

class TVexlin;

// What a result is held to besides its geometry.
struct TValidityRules {
  bool Guillotine = false;  // every layout must pass the program's guillotine test
  bool StockShort = false;  // the stock cannot hold the job: a part type may fall short
};

// Checks a finished run's result against its job (the engine's Parts and Sheets, blade
// width added) with geometry of its own, so that a fault of the packing code cannot hide
// itself: sheets of the job's types within their stock, pieces inside their sheet and
// apart, turned only when allowed, and exactly the demanded pieces. One text per fault;
// an empty list means the result is valid.
std::vector<std::string> ResultFaults(const TVexlin& engine, const TValidityRules& rules);

}  // namespace vexlin
