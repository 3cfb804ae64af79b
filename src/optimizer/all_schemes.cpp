#include "optimizer/vexlin.h"

namespace vexlin {

// Stub until the scheme search is built: no candidate layouts.
void TVexlin::GenAllSchemes() { AllSchemes.Clear(); }

}  // namespace vexlin
