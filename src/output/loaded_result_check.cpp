#include "output/loaded_result_check.h"

#include <cstdint>
#include <string_view>

#include "model/packet.h"
#include "model/panels.h"
#include "model/stock2d.h"
#include "model/text_table.h"

namespace vexlin {
namespace {

// Sheet counts are summed and subtracted in 32 bits; this keeps every sum in range.
constexpr int32_t kMaxQuantity = 1000000000;

std::string Number(size_t i) {
  return std::to_string(i + 1);
}

std::string LayoutName(size_t n) {
  return FilledText("MSG_RESULT_LAYOUT", {Number(n)});
}

std::string PieceName(const T2DStock& piece, size_t i, size_t n) {
  return FilledText("MSG_RESULT_PIECE", {Number(i), piece.Label, Number(n)});
}

std::string ListEntryName(std::string_view key, const T2DStock& entry, size_t i) {
  return FilledText(key, {Number(i), entry.Label});
}

bool HasSize(const T2DStock& record) {
  return record.Length > 0 && record.Width > 0;
}

bool QuantityInRange(const T2DStock& record) {
  return record.Count >= 0 && record.Count <= kMaxQuantity;
}

bool KnownShape(const T2DStock& record) {
  if (record.Shape == kShapeProfile) return record.Orientation >= 0 && record.Orientation <= 3;
  return record.Shape == kShapeRectangle || record.Shape == kShapeDisc;
}

bool OnSheet(const T2DStock& piece, const TPacket& layout) {
  return piece.Origin.X >= 0 && piece.Origin.Y >= 0 &&
         int64_t{piece.Origin.X} + piece.Length <= layout.Length &&
         int64_t{piece.Origin.Y} + piece.Width <= layout.Width;
}

// A part type of the list, or of a layout's counts.
std::string CheckPartType(const T2DStock& type, const std::string& name) {
  if (!HasSize(type)) return FilledText("MSG_RESULT_SIZE_INVALID", {name});
  if (!KnownShape(type)) return FilledText("MSG_RESULT_SHAPE_INVALID", {name});
  if (!QuantityInRange(type)) return FilledText("MSG_RESULT_QTY_INVALID", {name});
  return {};
}

std::string CheckPiece(const T2DStock& piece, const std::string& name, const TPacket& layout,
                       size_t partTypes) {
  if (!HasSize(piece)) return FilledText("MSG_RESULT_SIZE_INVALID", {name});
  if (!KnownShape(piece)) return FilledText("MSG_RESULT_SHAPE_INVALID", {name});
  if (!OnSheet(piece, layout)) return FilledText("MSG_RESULT_PIECE_OUTSIDE", {name});
  // Offcut pieces are made anew and belong to no part type; a part is counted in its type.
  if (IsOffcutLabel(piece.Label)) return {};
  if (piece.Index < 0 || static_cast<size_t>(piece.Index) >= partTypes) {
    return FilledText("MSG_RESULT_PART_TYPE_INVALID", {name});
  }
  if (piece.Count != 1) return FilledText("MSG_RESULT_QTY_INVALID", {name});
  return {};
}

}  // namespace

std::string CheckLoadedLists(const TPanels& parts, const TPanels& sheets) {
  for (size_t i = 0; i < parts.Size(); ++i) {
    std::string error = CheckPartType(parts[i], ListEntryName("MSG_RESULT_PART_TYPE", parts[i], i));
    if (!error.empty()) return error;
  }
  for (size_t i = 0; i < sheets.Size(); ++i) {
    const std::string name = ListEntryName("MSG_RESULT_SHEET_TYPE", sheets[i], i);
    if (!HasSize(sheets[i])) return FilledText("MSG_RESULT_SIZE_INVALID", {name});
    if (!QuantityInRange(sheets[i])) return FilledText("MSG_RESULT_QTY_INVALID", {name});
  }
  return {};
}

std::string CheckLoadedLayout(const TPacket& layout, size_t n, size_t partTypes,
                              int64_t sheetsBefore) {
  const std::string name = LayoutName(n);
  if (!HasSize(layout)) return FilledText("MSG_RESULT_SIZE_INVALID", {name});
  if (layout.Count < 1 || sheetsBefore + layout.Count > kMaxQuantity) {
    return FilledText("MSG_RESULT_QTY_INVALID", {name});
  }
  if (layout.TypeCounts.Size() != partTypes) {
    return FilledText("MSG_RESULT_COUNTS_INVALID", {name});
  }
  for (size_t i = 0; i < layout.TypeCounts.Size(); ++i) {
    const T2DStock& type = layout.TypeCounts[i];
    std::string error = CheckPartType(type, ListEntryName("MSG_RESULT_PART_TYPE", type, i));
    if (!error.empty()) return error;
  }
  for (size_t i = 0; i < layout.Pieces.Size(); ++i) {
    const T2DStock& piece = layout.Pieces[i];
    std::string error = CheckPiece(piece, PieceName(piece, i, n), layout, partTypes);
    if (!error.empty()) return error;
  }
  return {};
}

}  // namespace vexlin
