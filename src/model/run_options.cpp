#include "model/run_options.h"

namespace vexlin {

int32_t BladeWidth = 0;
bool GuillotineMode = false;
bool FastMode = false;
bool CostMode = false;
std::string UnitText = "inch";

}  // namespace vexlin
