#include "input/offcut_rows.h"

#include <algorithm>

namespace vexlin {
namespace {

constexpr size_t kStockColumns = 5;

bool RowEmpty(const TGridRow& row) {
  return !AnyCellFilled(row, {kStockLabel, kStockLength, kStockWidth, kStockQty, kStockCost});
}

TGridRow& FirstEmptyRow(TGrid& rows) {
  const auto empty = std::find_if(rows.begin(), rows.end(), RowEmpty);
  if (empty != rows.end()) return *empty;
  return rows.emplace_back();
}

}  // namespace

void AddAllOffcutRows(TGrid& offcutRows, TGrid& sheetRows) {
  for (TGridRow& offcut : offcutRows) {
    if (CellText(offcut, kStockLabel).empty()) continue;
    TGridRow& target = FirstEmptyRow(sheetRows);
    for (size_t column = 0; column < kStockColumns; ++column) {
      SetCellText(target, column, CellText(offcut, column));
    }
  }
  for (TGridRow& offcut : offcutRows) offcut.assign(kStockColumns, std::string());
}

}  // namespace vexlin
