#include "output/layout_rearrange.h"

#include <string>

#include "model/packet.h"
#include "model/run_options.h"
#include "optimizer/vexlin.h"
#include "output/offcut_generator.h"

namespace vexlin {
namespace {

// The layout's sheet and its parts, in the order of the run's part list (rectangles and
// discs before profiles), so the new layout's counts line up with the run's part types.
std::string AddLayoutInputs(TVexlin& second, const TPacket& layout) {
  std::string error =
      second.AddSheet(layout.Label, layout.NetLength(), layout.NetWidth(), 1, layout.GetCost());
  for (const T2DStock& type : layout.TypeCounts) {
    if (error.empty() && type.Shape != kShapeProfile) {
      error = second.AddPart(type.Label, type.NetLength(), type.NetWidth(), type.Rotatable,
                             type.Count, type.Shape);
    }
  }
  for (const T2DStock& type : layout.TypeCounts) {
    if (!error.empty() || type.Shape != kShapeProfile) continue;
    T2DStock profile = type;
    profile.SetLength(type.NetLength()).SetWidth(type.NetWidth());
    error = second.AddProfile(profile);
  }
  return error;
}

std::string PrepareSearch(TVexlin& second, const TPacket& layout) {
  second.Clear();
  if (std::string error = AddLayoutInputs(second, layout); !error.empty()) return error;
  if (std::string error = second.CheckPartCount(); !error.empty()) return error;
  second.AddBladeWidth();
  return second.GenAllSeeds();
}

bool TryOneSheet(TVexlin& second) {
  second.GenAllSchemes();
  const std::string error = second.GenBestResult();
  return error.empty() && second.BestResult.Size() == 1 && second.BestResult[0].Count == 1;
}

void TakeNewLayout(TPacket& layout, const TPacket& found) {
  // The second engine knows only this sheet, so its sheet type number means nothing to the
  // run: the layout stays of its own sheet type.
  const int32_t sheetType = layout.Index;
  const int32_t count = layout.Count;
  layout.AssignPacket(found);
  layout.SetIndex(sheetType).SetCount(count);
  GenerateOffcutParts(layout, BladeWidth, GuillotineMode);
}

}  // namespace

bool LayoutAgainClick(TVexlin& second, TPacket& layout) {
  if (!PrepareSearch(second, layout).empty()) return false;
  for (int attempt = 0; attempt < kRearrangeTries; ++attempt) {
    if (TryOneSheet(second)) {
      TakeNewLayout(layout, second.BestResult[0]);
      return true;
    }
  }
  return false;
}

}  // namespace vexlin
