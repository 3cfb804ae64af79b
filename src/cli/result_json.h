#pragma once

#include <cstdint>
#include <string>

#include "output/report.h"

namespace vexlin {

class TVexlin;

// The run facts that the JSON result carries besides the layouts.
struct TJsonRunFacts {
  std::string Message;  // empty when the run succeeded
  TReportSettings Run;  // unit, scaled blade width and edges, the three flags
  double Seconds = 0.0;
};

// The result of a run as JSON text: layouts in result order, pieces in placing order,
// lengths in user units, positions relative to the usable area's top-left corner.
std::string ResultJson(const TVexlin& engine, const TJsonRunFacts& facts);

}  // namespace vexlin
