#include "output/layout_facts.h"

#include <cmath>
#include <cstdint>
#include <string_view>

#include "model/packet.h"
#include "model/pub_func.h"
#include "model/text_table.h"
#include "output/deep_summary_text.h"
#include "output/report.h"

namespace vexlin {
namespace {

std::string Caption(std::string_view key) {
  return Texts().Text(key);
}

std::string AreaText(double area, const TReportSettings& settings) {
  return PubFunc().AreaToText(RoundTo(area, 4)) + Caption("Sqr Caption") + settings.UnitText;
}

std::string Entry(std::string_view key, const std::string& value) {
  return Caption(key) + ": " + value;
}

std::string SheetHint(const TReportSettings& settings) {
  return Entry("Length Edge Caption", LengthText(settings.LengthEdge) + settings.UnitText) + " , " +
         Entry("Width Edge Caption", LengthText(settings.WidthEdge) + settings.UnitText);
}

std::string UsableHint(const TPacket& layout, int64_t usableLength, int64_t usableWidth,
                       const TReportSettings& settings) {
  const double usableArea = static_cast<double>(usableLength) * static_cast<double>(usableWidth);
  return Entry("Layout Sheet Label Caption", layout.Label) + " , " +
         Entry("Usable Length Caption", LengthText(usableLength) + settings.UnitText) + " , " +
         Entry("Usable Width Caption", LengthText(usableWidth) + settings.UnitText) + " , " +
         Entry("Usable Area Caption", AreaText(usableArea, settings));
}

TGrid PartRows(const TPacket& layout) {
  TGrid rows;
  for (const T2DStock& part : layout.TypeCounts) {
    rows.push_back({part.Label, std::to_string(part.Count)});
  }
  return rows;
}

}  // namespace

TLayoutFacts LayoutFactsOf(const TPacket& layout, const TReportSettings& settings,
                           const TDeepSummary& deep) {
  const int64_t usableLength = int64_t{layout.Length} - settings.BladeWidth;
  const int64_t usableWidth = int64_t{layout.Width} - settings.BladeWidth;
  const int64_t fullLength = usableLength + 2 * int64_t{settings.LengthEdge};
  const int64_t fullWidth = usableWidth + 2 * int64_t{settings.WidthEdge};
  TLayoutFacts facts;
  facts.Utilization = PercentText(layout.Utilisation());
  facts.WasteArea = AreaText(layout.WasteArea(), settings) + ".";
  facts.Label = layout.Label;
  facts.Length = LengthText(fullLength) + " " + settings.UnitText;
  facts.Width = LengthText(fullWidth) + " " + settings.UnitText;
  facts.Quantity = std::to_string(layout.Count);
  facts.Cost = LengthText(layout.Cost);
  facts.Area = AreaText(static_cast<double>(fullLength) * static_cast<double>(fullWidth), settings);
  facts.SheetHint = SheetHint(settings);
  facts.UsableHint = UsableHint(layout, usableLength, usableWidth, settings);
  facts.PartRows = PartRows(layout);
  if (deep.Ran) {
    facts.LowerBound = DeepBoundText(deep, settings);
    facts.Gap = DeepGapText(deep);
  }
  return facts;
}

std::string LayoutListItem(size_t index, size_t count) {
  return std::to_string(index + 1) + " / " + std::to_string(count);
}

std::string ScrollHint(size_t index, size_t count) {
  return Caption("MSG_SCROLL_LAYOUT_TOTAL") + std::to_string(count) + "\r\n" +
         Caption("MSG_SCROLL_LAYOUT_CURRENT") + std::to_string(index + 1);
}

}  // namespace vexlin
