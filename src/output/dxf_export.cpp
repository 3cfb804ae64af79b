#include "output/dxf_export.h"

#include <algorithm>
#include <cctype>
#include <cmath>
#include <numbers>
#include <vector>

#include "model/ext_polyline.h"
#include "model/packet.h"
#include "model/pub_func.h"
#include "model/rounding.h"
#include "model/stock2d.h"
#include "model/text_table.h"
#include "model/trapezium_list.h"
#include "optimizer/schemes.h"
#include "output/dxf_writer.h"
#include "output/export_check.h"

namespace vexlin {
namespace {

// Text height in user units.
constexpr int64_t kTextHeight = 2;
constexpr double kReportLineGap = 3;
// Room below the sheet for the report in the drawing limits, in user units.
constexpr double kReportRoom = 200;

double Units(int64_t scaled) {
  return static_cast<double>(scaled) / 1000;
}

// Moves a label left by about half its printed length.
int64_t LabelShift(std::string_view label) {
  return int64_t{CharCount(label)} * kTextHeight * 3 / 8;
}

// Piece corners in drawing thousandths, y up: top > bottom.
struct TBox {
  int64_t Left = 0;
  int64_t Top = 0;
  int64_t Right = 0;
  int64_t Bottom = 0;
};

void WriteLabel(std::string_view label, const TBox& box, TDXFOut& out) {
  out.SetLayer("parts label");
  const double x = Units((box.Left + box.Right) / 2) - static_cast<double>(LabelShift(label));
  const double y = Units((box.Top + box.Bottom) / 2 + kTextHeight / 2);
  out.AddText(label, x, y, 0, kTextHeight, 0);
}

void WriteRectangle(const T2DStock& piece, int32_t bladeWidth, const TBox& box, TDXFOut& out,
                    std::string_view layer, const TDXFShowFlags& show) {
  const TPubFunc& pub = PubFunc();
  if (show.Label) WriteLabel(piece.Label, box, out);
  if (show.Position) {
    out.SetLayer("parts origin");
    out.AddText(
        "(" + pub.ScaledToText(piece.Origin.X) + "," + pub.ScaledToText(piece.Origin.Y) + ")",
        Units(box.Left) + 0.2 * kTextHeight, Units(box.Top) - 1.2 * kTextHeight, 0, kTextHeight, 0);
  }
  if (show.Size) {
    out.SetLayer("parts length x width");
    out.AddText(pub.ScaledToText(piece.Length - bladeWidth) + "X" +
                    pub.ScaledToText(piece.Width - bladeWidth),
                Units(box.Left) + 0.2 * kTextHeight, Units(box.Bottom) + 0.2 * kTextHeight, 0,
                kTextHeight, 0);
  }
  out.SetLayer(layer);
  out.AddRectangle(static_cast<int32_t>(box.Left), static_cast<int32_t>(box.Top),
                   static_cast<int32_t>(box.Right), static_cast<int32_t>(box.Bottom));
}

void WriteDisc(const T2DStock& piece, const TBox& box, TDXFOut& out, std::string_view layer,
               bool showLabel) {
  if (showLabel) WriteLabel(piece.Label, box, out);
  out.SetLayer(layer);
  if (box.Right - box.Left == box.Top - box.Bottom) {
    out.AddCircle(static_cast<double>(box.Left + box.Right) / 2,
                  static_cast<double>(box.Top + box.Bottom) / 2, 0,
                  static_cast<double>(box.Top - box.Bottom) / 2);
  } else {
    out.AddEllipse(static_cast<int32_t>(box.Left), static_cast<int32_t>(box.Top),
                   static_cast<int32_t>(box.Right), static_cast<int32_t>(box.Bottom));
  }
}

bool IsFullCircle(const TPolySegment& from, const TPolySegment& to) {
  return to.IsArc && to.Point == from.Point;
}

// The bulge of the arc from one vertex to the next: the tangent of a quarter of its angle,
// negative for a clockwise arc.
double Bulge(const TPolySegment& from, const TPolySegment& to) {
  const double radius = TExtPolyline::Distance(to.Point, to.Center);
  const double halfChord = TExtPolyline::Distance(from.Point, to.Point) / 2;
  // Rounded centres can make the chord a hair longer than the diameter.
  const double t = std::asin(std::min(1.0, halfChord / radius));
  const double size = to.ArcFlag ? std::tan((2 * std::numbers::pi - 2 * t) / 4) : std::tan(t / 2);
  return to.Clockwise ? -size : size;
}

// A loop as one closed polyline; a full circle is written as a CIRCLE after it, since a
// polyline may hold only vertices.
void WriteLoop(const TExtPolyline& outline, const TLoopRange& loop, TPoint origin, TDXFOut& out) {
  const std::vector<TPolySegment>& segments = outline.Segments;
  const auto next = [&loop](size_t i) { return i + 1 < loop.Last ? i + 1 : loop.First; };
  bool open = false;
  for (size_t i = loop.First; i < loop.Last; ++i) {
    const TPolySegment& from = segments[i];
    const TPolySegment& to = segments[next(i)];
    if (IsFullCircle(from, to)) continue;
    if (!open) out.BeginPolyline();
    open = true;
    const double x = Units(int64_t{origin.X} + from.Point.X);
    const double y = Units(int64_t{origin.Y} - from.Point.Y);
    if (to.IsArc) {
      out.AddBulgeVertex(x, y, 0, Bulge(from, to));
    } else {
      out.AddVertex(x, y, 0);
    }
  }
  if (open) out.EndPolyline();
  for (size_t i = loop.First; i < loop.Last; ++i) {
    const TPolySegment& to = segments[next(i)];
    if (!IsFullCircle(segments[i], to)) continue;
    out.AddCircle(static_cast<double>(int64_t{origin.X} + to.Center.X),
                  static_cast<double>(int64_t{origin.Y} - to.Center.Y), 0,
                  TExtPolyline::Distance(to.Point, to.Center));
  }
}

void WriteOutlineLabel(const TExtPolyline& outline, TPoint origin, TDXFOut& out,
                       std::string_view label) {
  int64_t sumX = 0;
  int64_t sumY = 0;
  int64_t count = 0;
  for (const TLoopRange& loop : outline.Loops()) {
    for (size_t i = loop.First; i < loop.Last; ++i) {
      sumX += outline.Segments[i].Point.X;
      sumY += outline.Segments[i].Point.Y;
      ++count;
    }
  }
  if (count == 0) return;
  if (outline.Segments.size() == 3) {
    sumX = outline.ExtentX;
    sumY = outline.ExtentY;
  }
  out.SetLayer("parts label");
  out.AddText(label, Units(sumX / count + origin.X - LabelShift(label)),
              Units(origin.Y - sumY / count + kTextHeight / 2), 0, kTextHeight, 0);
}

void WriteEdgeLengths(const TExtPolyline& outline, TPoint origin, TDXFOut& out,
                      std::string_view label) {
  outline.ForEachLoopEdge([&](const TPolySegment& from, const TPolySegment& to) {
    out.SetLayer("parts length x width");
    const auto chord =
        static_cast<int32_t>(RoundHalfEven(TExtPolyline::Distance(from.Point, to.Point)));
    const int64_t midX = (int64_t{from.Point.X} + to.Point.X) / 2;
    const int64_t midY = (int64_t{from.Point.Y} + to.Point.Y) / 2;
    out.AddText(PubFunc().ScaledToText(chord), Units(midX + origin.X - LabelShift(label)),
                Units(origin.Y - midY + kTextHeight / 2), 0, kTextHeight, 0);
  });
}

void WriteProfile(const T2DStock& piece, TPoint origin, TDXFOut& out, std::string_view layer,
                  const TDXFShowFlags& show) {
  const TTrapezium* shape = ProfileShapes().FindByName(piece.Label);
  // A piece whose profile is gone, or turned out of range, has no outline to draw.
  if (shape == nullptr || piece.Orientation < 0 || piece.Orientation > 3) return;
  const TPoint at{origin.X + piece.Origin.X, origin.Y - piece.Origin.Y};
  WriteDXF(shape->Outline(1, piece.Orientation), at, out, layer, piece.Label, show.Label,
           show.Size);
}

// A layout's sheet in thousandths: the usable area and the whole sheet with its edges.
struct TSheetSize {
  int64_t NetLength = 0;
  int64_t NetWidth = 0;
  int64_t FullLength = 0;
  int64_t FullWidth = 0;
};

TSheetSize SheetSizeOf(const TPacket& layout, const TReportSettings& settings) {
  TSheetSize size;
  size.NetLength = int64_t{layout.Length} - settings.BladeWidth;
  size.NetWidth = int64_t{layout.Width} - settings.BladeWidth;
  size.FullLength = size.NetLength + 2 * int64_t{settings.LengthEdge};
  size.FullWidth = size.NetWidth + 2 * int64_t{settings.WidthEdge};
  return size;
}

void WriteSheet(const TSheetSize& size, const TReportSettings& settings, TDXFOut& out) {
  out.SetLayer("sheet");
  if (settings.BladeWidth != 0) {
    out.AddRectangle(0, 0, static_cast<int32_t>(size.FullLength),
                     static_cast<int32_t>(-size.FullWidth));
  }
  out.AddRectangle(settings.LengthEdge, -settings.WidthEdge,
                   static_cast<int32_t>(settings.LengthEdge + size.NetLength + 1),
                   static_cast<int32_t>(-settings.WidthEdge - size.NetWidth + 1));
}

// The report lines under the sheet, the first 6 units below it.
void WriteReport(const std::vector<std::string>& lines, const TSheetSize& size, TDXFOut& out) {
  out.SetLayer("layout report");
  double y = -Units(size.FullWidth) - kReportLineGap;
  for (const std::string& line : lines) {
    y -= kReportLineGap;
    out.AddText(line, 0, y, 0, kTextHeight, 0);
  }
}

}  // namespace

void WriteDXF(const T2DStock& piece, int32_t bladeWidth, TPoint origin, TDXFOut& out,
              std::string_view layer, const TDXFShowFlags& show) {
  TBox box;
  box.Left = int64_t{origin.X} + piece.Origin.X;
  box.Top = int64_t{origin.Y} - piece.Origin.Y;
  box.Right = box.Left + piece.Length - bladeWidth;
  box.Bottom = box.Top - (piece.Width - bladeWidth);
  switch (piece.Shape) {
    case kShapeRectangle:
      WriteRectangle(piece, bladeWidth, box, out, layer, show);
      break;
    case kShapeDisc:
      WriteDisc(piece, box, out, layer, show.Label);
      break;
    case kShapeProfile:
      WriteProfile(piece, origin, out, layer, show);
      break;
    default:
      break;
  }
}

void WriteDXF(const TExtPolyline& outline, TPoint origin, TDXFOut& out, std::string_view layer,
              std::string_view label, bool showLabel, bool showSize) {
  out.SetLayer(layer);
  for (const TLoopRange& loop : outline.Loops()) WriteLoop(outline, loop, origin, out);
  if (showLabel) WriteOutlineLabel(outline, origin, out, label);
  if (showSize) WriteEdgeLengths(outline, origin, out, label);
}

std::string LayoutFileName(std::string_view chosenName, size_t index, std::string_view extension) {
  std::string_view stem = chosenName;
  const bool hasExtension = stem.size() >= extension.size() &&
                            std::equal(extension.begin(), extension.end(),
                                       stem.end() - extension.size(), [](char a, char b) {
                                         return std::tolower(static_cast<unsigned char>(a)) ==
                                                std::tolower(static_cast<unsigned char>(b));
                                       });
  if (hasExtension) stem.remove_suffix(extension.size());
  return std::string(stem) + "_" + std::to_string(index + 1) + std::string(extension);
}

TExportedFile SaveDXFFile(std::string_view chosenName, const TSchemes& result, size_t index,
                          const TReportSettings& settings, const TDXFShowFlags& show,
                          const TReportClock& clock) {
  TExportedFile file{LayoutFileName(chosenName, index, ".dxf"), ""};
  if (index >= result.Size()) {
    file.Error = Texts().Text("MSG_LAYOUT_IS_EMPTY");
    return file;
  }
  const TPacket& layout = result[index];
  const TSheetSize size = SheetSizeOf(layout, settings);
  TDXFOut out(static_cast<uint8_t>(PubFunc().DecimalPlaces()), TDXFPoint{0, 0},
              TDXFPoint{Units(size.FullLength), Units(size.FullWidth) + kReportRoom});
  out.WriteHeader();
  WriteSheet(size, settings, out);
  const TPoint origin{settings.LengthEdge, -settings.WidthEdge};
  for (const T2DStock& piece : layout.Pieces) {
    if (!IsShownPiece(piece, settings.ShowOffcuts)) continue;
    const bool offcut = LabelPrefix(piece.Label) == "OFFCUT_";
    WriteDXF(piece, settings.BladeWidth, origin, out, offcut ? "offcuts" : "parts", show);
  }
  WriteReport(FormatOneLayoutReport(layout, index, settings, clock), size, out);
  out.WriteEnd();
  file.Error = out.SaveToFile(file.FileName);
  return file;
}

std::string ExportAllDXF(std::string_view chosenName, const TSchemes& result,
                         const TReportSettings& settings, const TDXFShowFlags& show,
                         const TReportClock& clock) {
  if (result.Empty()) return Texts().Text("MSG_LAYOUT_IS_EMPTY");
  if (std::string refusal = UnexportablePieceMessage(result); !refusal.empty()) return refusal;
  for (size_t i = 0; i < result.Size(); ++i) {
    const TExportedFile file = SaveDXFFile(chosenName, result, i, settings, show, clock);
    if (!file.Error.empty()) return file.Error;
  }
  return "";
}

}  // namespace vexlin
