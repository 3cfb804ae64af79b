#pragma once

#include <cstddef>
#include <cstdint>
#include <functional>
#include <string>
#include <string_view>
#include <vector>

#include "model/canvas.h"
#include "model/piece_drawing.h"
#include "output/report.h"

namespace vexlin {

class TPacket;
class TSchemes;

// A printed page: its size in the printer's device pixels and the character height of the
// printer font, from which the margin and the line step follow.
struct TPrintPage {
  int32_t Width = 0;
  int32_t Height = 0;
  int32_t FontHeight = 12;
};

// The page a font size is checked for: the two word their complaint slightly differently.
enum class TPrintedPage { Report, Layout };

// A printer font size checked: the height to print with, and the message to show first
// (empty when the typed text was a size of 8 or more).
struct TPrinterFont {
  int32_t Height = 12;
  std::string Message;
};

// Checks the font size typed on the Configure tab; a text that is not an integer, or a size
// below 8, falls back to 12 with a message naming the typed text.
TPrinterFont CheckPrinterFontSize(std::string_view typed, TPrintedPage page);

// The whole run's report on the current page: the company line with the moment of printing,
// the report's caption, then its lines as far down as the page goes.
void PrintReport(const std::vector<std::string>& reportLines, const TPrintPage& page,
                 TCanvas& canvas, const TReportClock& clock = LocalDateTime);

// One layout on the current page: its report at the top and below it the sheet, as large as
// the rest of the page allows, with its dimension marks and the pieces the view shows.
void PrintScheme(const TPacket& layout, size_t index, const TReportSettings& settings,
                 const TDrawSwitches& switches, const TPrintPage& page, TCanvas& canvas,
                 const TReportClock& clock = LocalDateTime);

// Every page of the whole result: the run's report, then each layout on a page of its own,
// newPage starting each next page.
void PrintAllPages(const TSchemes& result, const std::vector<std::string>& reportLines,
                   const TReportSettings& settings, const TDrawSwitches& switches,
                   const TPrintPage& page, TCanvas& canvas, const std::function<void()>& newPage,
                   const TReportClock& clock = LocalDateTime);

}  // namespace vexlin
