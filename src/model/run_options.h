#pragma once

#include <cstdint>
#include <string>

namespace vexlin {

// Process-wide option values, set from the options before every run and from a
// loaded result. The engine reads them; nothing else keeps them between runs.
extern int32_t BladeWidth;    // kerf, scaled like every length
extern bool GuillotineMode;   // layouts must be cuttable edge to edge
extern bool FastMode;         // fewer search steps and tighter caps
extern bool CostMode;         // pick the cheapest result instead of the least material
extern std::string UnitText;  // display word of the unit of measure

}  // namespace vexlin
