#include "output/offcut_file.h"

#include <cmath>
#include <string_view>

#include "input/list_files.h"
#include "input/option_values.h"
#include "model/pub_func.h"
#include "model/text_table.h"
#include "optimizer/schemes.h"
#include "output/offcut_generator.h"

namespace vexlin {
namespace {

bool IsKeptOffcutLabel(std::string_view label) {
  return LabelPrefix(label) == "OFFCUT_";
}

bool BigEnough(const T2DStock& piece, int32_t minLength, int32_t minWidth) {
  const int32_t length = piece.NetLength();
  const int32_t width = piece.NetWidth();
  return (length >= minLength && width >= minWidth) || (length >= minWidth && width >= minLength);
}

// The piece's share of the sheet's cost, by gross area, rounded half to even.
int32_t CostShare(const T2DStock& piece, const TPacket& layout) {
  const double sheetArea = layout.GrossArea();
  if (sheetArea <= 0) return 0;
  return static_cast<int32_t>(std::nearbyint(piece.GrossArea() / sheetArea * layout.GetCost()));
}

TGridRow ScrapRow(const T2DStock& piece, const TPacket& layout, size_t layoutIndex) {
  const TPubFunc& numbers = PubFunc();
  return {"L_" + std::to_string(layoutIndex) + "_" + layout.Label + "_" + piece.Label,
          numbers.ScaledToText(piece.NetLength()), numbers.ScaledToText(piece.NetWidth()),
          std::to_string(layout.Count), numbers.ScaledToText(CostShare(piece, layout))};
}

}  // namespace

TGrid ScrapRows(const TSchemes& result, int32_t minLength, int32_t minWidth) {
  TGrid rows;
  for (size_t k = 0; k < result.Size(); ++k) {
    for (const T2DStock& piece : result[k].Pieces) {
      if (IsKeptOffcutLabel(piece.Label) && BigEnough(piece, minLength, minWidth)) {
        rows.push_back(ScrapRow(piece, result[k], k));
      }
    }
  }
  return rows;
}

std::string SaveSheetsScraps(const std::string& path, TSchemes& result,
                             const TOptionValues& options) {
  if (result.Empty()) return Texts().Text("MSG_LAYOUT_IS_EMPTY");
  for (TPacket& layout : result.Items) {
    GenerateOffcutParts(layout, options.BladeWidth, options.Guillotine);
  }
  return WriteListFile(path, ScrapRows(result, options.MinScrapLength, options.MinScrapWidth),
                       TGridKind::Offcuts);
}

}  // namespace vexlin
