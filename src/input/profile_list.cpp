#include "input/profile_list.h"

#include <algorithm>
#include <charconv>

#include "input/dxf_import.h"
#include "model/pub_func.h"
#include "model/text_table.h"

namespace vexlin {
namespace {

std::string_view TrimBlanks(std::string_view text) {
  const size_t first = text.find_first_not_of(" \t");
  if (first == std::string_view::npos) return {};
  return text.substr(first, text.find_last_not_of(" \t") - first + 1);
}

std::optional<int32_t> ParseQuantity(std::string_view text) {
  text = TrimBlanks(text);
  int32_t value = 0;
  const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), value);
  if (text.empty() || error != std::errc() || end != text.data() + text.size() || value < 1) {
    return std::nullopt;
  }
  return value;
}

}  // namespace

bool HasProfileLabel(const TProfileLists& lists, std::string_view label) {
  return std::any_of(lists.Profiles.begin(), lists.Profiles.end(),
                     [&](const T2DStock& p) { return p.Label == label; });
}

std::string AddAnyShape(TProfileLists& lists, TDxfImport& dxf, std::string_view label,
                        std::string_view quantityText, std::string_view shapeType,
                        const TShapeParams& params) {
  if (label.empty()) return Texts().Text("MSG_SELECT_SHAPE_LABEL_EMPTY");
  const std::optional<int32_t> quantity = ParseQuantity(quantityText);
  if (!quantity) return Texts().Text("MSG_PART_QTY_FORMAT_INVALID");
  if (HasProfileLabel(lists, label)) return Texts().Text("MSG_LABEL_ISNT_UNIQUE");
  if (!dxf.OutlineSelected) return AddStandardShape(lists, label, shapeType, params, *quantity);
  AddDXFShape(dxf, lists, label, dxf.Path, *quantity);
  return {};
}

std::string AddStandardShape(TProfileLists& lists, std::string_view label,
                             std::string_view shapeType, const TShapeParams& params,
                             int32_t quantity) {
  if (HasProfileLabel(lists, label)) return Texts().Text("MSG_LABEL_ISNT_UNIQUE");
  const int32_t listIndex = static_cast<int32_t>(lists.Shapes->Size());
  const std::optional<TStandardShape> shape =
      BuildStandardShape(label, shapeType, params, listIndex);
  if (!shape) return Texts().Text("MSG_SHAPE_PARA_FORMAT_INVALID");
  lists.Shapes->AddOrReplace(shape->Record);
  T2DStock piece;
  piece.SetLabel(label)
      .SetCount(quantity)
      .SetLength(shape->Length)
      .SetWidth(shape->Width)
      .SetShape(kShapeProfile)
      .SetProfileIndex(static_cast<int32_t>(lists.Profiles.Size()))
      .SetOrientation(0);
  lists.Profiles.AddCopy(piece);
  return {};
}

std::vector<TProfileRow> ProfileListRows(const TProfileLists& lists) {
  std::vector<TProfileRow> rows;
  for (const T2DStock& piece : lists.Profiles) {
    const TTrapezium* shape = lists.Shapes->FindByName(piece.Label);
    const int32_t extentX = shape ? shape->Outline(1, piece.Orientation & 3).ExtentX : piece.Length;
    rows.push_back({piece.Label + " [" + PubFunc().ScaledToText(extentX) + "X" +
                        PubFunc().ScaledToText(piece.Width) + "]",
                    std::to_string(piece.Count)});
  }
  return rows;
}

void DeleteProfile(TProfileLists& lists, size_t i) {
  if (i >= lists.Profiles.Size()) return;
  lists.Shapes->DeleteByName(lists.Profiles[i].Label);
  lists.Profiles.Delete(i);
}

void DeleteAllProfiles(TProfileLists& lists) {
  lists.Profiles.ClearAll();
  lists.Shapes->ClearList();
}

}  // namespace vexlin
