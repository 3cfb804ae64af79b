#include "output/gcode_export.h"

#include <fstream>

#include "input/option_values.h"
#include "model/ext_polyline.h"
#include "model/packet.h"
#include "model/pub_func.h"
#include "model/stock2d.h"
#include "model/text_table.h"
#include "model/trapezium_list.h"
#include "optimizer/schemes.h"
#include "output/dxf_writer.h"
#include "output/export_check.h"

namespace vexlin {
namespace {

std::string Scaled(int64_t n) {
  return PubFunc().ScaledToText(static_cast<int32_t>(n));
}

std::string Move(std::string_view command, int64_t x, int64_t y) {
  return std::string(command) + " X" + Scaled(x) + "Y" + Scaled(y);
}

std::string FineMove(std::string_view command, double x, double y) {
  return std::string(command) + " X" + FixedText(x, 5) + "Y" + FixedText(y, 5);
}

std::string Plunge(std::string_view drillDepth) {
  return "G1 Z " + std::string(drillDepth);
}

std::string Retract(std::string_view safetyHeight) {
  return "G0 Z " + std::string(safetyHeight);
}

std::string Comment(std::string_view text) {
  return "!" + std::string(text);
}

// The closed path around a rectangle, y down, from its top-left corner.
void WriteRectanglePath(int64_t x0, int64_t y0, int64_t x1, int64_t y1, TGCodeLines& lines,
                        std::string_view drillDepth, std::string_view safetyHeight) {
  lines.push_back(Move("G0", x0, y0));
  lines.push_back(Plunge(drillDepth));
  lines.push_back(Move("G1", x1, y0));
  lines.push_back(Move("G1", x1, y1));
  lines.push_back(Move("G1", x0, y1));
  lines.push_back(Move("G1", x0, y0));
  lines.push_back(Retract(safetyHeight));
}

// One full counter-clockwise circle from its rightmost point (x, y).
void WriteCirclePath(int64_t x, int64_t y, int64_t radius, TGCodeLines& lines,
                     std::string_view drillDepth, std::string_view safetyHeight) {
  lines.push_back(Move("G0", x, y));
  lines.push_back(Plunge(drillDepth));
  lines.push_back(Move("G3", x, y) + "I-" + Scaled(radius) + "J0");
  lines.push_back(Retract(safetyHeight));
}

void WriteEllipsePath(int64_t x0, int64_t y0, int64_t x1, int64_t y1, TGCodeLines& lines,
                      std::string_view drillDepth, std::string_view safetyHeight) {
  const std::vector<TEllipsePoint> points =
      WalkEllipse(static_cast<double>(x0), static_cast<double>(y0), static_cast<double>(x1),
                  static_cast<double>(y1));
  lines.push_back(FineMove("G0", points.front().X / 1000, points.front().Upper / 1000));
  lines.push_back(Plunge(drillDepth));
  for (const TEllipsePoint& p : points) lines.push_back(FineMove("G1", p.X / 1000, p.Upper / 1000));
  for (auto p = points.rbegin(); p != points.rend(); ++p) {
    lines.push_back(FineMove("G1", p->X / 1000, p->Lower / 1000));
  }
  lines.push_back(Retract(safetyHeight));
}

void WriteProfile(const T2DStock& piece, TPoint origin, TGCodeLines& lines,
                  std::string_view drillDepth, std::string_view safetyHeight) {
  const TTrapezium* shape = ProfileShapes().FindByName(piece.Label);
  // A piece whose profile is gone, or turned out of range, has no outline to cut.
  if (shape == nullptr || piece.Orientation < 0 || piece.Orientation > 3) return;
  const TPoint at{origin.X + piece.Origin.X, origin.Y + piece.Origin.Y};
  WriteGCode(shape->Outline(2, piece.Orientation), at, lines, piece.Label, drillDepth,
             safetyHeight);
}

std::string ArcMove(const TPolySegment& from, const TPolySegment& to, TPoint origin) {
  return std::string(to.Clockwise ? "G3" : "G2") + " X" + Scaled(int64_t{to.Point.X} + origin.X) +
         "Y" + Scaled(int64_t{to.Point.Y} + origin.Y) + "I" +
         FixedText((int64_t{to.Center.X} - from.Point.X) / 1000.0, 3) + "J" +
         FixedText((int64_t{to.Center.Y} - from.Point.Y) / 1000.0, 3);
}

std::string SaveLines(const std::string& fileName, const TGCodeLines& lines) {
  std::ofstream file(fileName, std::ios::binary | std::ios::trunc);
  for (const std::string& line : lines) {
    if (file) file << SingleLine(line) << "\r\n";
  }
  if (!file) return "Can't write file " + fileName;
  return "";
}

}  // namespace

void WriteGCode(const T2DStock& piece, int32_t bladeWidth, TPoint origin, TGCodeLines& lines,
                std::string_view drillDepth, std::string_view safetyHeight) {
  if (piece.Shape == kShapeProfile) {
    WriteProfile(piece, origin, lines, drillDepth, safetyHeight);
    return;
  }
  if (piece.Shape != kShapeRectangle && piece.Shape != kShapeDisc) return;
  // The path runs half a blade width outside the net outline.
  const int64_t hb = bladeWidth / 2;
  const int64_t x0 = int64_t{origin.X} - hb + piece.Origin.X;
  const int64_t y0 = int64_t{origin.Y} - hb + piece.Origin.Y;
  const int64_t x1 = int64_t{origin.X} + hb + piece.Origin.X + piece.Length - bladeWidth;
  const int64_t y1 = int64_t{origin.Y} + hb + piece.Origin.Y + piece.Width - bladeWidth;
  lines.push_back(Comment(piece.Label));
  if (piece.Shape == kShapeRectangle) {
    WriteRectanglePath(x0, y0, x1, y1, lines, drillDepth, safetyHeight);
  } else if (piece.Length == piece.Width) {
    WriteCirclePath(x1, (y0 + y1) / 2, (y1 - y0) / 2, lines, drillDepth, safetyHeight);
  } else {
    WriteEllipsePath(x0, y0, x1, y1, lines, drillDepth, safetyHeight);
  }
}

void WriteGCode(const TExtPolyline& outline, TPoint origin, TGCodeLines& lines,
                std::string_view label, std::string_view drillDepth,
                std::string_view safetyHeight) {
  lines.push_back(Comment(label));
  const std::vector<TPolySegment>& segments = outline.Segments;
  for (const TLoopRange& loop : outline.Loops()) {
    for (size_t i = loop.First; i < loop.Last; ++i) {
      const TPolySegment& from = segments[i];
      const TPolySegment& to = segments[i + 1 < loop.Last ? i + 1 : loop.First];
      if (i == loop.First) {
        lines.push_back(
            Move("G0", int64_t{from.Point.X} + origin.X, int64_t{from.Point.Y} + origin.Y));
        lines.push_back(Plunge(drillDepth));
      }
      lines.push_back(
          to.IsArc ? ArcMove(from, to, origin)
                   : Move("G1", int64_t{to.Point.X} + origin.X, int64_t{to.Point.Y} + origin.Y));
      if (i + 1 == loop.Last) lines.push_back(Retract(safetyHeight));
    }
  }
}

TExportedFile ExportGCode(std::string_view chosenName, const TSchemes& result, size_t index,
                          const TReportSettings& settings, const TOptionSettings& options) {
  TExportedFile file{LayoutFileName(chosenName, index, ".gnc"), ""};
  if (index >= result.Size()) {
    file.Error = Texts().Text("MSG_LAYOUT_IS_EMPTY");
    return file;
  }
  const TPacket& layout = result[index];
  const int64_t hb = settings.BladeWidth / 2;
  const int64_t x0 = int64_t{settings.LengthEdge} - hb;
  const int64_t y0 = int64_t{settings.WidthEdge} - hb;
  const int64_t x1 = int64_t{layout.Length} - settings.BladeWidth + settings.LengthEdge + hb;
  const int64_t y1 = int64_t{layout.Width} - settings.BladeWidth + settings.WidthEdge + hb;
  TGCodeLines lines{Comment(layout.Label)};
  WriteRectanglePath(x0, y0, x1, y1, lines, options.DrillDepth, options.SafetyHeight);
  const TPoint origin{settings.LengthEdge, settings.WidthEdge};
  for (const T2DStock& piece : layout.Pieces) {
    if (!IsShownPiece(piece, settings.ShowOffcuts)) continue;
    WriteGCode(piece, settings.BladeWidth, origin, lines, options.DrillDepth, options.SafetyHeight);
  }
  file.Error = SaveLines(file.FileName, lines);
  return file;
}

std::string ExportAllGCode(std::string_view chosenName, const TSchemes& result,
                           const TReportSettings& settings, const TOptionSettings& options) {
  if (result.Empty()) return Texts().Text("MSG_LAYOUT_IS_EMPTY");
  if (std::string refusal = UnexportablePieceMessage(result); !refusal.empty()) return refusal;
  for (size_t i = 0; i < result.Size(); ++i) {
    const TExportedFile file = ExportGCode(chosenName, result, i, settings, options);
    if (!file.Error.empty()) return file.Error;
  }
  return "";
}

}  // namespace vexlin
