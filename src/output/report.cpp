#include "output/report.h"

#include <charconv>
#include <cmath>
#include <cstdarg>
#include <cstdio>
#include <ctime>
#include <string_view>

#include "input/option_values.h"
#include "model/packet.h"
#include "model/pub_func.h"
#include "model/rounding.h"
#include "model/text_table.h"
#include "optimizer/vexlin.h"
#include "output/deep_summary_text.h"

namespace vexlin {
namespace {

constexpr std::string_view kOffcutPrefix = "OFFCUT_";

// printf formatting, so that the columns are counted exactly as printf counts them.
__attribute__((format(printf, 1, 2))) std::string Format(const char* format, ...) {
  va_list args;
  va_start(args, format);
  va_list sizing;
  va_copy(sizing, args);
  const int size = std::vsnprintf(nullptr, 0, format, sizing);
  va_end(sizing);
  std::string text(size > 0 ? static_cast<size_t>(size) : 0, '\0');
  std::vsnprintf(text.data(), text.size() + 1, format, args);
  va_end(args);
  return text;
}

std::string Caption(std::string_view key) {
  return Texts().Text(key);
}

std::string AreaText(double area) {
  return PubFunc().AreaToText(area);
}

std::string YesNo(bool flag) {
  return Caption(flag ? "TRUE Caption" : "FALSE Caption");
}

class TReportWriter {
 public:
  explicit TReportWriter(const TReportSettings& settings) : settings_(settings) {}

  int64_t Net(int32_t stored) const { return int64_t{stored} - settings_.BladeWidth; }
  double NetArea(const T2DStock& record) const {
    return static_cast<double>(Net(record.Length)) * static_cast<double>(Net(record.Width));
  }
  std::string WithUnit(int64_t length) const { return LengthText(length) + settings_.UnitText; }
  std::string AreaWithUnit(double area) const {
    return AreaText(area) + Caption("Sqr Caption") + settings_.UnitText;
  }

  std::string ShapeText(uint8_t shape) const {
    switch (shape) {
      case kShapeRectangle:
        return Caption("Rectangle Shape");
      case kShapeDisc:
        return Caption("Circle Shape");
      case kShapeProfile:
        return Caption("Tab Profiles");
      default:
        return {};
    }
  }

  std::string PartHeading() const {
    return Format("%-20s%10s%10s%10s%10s%10s", Caption("Part Label Caption").c_str(),
                  Caption("Part Length Caption").c_str(), Caption("Part Width Caption").c_str(),
                  Caption("Part Rotate Caption").c_str(), Caption("Part Qty Caption").c_str(),
                  Caption("Part Shape Caption").c_str());
  }

  // A profile is known by its outline, so its size columns stay blank.
  std::string PartLine(const T2DStock& part) const {
    const bool profile = part.Shape == kShapeProfile;
    const std::string length = profile ? std::string{} : LengthText(Net(part.Length));
    const std::string width = profile ? std::string{} : LengthText(Net(part.Width));
    return Format("%-20s%10s%10s%10s%10d%10s", part.Label.c_str(), length.c_str(), width.c_str(),
                  YesNo(part.Rotatable).c_str(), part.Count, ShapeText(part.Shape).c_str());
  }

  const TReportSettings& Settings() const { return settings_; }

 private:
  const TReportSettings& settings_;
};

std::string Entry25(std::string_view key, const std::string& value) {
  return Format("%-25s: %s", Caption(key).c_str(), value.c_str());
}

std::string Entry20(std::string_view key, const std::string& value) {
  return Format("%-20s: %s", Caption(key).c_str(), value.c_str());
}

void AddOptionLines(const TReportWriter& writer, std::vector<std::string>& lines) {
  const TReportSettings& settings = writer.Settings();
  lines.push_back(Entry25("Guillotine Caption", YesNo(settings.Guillotine)));
  lines.push_back(Entry25("Cost Optimize Caption", YesNo(settings.CostOptimize)));
  lines.push_back(Entry25("Fast Optimize Caption", YesNo(settings.FastOptimize)));
  // Named only when on, so reports of the current search alone stay as they were.
  if (settings.DeepOptimize) lines.push_back(Entry25("Deep Optimize Caption", YesNo(true)));
  lines.push_back(Entry25("Measure Caption", settings.UnitText));
  lines.push_back(Entry25("Blade Width Caption", writer.WithUnit(settings.BladeWidth)));
  lines.push_back(Entry25("Length Edge Caption", writer.WithUnit(settings.LengthEdge)));
  lines.push_back(Entry25("Width Edge Caption", writer.WithUnit(settings.WidthEdge)));
}

// What the deep search proved of the result; nothing for a result it did not make.
void AddDeepLines(const TReportWriter& writer, const TDeepSummary& deep,
                  std::vector<std::string>& lines) {
  if (!deep.Ran) return;
  lines.push_back(Entry25("Lower Bound Caption", DeepBoundText(deep, writer.Settings())));
  lines.push_back(Entry25("Gap Caption", DeepGapText(deep)));
  if (const std::string_view key = DeepEndCaptionKey(deep.End); !key.empty()) {
    lines.push_back(Caption(key));
  }
}

std::string SheetHeading() {
  return Format("%-20s%10s%10s%15s%10s%10s%10s%10s", Caption("Layout Sheet Label Caption").c_str(),
                Caption("Layout Sheet Length Caption").c_str(),
                Caption("Layout Sheet Width Caption").c_str(), Caption("Area Caption").c_str(),
                Caption("Layout Sheet Cost Caption").c_str(),
                Caption("Layout Sheet Qty Caption").c_str(), Caption("Sheet USED Caption").c_str(),
                Caption("Sheet REST Caption").c_str());
}

// One line per sheet type; returns the number of sheets used. A sheet type without an
// entry in the list of sheets left counts as used up.
int64_t AddSheetLines(const TReportWriter& writer, const TVexlin& run,
                      std::vector<std::string>& lines) {
  int64_t usedTotal = 0;
  for (size_t i = 0; i < run.Sheets.Size(); ++i) {
    const T2DStock& sheet = run.Sheets[i];
    const int32_t left = i < run.SheetsLeft.Size() ? run.SheetsLeft[i].Count : 0;
    const int32_t used = sheet.Count - left;
    usedTotal += used;
    lines.push_back(Format("%-20s%10s%10s%15s%10s%10d%10d%10d", sheet.Label.c_str(),
                           LengthText(writer.Net(sheet.Length)).c_str(),
                           LengthText(writer.Net(sheet.Width)).c_str(),
                           AreaText(writer.NetArea(sheet)).c_str(), LengthText(sheet.Cost).c_str(),
                           sheet.Count, used, left));
  }
  return usedTotal;
}

void AddTotalLines(const TReportWriter& writer, const TSchemes& result,
                   std::vector<std::string>& lines) {
  const TPacket emptySheet;
  const TPacket& last = result.Empty() ? emptySheet : result.Items.back();
  lines.push_back(Entry25("Layout Sheet Utilization Caption", PercentText(result.UsedPercent())));
  lines.push_back(Entry25("Last Board Utilization", PercentText(last.Utilisation())));
  lines.push_back(
      Entry25("Total Usable Area", writer.AreaWithUnit(RoundTo(result.TotalNetArea(), 4)) + "."));
  lines.push_back(Entry25("Total Cost", LengthText(RoundHalfEven(result.TotalCost()))));
  lines.push_back(
      Entry25("Total Waste Area", writer.AreaWithUnit(RoundTo(result.TotalWasteArea(), 4)) + "."));
  lines.push_back(
      Entry25("Last Board Waste Area", writer.AreaWithUnit(RoundTo(last.WasteArea(), 4)) + "."));
}

void AddSheetSizeLines(const TReportWriter& writer, const TPacket& layout,
                       std::vector<std::string>& lines) {
  const TReportSettings& settings = writer.Settings();
  const int64_t usableLength = writer.Net(layout.Length);
  const int64_t usableWidth = writer.Net(layout.Width);
  lines.push_back(Entry20("Layout Sheet Length Caption",
                          writer.WithUnit(usableLength + 2 * int64_t{settings.LengthEdge})));
  lines.push_back(Entry20("Layout Sheet Width Caption",
                          writer.WithUnit(usableWidth + 2 * int64_t{settings.WidthEdge})));
  lines.push_back(Entry20("Length Edge Caption", writer.WithUnit(settings.LengthEdge)));
  lines.push_back(Entry20("Width Edge Caption", writer.WithUnit(settings.WidthEdge)));
  lines.push_back(Entry20("Usable Length Caption", writer.WithUnit(usableLength)));
  lines.push_back(Entry20("Usable Width Caption", writer.WithUnit(usableWidth)));
}

void AddLayoutFigureLines(const TReportWriter& writer, const TPacket& layout,
                          std::vector<std::string>& lines) {
  lines.push_back(Entry20("Layout Sheet Utilization Caption", PercentText(layout.Utilisation())));
  lines.push_back(Entry20("Usable Area Caption", writer.AreaWithUnit(writer.NetArea(layout))));
  lines.push_back(Entry20("Layout Sheet Cost Caption", LengthText(layout.Cost)));
  lines.push_back(
      Entry20("Waste Area Caption", writer.AreaWithUnit(RoundTo(layout.WasteArea(), 4))));
  lines.push_back(Entry20("Blade Width Caption", writer.WithUnit(writer.Settings().BladeWidth)));
}

void AddOffcutLines(const TReportWriter& writer, const TPacket& layout,
                    std::vector<std::string>& lines) {
  lines.push_back(Caption("Tab Offcuts"));
  for (const T2DStock& piece : layout.Pieces) {
    if (LabelPrefix(piece.Label) != kOffcutPrefix) continue;
    lines.push_back(Format("%-20s%10s%10s", piece.Label.c_str(),
                           LengthText(writer.Net(piece.Length)).c_str(),
                           LengthText(writer.Net(piece.Width)).c_str()));
  }
}

}  // namespace

// Divides by 10^-decimals, rounds half to even and multiplies back.
double RoundTo(double x, int decimals) {
  double power = 1.0;
  for (int i = 0; i < decimals; ++i) power *= 10.0;
  const double factor = 1.0 / power;
  return std::nearbyint(x / factor) * factor;
}

std::string LengthText(int64_t n) {
  const int32_t scale = PubFunc().DecimalScale();
  if (scale == 0) return "0";
  return FormatFixed4(static_cast<int64_t>(DivideHalfEven(Int128{n} * 10000, scale)));
}

TReportSettings ReportSettingsOf(const TOptionValues& values, bool showOffcuts) {
  TReportSettings settings;
  settings.UnitText = values.Measure;
  settings.BladeWidth = values.BladeWidth;
  settings.LengthEdge = values.LengthEdge;
  settings.WidthEdge = values.WidthEdge;
  settings.Guillotine = values.Guillotine;
  settings.CostOptimize = values.CostOptimize;
  settings.FastOptimize = values.FastOptimize;
  settings.DeepOptimize = values.DeepOptimize;
  settings.ShowOffcuts = showOffcuts;
  return settings;
}

TDateTimeText LocalDateTime() {
  const std::time_t now = std::time(nullptr);
  std::tm local{};
  localtime_r(&now, &local);
  char date[32];
  char time[32];
  std::strftime(date, sizeof date, "%Y-%m-%d", &local);
  std::strftime(time, sizeof time, "%H:%M:%S", &local);
  return TDateTimeText{date, time};
}

std::string PercentText(double percent) {
  char digits[64];
  const std::to_chars_result end = std::to_chars(
      digits, digits + sizeof digits, RoundTo(percent, 2), std::chars_format::general, 15);
  return std::string(digits, end.ptr) + "%";
}

std::vector<std::string> FormatRunReport(const TVexlin& run, const TReportSettings& settings) {
  const TReportWriter writer(settings);
  std::vector<std::string> lines{" "};
  AddOptionLines(writer, lines);
  AddDeepLines(writer, run.Deep, lines);
  lines.push_back(Caption("Tab Sheets") + ":");
  lines.push_back(SheetHeading());
  const int64_t used = AddSheetLines(writer, run, lines);
  lines.push_back(" ");
  lines.push_back(Caption("Sheet USED Caption") + " " + Caption("Total Qty Caption") + ": " +
                  std::to_string(used));
  lines.push_back(Caption("Tab Parts") + ":");
  lines.push_back(writer.PartHeading());
  for (const T2DStock& part : run.Parts) lines.push_back(writer.PartLine(part));
  lines.push_back(" ");
  AddTotalLines(writer, run.BestResult, lines);
  return lines;
}

std::vector<std::string> FormatOneLayoutReport(const TPacket& layout, size_t index,
                                               const TReportSettings& settings,
                                               const TReportClock& clock) {
  const TReportWriter writer(settings);
  const TDateTimeText now = clock();
  std::vector<std::string> lines{" "};
  lines.push_back("------------ " + Caption("Tab Layout") + " " + std::to_string(index + 1) +
                  " ------------");
  lines.push_back(" ");
  lines.push_back(Caption("My Company Information") + "    " + now.Date + "   " + now.Time);
  lines.push_back(" ");
  lines.push_back(Entry20("Layout Sheet Label Caption", layout.Label));
  lines.push_back(Entry20("Layout Sheet Qty Caption", std::to_string(layout.Count)));
  AddSheetSizeLines(writer, layout, lines);
  AddLayoutFigureLines(writer, layout, lines);
  lines.push_back(" ");
  lines.push_back(Caption("Parts in Layout Caption"));
  lines.push_back(writer.PartHeading());
  lines.push_back(" ");
  for (const T2DStock& part : layout.TypeCounts) {
    if (part.Count != 0) lines.push_back(writer.PartLine(part));
  }
  lines.push_back(" ");
  if (settings.ShowOffcuts) AddOffcutLines(writer, layout, lines);
  lines.push_back(" ");
  lines.push_back(Caption("Tab Layout"));
  return lines;
}

}  // namespace vexlin
