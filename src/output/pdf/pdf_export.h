#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "model/piece_drawing.h"
#include "output/report.h"

namespace vexlin {

class TSchemes;

// Writes the printed pages of a whole result as a PDF file, as "Print All" prints them: the
// run's report, then each layout on a page of its own, on A4 pages of 72 device units to the
// inch in the given printer font height. Returns an empty text, "MSG_LAYOUT_IS_EMPTY" for an
// empty result, or what went wrong.
std::string ExportPdf(const std::string& path, const TSchemes& result,
                      const std::vector<std::string>& reportLines, const TReportSettings& settings,
                      const TDrawSwitches& switches, int32_t fontHeight,
                      const TReportClock& clock = LocalDateTime);

}  // namespace vexlin
