#pragma once

#include <cstddef>
#include <optional>

#include "input/grid_rows.h"
#include "model/panels.h"
#include "model/stock2d.h"

namespace vexlin {

// The checks made on grid rows before a run and when totals are computed. Lengths are
// read with the process-wide number converter (three decimals once the options were
// read). The first fault ends the reading; cells rewritten before it stay rewritten.

// One sheet or offcut row, in column order: length, width and quantity above 0, then the
// cost, 0 or more, after an empty cost cell was written back as "0". The label is not
// checked. The record gets label, length, width, count and cost.
std::optional<TCellFault> ReadStockRow(TGridRow& row, size_t rowIndex, TGridKind kind,
                                       T2DStock& record);

// One part row, in column order: the label when required, length and width at least 1,
// the rotation cell rewritten "N"/"R", quantity 0 or more, the shape cell rewritten
// "C"/"R". The record gets label, length, width, rotation, count and shape.
std::optional<TCellFault> ReadPartRow(TGridRow& row, size_t rowIndex, bool labelRequired,
                                      T2DStock& record);

// Every row with text in its label, length, width or quantity cell becomes a sheet; the
// label may still be empty (adding the sheet to the engine refuses that). No sheet at
// all is a fault at row 0, column 0.
std::optional<TCellFault> ReadSheetRows(TGrid& rows, TPanels& sheets);

// Every row with text in its label, length, width or quantity cell becomes a part. No
// part is a fault at row 0, column 0 unless profiles are defined.
std::optional<TCellFault> ReadPartRows(TGrid& rows, bool profilesDefined, TPanels& parts);

// Profile k takes its count from column 1 of row k, a whole number of 0 or more. Any
// fault is reported at row 0, column 1, whichever row failed.
std::optional<TCellFault> ReadProfileQuantities(const TGrid& rows, TPanels& profiles);

}  // namespace vexlin
