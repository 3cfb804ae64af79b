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

void CopyIntoFirstEmptyRow(const TGridRow& offcut, TGrid& sheetRows) {
  TGridRow& target = FirstEmptyRow(sheetRows);
  for (size_t column = 0; column < kStockColumns; ++column) {
    SetCellText(target, column, CellText(offcut, column));
  }
}

}  // namespace

void AddAllOffcutRows(TGrid& offcutRows, TGrid& sheetRows) {
  for (const TGridRow& offcut : offcutRows) {
    if (!CellText(offcut, kStockLabel).empty()) CopyIntoFirstEmptyRow(offcut, sheetRows);
  }
  for (TGridRow& offcut : offcutRows) offcut.assign(kStockColumns, std::string());
}

void AddCurrentOffcutRow(TGrid& offcutRows, size_t currentRow, TGrid& sheetRows) {
  if (currentRow >= offcutRows.size() || RowEmpty(offcutRows[currentRow])) return;
  CopyIntoFirstEmptyRow(offcutRows[currentRow], sheetRows);
  offcutRows[currentRow].assign(kStockColumns, std::string());
}

}  // namespace vexlin
