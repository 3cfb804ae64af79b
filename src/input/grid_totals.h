#pragma once

#include <cstdint>
#include <optional>
#include <string>

#include "input/grid_rows.h"

namespace vexlin {

// The totals panel of one grid. Area is in square internal units; Cost in thousandths
// (sheets and offcuts only).
struct TGridTotals {
  double Area = 0;
  int64_t Quantity = 0;
  int64_t Cost = 0;
};

struct TGridTotalsTexts {
  std::string Area;
  std::string Quantity;
  std::string Cost;
};

// Sums the rows whose length, width and quantity cells are all filled, after checking
// each of them as a run does (a part's label excepted), with the same cell rewrites. A
// part's area is that of its shape at the sizes typed. On a fault the totals are left as
// they were.
std::optional<TCellFault> ComputeGridTotals(TGrid& rows, TGridKind kind, TGridTotals& totals);

// The panel's texts: sheet and part areas in square units with up to 15 significant
// digits, offcut areas as the number converter shows areas, costs without trailing zeros.
TGridTotalsTexts GridTotalsTexts(const TGridTotals& totals, TGridKind kind);

}  // namespace vexlin
