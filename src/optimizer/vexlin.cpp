#include "optimizer/vexlin.h"

#include <algorithm>

#include "model/run_options.h"
#include "model/text_table.h"
#include "model/value_limits.h"

namespace vexlin {
namespace {

bool HasLabel(const TPanels& list, std::string_view label) {
  return std::any_of(list.begin(), list.end(),
                     [label](const T2DStock& item) { return item.Label == label; });
}

bool InLengthRange(int32_t length) {
  return length > 0 && length <= kMaxScaledLength;
}

std::string PartRangeFault(int32_t length, int32_t width, int32_t count) {
  const TTextTable& texts = Texts();
  if (!InLengthRange(length)) return texts.Text("MSG_PART_LENGTH_FORMAT_INVALID");
  if (!InLengthRange(width)) return texts.Text("MSG_PART_WIDTH_FORMAT_INVALID");
  if (count < 0 || count > kMaxCount) return texts.Text("MSG_PART_QTY_FORMAT_INVALID");
  return {};
}

int32_t LargerNetSide(const T2DStock& item) {
  return std::max(item.NetLength(), item.NetWidth());
}

double TotalNetArea(const TPanels& list) {
  double total = 0.0;
  for (const T2DStock& item : list) total += item.Count * item.NetArea();
  return total;
}

}  // namespace

void TVexlin::Clear() {
  Seeds.Clear();
  AllSchemes.Clear();
  BestResult.Clear();
  Parts.ClearAll();
  Sheets.ClearAll();
  SheetsLeft.ClearAll();
  Deep = {};
}

std::string TVexlin::AddSheet(std::string_view label, int32_t length, int32_t width, int32_t count,
                              int32_t cost) {
  const TTextTable& texts = Texts();
  if (label.empty()) return texts.Text("MSG_SHEET_LABEL_CANT_BE_EMPTY");
  if (!InLengthRange(length)) return texts.Text("MSG_SHEET_LENGTH_FORMAT_INVALID");
  if (!InLengthRange(width)) return texts.Text("MSG_SHEET_WIDTH_FORMAT_INVALID");
  if (count <= 0 || count > kMaxCount) return texts.Text("MSG_SHEET_QTY_FORMAT_INVALID");
  if (cost < 0) return texts.Text("MSG_SHEET_COST_FORMAT_INVALID");
  if (HasLabel(Sheets, label)) return texts.Text("MSG_LABEL_ISNT_UNIQUE");
  T2DStock sheet;
  sheet.SetLabel(label).SetLength(length).SetWidth(width).SetCount(count).SetCost(cost);
  sheet.SetIndex(static_cast<int32_t>(Sheets.Size()));
  Sheets.AddCopy(sheet);
  return {};
}

std::string TVexlin::AddPart(std::string_view label, int32_t length, int32_t width, bool rotatable,
                             int32_t count, uint8_t shape) {
  const TTextTable& texts = Texts();
  if (label.empty()) return texts.Text("MSG_PART_LABEL_CANT_BE_EMPTY");
  if (std::string fault = PartRangeFault(length, width, count); !fault.empty()) return fault;
  if (HasLabel(Parts, label)) return texts.Text("MSG_LABEL_ISNT_UNIQUE");
  T2DStock part;
  part.SetLabel(label).SetLength(length).SetWidth(width).SetCount(count).SetShape(shape);
  part.Rotatable = rotatable;
  Parts.AddCopy(part);
  return {};
}

std::string TVexlin::AddProfile(const T2DStock& piece) {
  std::string fault = PartRangeFault(piece.Length, piece.Width, piece.Count);
  if (fault.empty()) Parts.AddCopy(piece);
  return fault;
}

std::string TVexlin::CheckPartCount() {
  int64_t total = 0;
  for (size_t i = 0; i < Parts.Size(); ++i) {
    Parts[i].Index = static_cast<int32_t>(i);
    total += Parts[i].Count;
  }
  return total == 0 ? Texts().Text("MSG_PART_DATA_IS_EMPTY") : std::string{};
}

void TVexlin::AddBladeWidth() {
  for (TPanels* list : {&Parts, &Sheets}) {
    for (T2DStock& item : *list) {
      item.Length += BladeWidth;
      item.Width += BladeWidth;
    }
  }
}

std::string TVexlin::CheckPartSizes() const {
  int32_t largestSheetSide = 0;
  bool anySheet = false;
  for (const T2DStock& sheet : Sheets) {
    largestSheetSide =
        anySheet ? std::max(largestSheetSide, LargerNetSide(sheet)) : LargerNetSide(sheet);
    anySheet = true;
  }
  for (const T2DStock& part : Parts) {
    // Rotation permission is not considered: only the longer sides are compared.
    if (!anySheet || LargerNetSide(part) > largestSheetSide) {
      return "Part[label=" + part.Label + "] is too large.";
    }
  }
  if (TotalNetArea(Parts) > TotalNetArea(Sheets)) {
    return Texts().Text("MSG_TOTAL_PART_AREA_LARGER_THAN_SHEET_AREA");
  }
  return {};
}

std::string TVexlin::GenAllSeeds() {
  Seeds.Clear();
  if (Sheets.Empty()) return "no Sheet";
  Seeds.SeedParts = Parts;
  int32_t maxLength = Sheets[0].Length;
  int32_t maxWidth = Sheets[0].Width;
  for (const T2DStock& sheet : Sheets) {
    maxLength = std::max(maxLength, sheet.Length);
    maxWidth = std::max(maxWidth, sheet.Width);
  }
  Seeds.SetMaxLength(maxLength);
  Seeds.SetMaxWidth(maxWidth);
  Seeds.GenerateSeeds();
  return {};
}

void TVexlin::FinishResult(bool dropUnused) {
  std::vector<TPacket>& layouts = BestResult.Items;
  if (dropUnused) {
    std::erase_if(layouts, [](const TPacket& layout) { return layout.Count == 0; });
  }
  // Stable: layouts of equal utilisation keep their order.
  std::stable_sort(layouts.begin(), layouts.end(), [](const TPacket& a, const TPacket& b) {
    return a.Utilisation() > b.Utilisation();
  });
  for (TPacket& layout : layouts) layout.SortPieces();
  CountSheetsLeft();
}

void TVexlin::CountSheetsLeft() {
  SheetsLeft = Sheets;
  for (const TPacket& layout : BestResult.Items) {
    // A loaded result may name a sheet type its file does not hold.
    if (layout.Index >= 0 && static_cast<size_t>(layout.Index) < SheetsLeft.Size()) {
      SheetsLeft[static_cast<size_t>(layout.Index)].Count -= layout.Count;
    }
  }
}

}  // namespace vexlin
