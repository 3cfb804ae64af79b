#pragma once

#include "input/grid_rows.h"

namespace vexlin {

// "Add All" of the Offcuts tab: every offcut row with a label moves into the first empty
// sheet row (a new row when none is left) and the offcut rows are emptied.
void AddAllOffcutRows(TGrid& offcutRows, TGrid& sheetRows);

}  // namespace vexlin
