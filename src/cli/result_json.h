#pragma once

#include <cstdint>
#include <string>

namespace vexlin {

class TVexlin;

// The run facts that the JSON result carries besides the layouts.
struct TJsonRunFacts {
  std::string Message;  // empty when the run succeeded
  std::string Unit;
  int32_t BladeWidth = 0;  // scaled
  int32_t LengthEdge = 0;  // scaled; taken off both short ends of each sheet
  int32_t WidthEdge = 0;
  bool Guillotine = false;
  bool Cost = false;
  bool Fast = false;
  double Seconds = 0.0;
};

// The result of a run as JSON text: layouts in result order, pieces in placing order,
// lengths in user units, positions relative to the usable area's top-left corner.
std::string ResultJson(const TVexlin& engine, const TJsonRunFacts& facts);

}  // namespace vexlin
