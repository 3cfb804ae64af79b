#pragma once

#include <cstddef>
#include <cstdint>
#include <functional>
#include <string>
#include <vector>

namespace vexlin {

struct TOptionValues;

class TPacket;
class TVexlin;

// The option values of the run the report describes, and the view switch for offcuts.
// Lengths are scaled like every length.
struct TReportSettings {
  std::string UnitText;
  int32_t BladeWidth = 0;
  int32_t LengthEdge = 0;  // taken off both short ends of a sheet
  int32_t WidthEdge = 0;   // taken off both long sides of a sheet
  bool Guillotine = false;
  bool CostOptimize = false;
  bool FastOptimize = false;
  bool DeepOptimize = false;
  bool ShowOffcuts = false;
};

// The report of a run made with these options.
TReportSettings ReportSettingsOf(const TOptionValues& values, bool showOffcuts);

// The moment printed on a layout report, already as text.
struct TDateTimeText {
  std::string Date;
  std::string Time;
};

using TReportClock = std::function<TDateTimeText()>;

// The local date and time as "2026-12-08" and "14:05:09".
TDateTimeText LocalDateTime();

// The report of a whole run: options, sheets used and left, part types, and totals. The
// last-board figures are those of the result's last layout (of an empty sheet when there is
// none).
std::vector<std::string> FormatRunReport(const TVexlin& run, const TReportSettings& settings);

// The report of one layout; index is its position in the result (shown from 1).
std::vector<std::string> FormatOneLayoutReport(const TPacket& layout, size_t index,
                                               const TReportSettings& settings,
                                               const TReportClock& clock = LocalDateTime);

// A percentage rounded to two decimals, half to even, in its shortest text with "%".
std::string PercentText(double percent);
// A length as the reports write it; 64 bits, so sums and trimmed-back sheet sizes cannot
// overflow.
std::string LengthText(int64_t n);
// x rounded to the given number of decimals, half to even.
double RoundTo(double x, int decimals);

}  // namespace vexlin
