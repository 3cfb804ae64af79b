#include "input/grid_rows.h"

#include <algorithm>
#include <charconv>
#include <limits>

namespace vexlin {
namespace {

constexpr std::string_view kBlanks = " \t";

}  // namespace

size_t GridColumns(TGridKind kind) {
  return kind == TGridKind::Parts ? 6 : 5;
}

size_t GridDataRows(TGridKind kind) {
  return kind == TGridKind::Offcuts ? 100 : 500;
}

size_t GrownDataRows(size_t dataRows, size_t needed) {
  constexpr size_t kStep = 10;
  if (needed <= dataRows) return dataRows;
  return dataRows + (needed - dataRows + kStep - 1) / kStep * kStep;
}

std::string_view CellText(const TGridRow& row, size_t column) {
  return column < row.size() ? std::string_view(row[column]) : std::string_view();
}

void SetCellText(TGridRow& row, size_t column, std::string_view text) {
  if (column >= row.size()) row.resize(column + 1);
  row[column] = text;
}

bool AnyCellFilled(const TGridRow& row, std::initializer_list<size_t> columns) {
  return std::ranges::any_of(columns, [&](size_t c) { return !CellText(row, c).empty(); });
}

bool AllCellsFilled(const TGridRow& row, std::initializer_list<size_t> columns) {
  return std::ranges::all_of(columns, [&](size_t c) { return !CellText(row, c).empty(); });
}

std::string RotationCode(std::string_view text) {
  return text == "n" || text == "N" ? "N" : "R";
}

std::string ShapeCode(std::string_view text) {
  return text == "c" || text == "C" ? "C" : "R";
}

std::optional<int32_t> TextToWhole(std::string_view text) {
  const size_t first = text.find_first_not_of(kBlanks);
  if (first == std::string_view::npos) return std::nullopt;
  text = text.substr(first, text.find_last_not_of(kBlanks) - first + 1);
  const bool negative = text.starts_with('-');
  if (negative || text.starts_with('+')) text.remove_prefix(1);
  // An unsigned conversion takes digits only, so a second sign is refused.
  uint32_t magnitude = 0;
  const char* last = text.data() + text.size();
  const auto [end, error] = std::from_chars(text.data(), last, magnitude);
  if (error != std::errc() || end != last) return std::nullopt;
  const int64_t value = negative ? -int64_t{magnitude} : int64_t{magnitude};
  if (value < std::numeric_limits<int32_t>::min() || value > std::numeric_limits<int32_t>::max()) {
    return std::nullopt;
  }
  return static_cast<int32_t>(value);
}

}  // namespace vexlin
