#pragma once

#include <QColor>

#include "model/canvas.h"

class QPainter;

namespace vexlin {

QColor ToQColor(TColor color);
TColor FromQColor(const QColor& color);

// The drawing of pieces on a Qt paint device: a widget, the printer or an image.
class TQtCanvas : public TCanvas {
 public:
  explicit TQtCanvas(QPainter& painter);

  TColor PenColor() const override;
  void SetPenColor(TColor color) override;
  void MoveTo(int32_t x, int32_t y) override;
  void LineTo(int32_t x, int32_t y) override;
  void Rectangle(int32_t left, int32_t top, int32_t right, int32_t bottom) override;
  void Arc(int32_t left, int32_t top, int32_t right, int32_t bottom, int32_t startX, int32_t startY,
           int32_t endX, int32_t endY) override;
  void TextOut(int32_t x, int32_t y, const std::string& text) override;
  int32_t TextWidth(const std::string& text) const override;
  int32_t TextHeight(const std::string& text) const override;

 private:
  QPainter& painter_;
  TColor penColor_ = 0;
  int32_t penX_ = 0;
  int32_t penY_ = 0;
};

}  // namespace vexlin
