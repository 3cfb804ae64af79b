#pragma once

#include <cstddef>
#include <cstdint>
#include <initializer_list>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace vexlin {

// The data rows of an input grid as cell texts, without the heading row: rows[0] is the
// window's grid row 1. A row may be shorter than the grid; missing cells read as empty.
using TGridRow = std::vector<std::string>;
using TGrid = std::vector<TGridRow>;

// The three input lists. Sheets and offcuts share one row layout.
enum class TGridKind { Sheets, Parts, Offcuts };

// Columns of a sheet or offcut row.
inline constexpr size_t kStockLabel = 0;
inline constexpr size_t kStockLength = 1;
inline constexpr size_t kStockWidth = 2;
inline constexpr size_t kStockQty = 3;
inline constexpr size_t kStockCost = 4;
// Columns of a part row.
inline constexpr size_t kPartLabel = 0;
inline constexpr size_t kPartLength = 1;
inline constexpr size_t kPartWidth = 2;
inline constexpr size_t kPartRotate = 3;
inline constexpr size_t kPartQty = 4;
inline constexpr size_t kPartShape = 5;

size_t GridColumns(TGridKind kind);
// Data rows of the window's grid: 500 for sheets and parts, 100 for offcuts.
size_t GridDataRows(TGridKind kind);
// The data rows of a grid of dataRows that must hold needed rows: it grows by ten rows at
// a time, as an import grows it.
size_t GrownDataRows(size_t dataRows, size_t needed);

// A refused input: the message to show and the cell to select. Row counts data rows from
// 0 (the window adds its heading row); Column is the grid column.
struct TCellFault {
  std::string Message;
  size_t Row = 0;
  size_t Column = 0;
};

std::string_view CellText(const TGridRow& row, size_t column);
// Widens the row when the cell is beyond its end.
void SetCellText(TGridRow& row, size_t column, std::string_view text);
bool AnyCellFilled(const TGridRow& row, std::initializer_list<size_t> columns);
bool AllCellsFilled(const TGridRow& row, std::initializer_list<size_t> columns);

// Cell codes: only "n"/"N" keep a part's orientation and only "c"/"C" make a disc; any
// other text, empty included, is "R".
std::string RotationCode(std::string_view text);
std::string ShapeCode(std::string_view text);

// A quantity: a decimal whole number, blanks around it and a sign allowed; no value when
// the text is anything else or beyond 32 bits.
std::optional<int32_t> TextToWhole(std::string_view text);

}  // namespace vexlin
