#include "model/piece_drawing.h"

#include <cstdint>
#include <optional>
#include <string>

#include "model/pub_func.h"
#include "model/rounding.h"
#include "model/trapezium_list.h"

namespace vexlin {
namespace {

// Screen drawing sets a pen colour; printing keeps whatever pen the printer has.
using TPen = std::optional<TColor>;

int32_t Scaled(double scale, int64_t value) {
  return static_cast<int32_t>(RoundHalfEven(scale * static_cast<double>(value)));
}

std::string Text(int64_t scaled) {
  return PubFunc().ScaledToText(static_cast<int32_t>(scaled));
}

void ApplyPen(TCanvas& canvas, const TPen& pen) {
  if (pen) canvas.SetPenColor(*pen);
}

// The device frame of a piece: its corner, scaled net size and far corner.
struct TPieceFrame {
  int32_t X0 = 0;
  int32_t Y0 = 0;
  int32_t L = 0;
  int32_t W = 0;
  int32_t X1 = 0;
  int32_t Y1 = 0;
};

TPieceFrame FrameOf(const T2DStock& piece, TPoint offset, double scale) {
  const TPoint o = piece.Origin;
  return TPieceFrame{offset.X + Scaled(scale, o.X),
                     offset.Y + Scaled(scale, o.Y),
                     Scaled(scale, piece.NetLength()),
                     Scaled(scale, piece.NetWidth()),
                     offset.X + Scaled(scale, int64_t{o.X} + piece.NetLength()),
                     offset.Y + Scaled(scale, int64_t{o.Y} + piece.NetWidth())};
}

bool Fits(const TCanvas& canvas, const std::string& text, const TPieceFrame& frame) {
  return canvas.TextWidth(text) + 2 < frame.L && canvas.TextHeight(text) + 2 < frame.W;
}

void WriteCentredLabel(TCanvas& canvas, const T2DStock& piece, const TPieceFrame& frame) {
  if (!Fits(canvas, piece.Label, frame)) return;
  const int32_t x = frame.X0 + 1 + (frame.L - (canvas.TextWidth(piece.Label) + 2)) / 2;
  const int32_t y = frame.Y0 + 1 + (frame.W - (canvas.TextHeight(piece.Label) + 2)) / 2;
  canvas.TextOut(x, y, piece.Label);
}

void WritePosition(TCanvas& canvas, const T2DStock& piece, const TPieceFrame& frame) {
  const std::string text = "(" + Text(piece.Origin.X) + "," + Text(piece.Origin.Y) + ")";
  if (Fits(canvas, text, frame)) canvas.TextOut(frame.X0 + 1, frame.Y0 + 1, text);
}

void WriteSize(TCanvas& canvas, const T2DStock& piece, const TPieceFrame& frame) {
  const std::string text = Text(piece.NetLength()) + "X" + Text(piece.NetWidth());
  if (!Fits(canvas, text, frame)) return;
  canvas.TextOut(frame.X0 + 1, frame.Y1 - 1 - canvas.TextHeight(text), text);
}

void DrawRectangle(TCanvas& canvas, const T2DStock& piece, const TPieceFrame& frame,
                   const TDrawSwitches& switches) {
  if (switches.ShowLabels) WriteCentredLabel(canvas, piece, frame);
  if (switches.ShowPositions) WritePosition(canvas, piece, frame);
  if (switches.ShowSizes) WriteSize(canvas, piece, frame);
  canvas.MoveTo(frame.X0, frame.Y0);
  canvas.LineTo(frame.X1, frame.Y0);
  canvas.LineTo(frame.X1, frame.Y1);
  canvas.LineTo(frame.X0, frame.Y1);
  canvas.LineTo(frame.X0, frame.Y0);
}

void DrawDisc(TCanvas& canvas, const T2DStock& piece, const TPieceFrame& frame,
              const TDrawSwitches& switches) {
  if (switches.ShowLabels) WriteCentredLabel(canvas, piece, frame);
  // Equal start and end rays make the canvas draw the whole ellipse.
  const int32_t midY = frame.Y0 + (frame.Y1 - frame.Y0) / 2;
  canvas.Arc(frame.X0, frame.Y0, frame.X1, frame.Y1, frame.X1, midY, frame.X1, midY);
}

TPoint Device(TPoint corner, double scale, int64_t x, int64_t y) {
  return TPoint{corner.X + Scaled(scale, x), corner.Y + Scaled(scale, y)};
}

void WriteEdgeAnnotations(TCanvas& canvas, const TExtPolyline& outline, TPoint corner,
                          TPoint origin, const TDrawSwitches& switches, double scale) {
  outline.ForEachLoopEdge([&](const TPolySegment& v, const TPolySegment& w) {
    if (switches.ShowPositions) {
      const TPoint at = Device(corner, scale, v.Point.X, v.Point.Y);
      canvas.TextOut(at.X, at.Y,
                     "(" + Text(int64_t{origin.X} + v.Point.X) + "," +
                         Text(int64_t{origin.Y} + v.Point.Y) + ")");
    }
    if (switches.ShowSizes) {
      const TPoint at = Device(corner, scale, (int64_t{v.Point.X} + w.Point.X) / 2,
                               (int64_t{v.Point.Y} + w.Point.Y) / 2);
      canvas.TextOut(at.X, at.Y, Text(RoundHalfEven(TExtPolyline::Distance(v.Point, w.Point))));
    }
  });
}

// Centred on the mean of the vertices over the record count; small outlines use their
// extents instead.
void WriteOutlineLabel(TCanvas& canvas, const TExtPolyline& outline, TPoint corner,
                       std::string_view label, double scale) {
  const int64_t n = static_cast<int64_t>(outline.Segments.size());
  if (n == 0) return;
  int64_t sumX = 0;
  int64_t sumY = 0;
  outline.ForEachLoopEdge([&](const TPolySegment& v, const TPolySegment&) {
    sumX += v.Point.X;
    sumY += v.Point.Y;
  });
  const TPoint centre = n > 3 ? Device(corner, scale, sumX / n, sumY / n)
                              : Device(corner, scale, outline.ExtentX / n, outline.ExtentY / n);
  const std::string text(label);
  canvas.TextOut(centre.X - canvas.TextWidth(text) / 2, centre.Y - canvas.TextHeight(text) / 2,
                 text);
}

void DrawEdge(TCanvas& canvas, const TPolySegment& v, const TPolySegment& w, TPoint corner,
              double scale) {
  const TPoint from = Device(corner, scale, v.Point.X, v.Point.Y);
  const TPoint to = Device(corner, scale, w.Point.X, w.Point.Y);
  if (!w.IsArc) {
    canvas.MoveTo(from.X, from.Y);
    canvas.LineTo(to.X, to.Y);
    return;
  }
  const int64_t r = RoundHalfEven(TExtPolyline::Distance(w.Center, v.Point));
  const TPoint topLeft = Device(corner, scale, w.Center.X - r, w.Center.Y - r);
  const TPoint bottomRight = Device(corner, scale, w.Center.X + r, w.Center.Y + r);
  // The canvas turns counter-clockwise only, so a clockwise arc is drawn backwards.
  const TPoint start = w.Clockwise ? to : from;
  const TPoint end = w.Clockwise ? from : to;
  canvas.Arc(topLeft.X, topLeft.Y, bottomRight.X, bottomRight.Y, start.X, start.Y, end.X, end.Y);
}

void OutlineWithPen(const TExtPolyline& outline, TPoint corner, TPoint origin, const TPen& pen,
                    const TDrawSwitches& switches, std::string_view label, double scale,
                    TCanvas& canvas) {
  ApplyPen(canvas, pen);
  WriteEdgeAnnotations(canvas, outline, corner, origin, switches, scale);
  if (switches.ShowLabels) WriteOutlineLabel(canvas, outline, corner, label, scale);
  outline.ForEachLoopEdge(
      [&](const TPolySegment& v, const TPolySegment& w) { DrawEdge(canvas, v, w, corner, scale); });
}

void DrawProfile(TCanvas& canvas, const T2DStock& piece, const TPieceFrame& frame, const TPen& pen,
                 const TDrawSwitches& switches, double scale, const TTrapeziumList& shapes) {
  const TTrapezium* shape = shapes.FindByName(piece.Label);
  if (shape == nullptr || piece.Orientation < 0 || piece.Orientation > 3) return;
  OutlineWithPen(shape->Outline(1, piece.Orientation), TPoint{frame.X0, frame.Y0}, piece.Origin,
                 pen, switches, piece.Label, scale, canvas);
}

void PieceWithPen(const T2DStock& piece, TPoint offset, TCanvas& canvas, const TPen& pen,
                  const TDrawSwitches& switches, double scale, const TTrapeziumList& shapes) {
  const TPieceFrame frame = FrameOf(piece, offset, scale);
  switch (piece.Shape) {
    case kShapeRectangle:
      ApplyPen(canvas, pen);
      DrawRectangle(canvas, piece, frame, switches);
      break;
    case kShapeDisc:
      ApplyPen(canvas, pen);
      DrawDisc(canvas, piece, frame, switches);
      break;
    case kShapeProfile:
      DrawProfile(canvas, piece, frame, pen, switches, scale, shapes);
      break;
    default:
      break;
  }
}

}  // namespace

void DrawOnCanvas(const T2DStock& piece, TPoint offset, TCanvas& canvas, TColor offcutColor,
                  TColor partColor, const TDrawSwitches& switches, double scale,
                  const TTrapeziumList& shapes) {
  const TColor pen = IsOffcutLabel(piece.Label) ? offcutColor : partColor;
  PieceWithPen(piece, offset, canvas, pen, switches, scale, shapes);
}

void PrintOnCanvas(const T2DStock& piece, TPoint offset, TCanvas& printerCanvas,
                   const TDrawSwitches& switches, double scale) {
  PieceWithPen(piece, offset, printerCanvas, std::nullopt, switches, scale, ProfileShapes());
}

void DrawOutline(const TExtPolyline& outline, TPoint deviceCorner, TPoint origin, TColor partColor,
                 const TDrawSwitches& switches, std::string_view label, double scale,
                 TCanvas& canvas) {
  OutlineWithPen(outline, deviceCorner, origin, partColor, switches, label, scale, canvas);
}

void PrintOutline(const TExtPolyline& outline, TPoint deviceCorner, TPoint origin,
                  const TDrawSwitches& switches, std::string_view label, double scale,
                  TCanvas& printerCanvas) {
  OutlineWithPen(outline, deviceCorner, origin, std::nullopt, switches, label, scale,
                 printerCanvas);
}

}  // namespace vexlin
