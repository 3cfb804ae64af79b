#include "model/ui/qt_canvas.h"

#include <QFontMetrics>
#include <QPainter>
#include <cmath>
#include <numbers>

#include "model/ui/caption_texts.h"

namespace vexlin {

QColor ToQColor(TColor color) {
  return QColor(static_cast<int>(color & 0xFF), static_cast<int>((color >> 8) & 0xFF),
                static_cast<int>((color >> 16) & 0xFF));
}

TColor FromQColor(const QColor& color) {
  return static_cast<TColor>(color.red()) | (static_cast<TColor>(color.green()) << 8) |
         (static_cast<TColor>(color.blue()) << 16);
}

TQtCanvas::TQtCanvas(QPainter& painter) : painter_(painter) {
  SetPenColor(0);
}

TColor TQtCanvas::PenColor() const {
  return penColor_;
}

void TQtCanvas::SetPenColor(TColor color) {
  penColor_ = color;
  painter_.setPen(ToQColor(color));
}

void TQtCanvas::MoveTo(int32_t x, int32_t y) {
  penX_ = x;
  penY_ = y;
}

void TQtCanvas::LineTo(int32_t x, int32_t y) {
  painter_.drawLine(penX_, penY_, x, y);
  MoveTo(x, y);
}

void TQtCanvas::Rectangle(int32_t left, int32_t top, int32_t right, int32_t bottom) {
  painter_.drawRect(QRect(QPoint(left, top), QPoint(right - 1, bottom - 1)));
}

namespace {

// Qt's angles are counter-clockwise on the screen from three o'clock, in sixteenths of a
// degree.
double RayDegrees(const QRectF& box, int32_t x, int32_t y) {
  const QPointF centre = box.center();
  return std::atan2(centre.y() - y, x - centre.x()) * 180 / std::numbers::pi;
}

}  // namespace

void TQtCanvas::Arc(int32_t left, int32_t top, int32_t right, int32_t bottom, int32_t startX,
                    int32_t startY, int32_t endX, int32_t endY) {
  const QRectF box = QRectF(QPointF(left, top), QPointF(right, bottom)).normalized();
  const double start = RayDegrees(box, startX, startY);
  double span = std::fmod(RayDegrees(box, endX, endY) - start, 360.0);
  if (span <= 0) span += 360;
  painter_.drawArc(box, static_cast<int>(std::lround(start * 16)),
                   static_cast<int>(std::lround(span * 16)));
}

// The canvas places text by its top-left corner.
void TQtCanvas::TextOut(int32_t x, int32_t y, const std::string& text) {
  painter_.drawText(QPoint(x, y + painter_.fontMetrics().ascent()), ToQString(text));
}

int32_t TQtCanvas::TextWidth(const std::string& text) const {
  return painter_.fontMetrics().horizontalAdvance(ToQString(text));
}

int32_t TQtCanvas::TextHeight(const std::string& /*text*/) const {
  return painter_.fontMetrics().height();
}

}  // namespace vexlin
