#include "input/grid_readers.h"

#include <string_view>

#include "model/pub_func.h"
#include "model/text_table.h"

namespace vexlin {
namespace {

struct TStockMessageKeys {
  std::string_view Length;
  std::string_view Width;
  std::string_view Qty;
  std::string_view Cost;
};

constexpr TStockMessageKeys kSheetMessages = {
    "MSG_SHEET_LENGTH_FORMAT_INVALID", "MSG_SHEET_WIDTH_FORMAT_INVALID",
    "MSG_SHEET_QTY_FORMAT_INVALID", "MSG_SHEET_COST_FORMAT_INVALID"};
constexpr TStockMessageKeys kOffcutMessages = {
    "MSG_OFFCUT_LENGTH_FORMAT_INVALID", "MSG_OFFCUT_WIDTH_FORMAT_INVALID",
    "MSG_OFFCUT_QTY_FORMAT_INVALID", "MSG_OFFCUT_COST_FORMAT_INVALID"};

std::optional<int32_t> ScaledAtLeast(const TGridRow& row, size_t column, int32_t least) {
  const std::optional<int32_t> value = PubFunc().TextToScaled(CellText(row, column));
  return value && *value >= least ? value : std::nullopt;
}

std::optional<int32_t> WholeAtLeast(const TGridRow& row, size_t column, int32_t least) {
  const std::optional<int32_t> value = TextToWhole(CellText(row, column));
  return value && *value >= least ? value : std::nullopt;
}

TCellFault Fault(std::string_view messageKey, size_t row, size_t column) {
  return TCellFault{Texts().Text(messageKey), row, column};
}

}  // namespace

std::optional<TCellFault> ReadStockRow(TGridRow& row, size_t rowIndex, TGridKind kind,
                                       T2DStock& record) {
  const TStockMessageKeys& keys = kind == TGridKind::Offcuts ? kOffcutMessages : kSheetMessages;
  const std::optional<int32_t> length = ScaledAtLeast(row, kStockLength, 1);
  if (!length) return Fault(keys.Length, rowIndex, kStockLength);
  const std::optional<int32_t> width = ScaledAtLeast(row, kStockWidth, 1);
  if (!width) return Fault(keys.Width, rowIndex, kStockWidth);
  const std::optional<int32_t> count = WholeAtLeast(row, kStockQty, 1);
  if (!count) return Fault(keys.Qty, rowIndex, kStockQty);
  if (CellText(row, kStockCost).empty()) SetCellText(row, kStockCost, "0");
  const std::optional<int32_t> cost = ScaledAtLeast(row, kStockCost, 0);
  if (!cost) return Fault(keys.Cost, rowIndex, kStockCost);
  record = T2DStock();
  record.SetLabel(CellText(row, kStockLabel)).SetLength(*length).SetWidth(*width);
  record.SetCount(*count).SetCost(*cost);
  return std::nullopt;
}

std::optional<TCellFault> ReadPartRow(TGridRow& row, size_t rowIndex, bool labelRequired,
                                      T2DStock& record) {
  if (labelRequired && CellText(row, kPartLabel).empty()) {
    return Fault("MSG_PART_LABEL_CANT_BE_EMPTY", rowIndex, kPartLabel);
  }
  const std::optional<int32_t> length = ScaledAtLeast(row, kPartLength, 1);
  if (!length) return Fault("MSG_PART_LENGTH_FORMAT_INVALID", rowIndex, kPartLength);
  const std::optional<int32_t> width = ScaledAtLeast(row, kPartWidth, 1);
  if (!width) return Fault("MSG_PART_WIDTH_FORMAT_INVALID", rowIndex, kPartWidth);
  SetCellText(row, kPartRotate, RotationCode(CellText(row, kPartRotate)));
  const std::optional<int32_t> count = WholeAtLeast(row, kPartQty, 0);
  if (!count) return Fault("MSG_PART_QTY_FORMAT_INVALID", rowIndex, kPartQty);
  SetCellText(row, kPartShape, ShapeCode(CellText(row, kPartShape)));
  record = T2DStock();
  record.SetLabel(CellText(row, kPartLabel)).SetLength(*length).SetWidth(*width);
  record.SetCount(*count).SetShape(CellText(row, kPartShape) == "C" ? kShapeDisc : kShapeRectangle);
  record.Rotatable = CellText(row, kPartRotate) == "R";
  return std::nullopt;
}

std::optional<TCellFault> ReadSheetRows(TGrid& rows, TPanels& sheets) {
  sheets.ClearAll();
  for (size_t r = 0; r < rows.size(); ++r) {
    if (!AnyCellFilled(rows[r], {kStockLabel, kStockLength, kStockWidth, kStockQty})) continue;
    T2DStock sheet;
    if (auto fault = ReadStockRow(rows[r], r, TGridKind::Sheets, sheet)) return fault;
    sheets.AddCopy(sheet);
  }
  if (sheets.Empty()) return Fault("MSG_SHEET_DATA_IS_EMPTY", 0, kStockLabel);
  return std::nullopt;
}

std::optional<TCellFault> ReadPartRows(TGrid& rows, bool profilesDefined, TPanels& parts) {
  parts.ClearAll();
  for (size_t r = 0; r < rows.size(); ++r) {
    if (!AnyCellFilled(rows[r], {kPartLabel, kPartLength, kPartWidth, kPartQty})) continue;
    T2DStock part;
    if (auto fault = ReadPartRow(rows[r], r, true, part)) return fault;
    parts.AddCopy(part);
  }
  if (parts.Empty() && !profilesDefined) return Fault("MSG_PART_DATA_IS_EMPTY", 0, kPartLabel);
  return std::nullopt;
}

std::optional<TCellFault> ReadProfileQuantities(const TGrid& rows, TPanels& profiles) {
  static const TGridRow kMissingRow;
  for (size_t k = 0; k < profiles.Size(); ++k) {
    const std::optional<int32_t> count =
        WholeAtLeast(k < rows.size() ? rows[k] : kMissingRow, 1, 0);
    if (!count) return Fault("MSG_PART_QTY_FORMAT_INVALID", 0, 1);
    profiles[k].SetCount(*count);
  }
  return std::nullopt;
}

}  // namespace vexlin
