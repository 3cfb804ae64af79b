#include "output/layout_printing.h"

#include <algorithm>
#include <charconv>
#include <limits>
#include <optional>

#include "model/packet.h"
#include "model/rounding.h"
#include "model/text_table.h"
#include "optimizer/schemes.h"

namespace vexlin {
namespace {

constexpr int32_t kFallbackFontHeight = 12;
constexpr int32_t kSmallestFontHeight = 8;
// Dimension marks run from 20 to 50 pixels off the sheet; their texts start 3 pixels past
// a sheet edge, or 53 pixels before it on the top and left sides.
constexpr int64_t kMarkNear = 20;
constexpr int64_t kMarkFar = 50;
constexpr int64_t kTextPast = 3;
constexpr int64_t kTextBefore = 53;
constexpr int64_t kCaptionShift = 10;

// An integer as typed: blanks around it and a sign are allowed.
std::optional<int32_t> ParseInteger(std::string_view text) {
  const size_t first = text.find_first_not_of(' ');
  if (first == std::string_view::npos) return {};
  text = text.substr(first, text.find_last_not_of(' ') - first + 1);
  const bool plus = text.starts_with('+');
  if (plus) text.remove_prefix(1);
  if (plus && text.starts_with('-')) return {};
  int32_t value = 0;
  const char* end = text.data() + text.size();
  const auto [stop, error] = std::from_chars(text.data(), end, value);
  if (error != std::errc() || stop != end) return {};
  return value;
}

// A typed font height may be any 32-bit integer, so positions are worked out in 64 bits and
// held to the canvas's range only when drawn.
int32_t Px(int64_t value) {
  return static_cast<int32_t>(std::clamp<int64_t>(value, std::numeric_limits<int32_t>::min(),
                                                  std::numeric_limits<int32_t>::max()));
}

// The margin and the line step follow the font's height.
struct TPageMetrics {
  int64_t FontHeight;
  int64_t Margin;
  int64_t Step;
};

TPageMetrics MetricsOf(const TPrintPage& page) {
  const int64_t fh = page.FontHeight;
  return {fh, 7 * fh, fh + fh / 3};
}

struct TBox {
  int64_t Left;
  int64_t Top;
  int64_t Right;
  int64_t Bottom;
};

// The whole sheet and its usable area inside the trims, in pixels.
struct TSheetBoxes {
  TBox Sheet;
  TBox Usable;
};

int64_t Middle(int64_t a, int64_t b) {
  return (a + b) / 2;
}

int64_t ScaledPixels(int64_t length, double scale) {
  return RoundHalfEven(static_cast<double>(length) * scale);
}

void Text(TCanvas& canvas, int64_t x, int64_t y, const std::string& text) {
  canvas.TextOut(Px(x), Px(y), text);
}

void Line(TCanvas& canvas, int64_t x0, int64_t y0, int64_t x1, int64_t y1) {
  canvas.MoveTo(Px(x0), Px(y0));
  canvas.LineTo(Px(x1), Px(y1));
}

void Outline(TCanvas& canvas, const TBox& box) {
  canvas.Rectangle(Px(box.Left), Px(box.Top), Px(box.Right), Px(box.Bottom));
}

// Pixels per thousandth that fit the sheet with its trims into the room below the report;
// 0 when there is no room.
double PrintScale(const TPacket& layout, const TReportSettings& settings, const TPrintPage& page,
                  const TPageMetrics& metrics, int64_t reportBottom) {
  const int64_t roomWidth = page.Width - 14 * metrics.FontHeight;
  const int64_t roomHeight = page.Height - 14 * metrics.FontHeight - reportBottom;
  const int64_t length = int64_t{layout.Length} + 2 * int64_t{settings.LengthEdge};
  const int64_t width = int64_t{layout.Width} + 2 * int64_t{settings.WidthEdge};
  if (length <= 0 || width <= 0) return 0;
  return std::min(static_cast<double>(roomWidth) / static_cast<double>(length),
                  static_cast<double>(roomHeight) / static_cast<double>(width));
}

TSheetBoxes SheetBoxesOf(const TPacket& layout, const TReportSettings& settings, double scale,
                         int64_t left, int64_t top) {
  const int64_t fullLength = int64_t{layout.NetLength()} + 2 * int64_t{settings.LengthEdge};
  const int64_t fullWidth = int64_t{layout.NetWidth()} + 2 * int64_t{settings.WidthEdge};
  const TBox sheet{left, top, left + ScaledPixels(fullLength, scale),
                   top + ScaledPixels(fullWidth, scale)};
  const int64_t usableLeft = left + ScaledPixels(settings.LengthEdge, scale);
  const int64_t usableTop = top + ScaledPixels(settings.WidthEdge, scale);
  const TBox usable{usableLeft, usableTop, usableLeft + ScaledPixels(layout.NetLength(), scale) + 1,
                    usableTop + ScaledPixels(layout.NetWidth(), scale) + 1};
  return {sheet, usable};
}

void PrintLengthEdgeMarks(TCanvas& canvas, const TSheetBoxes& boxes, const TPacket& layout,
                          const TReportSettings& settings) {
  const int64_t top = boxes.Sheet.Top;
  for (const int64_t x : {boxes.Sheet.Left, boxes.Usable.Left, boxes.Usable.Right}) {
    Line(canvas, x, top - kMarkNear, x, top - kMarkFar);
  }
  Text(canvas, boxes.Sheet.Left + kTextPast, top - kTextBefore, LengthText(settings.LengthEdge));
  Text(canvas, Middle(boxes.Usable.Left, boxes.Usable.Right), top - kTextBefore,
       LengthText(layout.NetLength()));
}

void PrintWidthEdgeMarks(TCanvas& canvas, const TSheetBoxes& boxes, const TPacket& layout,
                         const TReportSettings& settings) {
  const int64_t left = boxes.Sheet.Left;
  for (const int64_t y : {boxes.Sheet.Top, boxes.Usable.Top, boxes.Usable.Bottom}) {
    Line(canvas, left - kMarkNear, y, left - kMarkFar, y);
  }
  Text(canvas, left - kTextBefore, boxes.Sheet.Top + kTextPast, LengthText(settings.WidthEdge));
  Text(canvas, left - kTextBefore, Middle(boxes.Usable.Top, boxes.Usable.Bottom),
       LengthText(layout.NetWidth()));
}

void PrintFullSizeMarks(TCanvas& canvas, const TSheetBoxes& boxes, const TPacket& layout,
                        const TReportSettings& settings) {
  const TBox& sheet = boxes.Sheet;
  for (const int64_t x : {sheet.Left, sheet.Right}) {
    Line(canvas, x, sheet.Bottom + kMarkNear, x, sheet.Bottom + kMarkFar);
  }
  Text(canvas, Middle(sheet.Left, sheet.Right), sheet.Bottom + kTextPast,
       LengthText(int64_t{layout.NetLength()} + 2 * int64_t{settings.LengthEdge}));
  for (const int64_t y : {sheet.Top, sheet.Bottom}) {
    Line(canvas, sheet.Right + kMarkNear, y, sheet.Right + kMarkFar, y);
  }
  Text(canvas, sheet.Right + kTextPast, Middle(sheet.Top, sheet.Bottom),
       LengthText(int64_t{layout.NetWidth()} + 2 * int64_t{settings.WidthEdge}));
}

// A trim of 0 has nothing to measure, so only the full sizes are marked then.
void PrintDimensionMarks(TCanvas& canvas, const TSheetBoxes& boxes, const TPacket& layout,
                         const TReportSettings& settings) {
  if (settings.LengthEdge != 0) PrintLengthEdgeMarks(canvas, boxes, layout, settings);
  if (settings.WidthEdge != 0) PrintWidthEdgeMarks(canvas, boxes, layout, settings);
  PrintFullSizeMarks(canvas, boxes, layout, settings);
}

}  // namespace

TPrinterFont CheckPrinterFontSize(std::string_view typed, TPrintedPage page) {
  const std::string named =
      Texts().Text("Printer Font Size Caption") + " '" + std::string(typed) + "'";
  const std::optional<int32_t> height = ParseInteger(typed);
  if (!height) return {kFallbackFontHeight, named + (page == TPrintedPage::Report ? "." : "")};
  if (*height < kSmallestFontHeight) return {kFallbackFontHeight, named + " <8."};
  return {*height, {}};
}

void PrintReport(const std::vector<std::string>& reportLines, const TPrintPage& page,
                 TCanvas& canvas, const TReportClock& clock) {
  const TPageMetrics metrics = MetricsOf(page);
  const TDateTimeText now = clock();
  Text(canvas, metrics.Margin, metrics.FontHeight,
       Texts().Text("My Company Information") + "    " + now.Date + "  " + now.Time);
  const int64_t captionTop = 2 * metrics.Step + metrics.FontHeight;
  Text(canvas, (page.Width - 2 * metrics.Margin) / 4 + metrics.Margin + kCaptionShift, captionTop,
       Texts().Text("Tab Report"));
  int64_t y = captionTop + 2 * metrics.Step;
  for (const std::string& line : reportLines) {
    if (y >= page.Height) break;
    Text(canvas, metrics.Margin, y, line);
    y += metrics.Step;
  }
}

void PrintScheme(const TPacket& layout, size_t index, const TReportSettings& settings,
                 const TDrawSwitches& switches, const TPrintPage& page, TCanvas& canvas,
                 const TReportClock& clock) {
  const TPageMetrics metrics = MetricsOf(page);
  int64_t y = metrics.FontHeight;
  for (const std::string& line : FormatOneLayoutReport(layout, index, settings, clock)) {
    y += metrics.Step;
    Text(canvas, metrics.Margin, y, line);
  }
  const double scale = PrintScale(layout, settings, page, metrics, y);
  if (!(scale > 0)) return;
  const TSheetBoxes boxes =
      SheetBoxesOf(layout, settings, scale, metrics.Margin, metrics.Margin + y);
  if (settings.BladeWidth != 0) Outline(canvas, boxes.Sheet);
  Outline(canvas, boxes.Usable);
  PrintDimensionMarks(canvas, boxes, layout, settings);
  const TPoint origin{Px(boxes.Usable.Left), Px(boxes.Usable.Top)};
  for (const T2DStock& piece : layout.Pieces) {
    if (IsShownPiece(piece, settings.ShowOffcuts)) {
      PrintOnCanvas(piece, origin, canvas, switches, scale);
    }
  }
}

void PrintAllPages(const TSchemes& result, const std::vector<std::string>& reportLines,
                   const TReportSettings& settings, const TDrawSwitches& switches,
                   const TPrintPage& page, TCanvas& canvas, const std::function<void()>& newPage,
                   const TReportClock& clock) {
  PrintReport(reportLines, page, canvas, clock);
  for (size_t i = 0; i < result.Size(); ++i) {
    newPage();
    PrintScheme(result[i], i, settings, switches, page, canvas, clock);
  }
}

}  // namespace vexlin
