#pragma once

#include <cstddef>
#include <string>

#include "input/grid_rows.h"
#include "optimizer/deep/deep_search.h"

namespace vexlin {

class TPacket;
struct TReportSettings;

// What the Layout tab shows of one layout, as finished texts. Sizes are of the full sheet
// (usable size plus the trims) except in the usable-sheet hint.
struct TLayoutFacts {
  std::string Label;
  std::string Quantity;
  std::string Length;  // "2440 mm"
  std::string Width;
  std::string Cost;
  std::string Area;         // "2.9768.sq.mm"
  std::string WasteArea;    // "0.5.sq.mm."
  std::string Utilization;  // "82.5%"
  std::string SheetHint;    // the two trims
  std::string UsableHint;   // label, usable length, width and area
  TGrid PartRows;           // label and count of every part type of the layout
  std::string LowerBound;   // of the whole result, when the deep search made it
  std::string Gap;          // "4.17%", "0% optimal"
};

// The facts of a layout cut in a run with these settings, and what the deep search proved
// of the result it belongs to.
TLayoutFacts LayoutFactsOf(const TPacket& layout, const TReportSettings& settings,
                           const TDeepSummary& deep = {});

// An entry of the layout list: "2 / 5" for the second of five.
std::string LayoutListItem(size_t index, size_t count);

// The scroll bar's hint: the layout count and the current layout's number, on two lines.
std::string ScrollHint(size_t index, size_t count);

}  // namespace vexlin
