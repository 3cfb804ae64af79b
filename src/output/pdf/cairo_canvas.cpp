#include "output/pdf/cairo_canvas.h"

#include <cairo.h>

#include <cmath>
#include <numbers>

namespace vexlin {
namespace {

// Half a unit off the grid, so that a one-unit line covers whole device units as on a screen.
constexpr double kPixelCentre = 0.5;

double Channel(TColor color, int shift) {
  return static_cast<double>((color >> shift) & 0xFF) / 255.0;
}

// The parameter angle, on cairo's Y-down plane, of the ellipse point on the ray from the
// centre towards (x, y).
double RayAngle(double cx, double cy, double rx, double ry, int32_t x, int32_t y) {
  return std::atan2((y - cy) / ry, (x - cx) / rx);
}

}  // namespace

TCairoCanvas::TCairoCanvas(cairo_t* cairo, int32_t fontHeight) : cairo_(cairo) {
  cairo_set_line_width(cairo_, 1);
  cairo_select_font_face(cairo_, "monospace", CAIRO_FONT_SLANT_NORMAL, CAIRO_FONT_WEIGHT_NORMAL);
  cairo_set_font_size(cairo_, fontHeight);
  SetPenColor(0);
}

void TCairoCanvas::SetPenColor(TColor color) {
  pen_ = color;
  cairo_set_source_rgb(cairo_, Channel(color, 0), Channel(color, 8), Channel(color, 16));
}

void TCairoCanvas::MoveTo(int32_t x, int32_t y) {
  penX_ = x;
  penY_ = y;
}

void TCairoCanvas::LineTo(int32_t x, int32_t y) {
  cairo_move_to(cairo_, penX_ + kPixelCentre, penY_ + kPixelCentre);
  cairo_line_to(cairo_, x + kPixelCentre, y + kPixelCentre);
  cairo_stroke(cairo_);
  MoveTo(x, y);
}

// The border lies inside the box, as on the other canvases.
void TCairoCanvas::Rectangle(int32_t left, int32_t top, int32_t right, int32_t bottom) {
  cairo_rectangle(cairo_, left + kPixelCentre, top + kPixelCentre, right - left - 1.0,
                  bottom - top - 1.0);
  cairo_stroke(cairo_);
}

// Counter-clockwise on the page is the negative direction of cairo's Y-down angles.
void TCairoCanvas::Arc(int32_t left, int32_t top, int32_t right, int32_t bottom, int32_t startX,
                       int32_t startY, int32_t endX, int32_t endY) {
  const double cx = (left + right) / 2.0 + kPixelCentre;
  const double cy = (top + bottom) / 2.0 + kPixelCentre;
  const double rx = std::abs(right - left) / 2.0;
  const double ry = std::abs(bottom - top) / 2.0;
  if (rx == 0 || ry == 0) {  // a flat box: the ellipse is the line across it
    MoveTo(left, top);
    LineTo(right, bottom);
    return;
  }
  const double start = RayAngle(cx, cy, rx, ry, startX, startY);
  double end = RayAngle(cx, cy, rx, ry, endX, endY);
  if (SameArcRay(left, top, right, bottom, startX, startY, endX, endY))
    end = start - 2 * std::numbers::pi;
  cairo_save(cairo_);
  cairo_translate(cairo_, cx, cy);
  cairo_scale(cairo_, rx, ry);
  cairo_new_path(cairo_);
  cairo_arc_negative(cairo_, 0, 0, 1, start, end);
  cairo_restore(cairo_);  // the line width is that of the page, not of the scaled circle
  cairo_stroke(cairo_);
}

// The canvas places text by its top-left corner.
void TCairoCanvas::TextOut(int32_t x, int32_t y, const std::string& text) {
  cairo_font_extents_t font;
  cairo_font_extents(cairo_, &font);
  cairo_move_to(cairo_, x, y + font.ascent);
  cairo_show_text(cairo_, text.c_str());
  cairo_new_path(cairo_);
}

int32_t TCairoCanvas::TextWidth(const std::string& text) const {
  cairo_text_extents_t extents;
  cairo_text_extents(cairo_, text.c_str(), &extents);
  return static_cast<int32_t>(std::lround(extents.x_advance));
}

int32_t TCairoCanvas::TextHeight(const std::string& /*text*/) const {
  cairo_font_extents_t font;
  cairo_font_extents(cairo_, &font);
  return static_cast<int32_t>(std::lround(font.ascent + font.descent));
}

}  // namespace vexlin
