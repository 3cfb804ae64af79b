#pragma once

#include <cstddef>

#include "input/grid_rows.h"

namespace vexlin {

// "Add All" of the Offcuts tab: every offcut row with a label moves into the first empty
// sheet row (a new row when none is left) and the offcut rows are emptied.
void AddAllOffcutRows(TGrid& offcutRows, TGrid& sheetRows);

// "Add" of the Offcuts tab: the offcut row currentRow (0 is the grid's first data row)
// moves into the first empty sheet row (a new row when none is left) and is emptied. An
// empty or missing offcut row adds nothing.
void AddCurrentOffcutRow(TGrid& offcutRows, size_t currentRow, TGrid& sheetRows);

}  // namespace vexlin
