#pragma once

#include <cstdint>
#include <string>

#include "input/grid_rows.h"

namespace vexlin {

class TSchemes;
struct TOptionValues;

// The kept offcuts of a result as offcut rows: every "OFFCUT_" piece at least
// minLength x minWidth, turned or not, labelled "L_<layout index>_<sheet>_<piece>", with the
// layout's sheet count as quantity and its share of the sheet's cost. Slivers are never kept.
TGrid ScrapRows(const TSchemes& result, int32_t minLength, int32_t minWidth);

// "Save Offcuts": makes the offcut pieces of every layout, then writes the kept ones as an
// offcut list (".ofc"). Returns "MSG_LAYOUT_IS_EMPTY" for an empty result, what went wrong
// when the file could not be written, otherwise an empty text.
std::string SaveSheetsScraps(const std::string& path, TSchemes& result,
                             const TOptionValues& options);

}  // namespace vexlin
