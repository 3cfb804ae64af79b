#include "input/ui/profile_previews.h"

#include <QPainter>
#include <cmath>

#include "model/ext_polyline.h"
#include "model/stock2d.h"
#include "model/ui/qt_canvas.h"
#include "output/layout_picture.h"

namespace vexlin {
namespace {

// Fits whichever side is the longer relative to its room into that room.
double FitScale(double length, double width, double roomX, double roomY) {
  return length / width > roomX / roomY ? roomX / length : roomY / width;
}

// A shape without a size gives no usable scale.
bool Drawable(double scale) {
  return std::isfinite(scale) && scale > 0;
}

}  // namespace

void PaintProfilePreview(QPainter& painter, QSize box, const T2DStock& piece,
                         const TTrapeziumList& shapes, const TPictureStyle& style) {
  const double scale = FitScale(piece.Length, piece.Width, box.width() - 80, box.height() - 10);
  if (!Drawable(scale)) return;
  TQtCanvas canvas(painter);
  DrawOnCanvas(piece, TPoint{0, 0}, canvas, style.OffcutColor, style.PartColor, style.Switches,
               scale, shapes);
}

void PaintDxfPreview(QPainter& painter, QSize box, const TExtPolyline& outline,
                     const TPictureStyle& style) {
  const double scale =
      FitScale(outline.ExtentX, outline.ExtentY, box.width() - 2, box.height() - 2);
  if (!Drawable(scale)) return;
  TQtCanvas canvas(painter);
  DrawOutline(outline, TPoint{1, 1}, TPoint{0, 0}, style.PartColor, style.Switches, "DXF", scale,
              canvas);
}

}  // namespace vexlin
