#pragma once

#include <cstdint>
#include <string>

#include "model/canvas.h"

using cairo_t = struct _cairo;

namespace vexlin {

// The drawing of pieces and printed pages on a cairo context, for the PDF pages of the batch
// tool. Lines are one device unit wide; text is set in the "monospace" face at the size given,
// which is also its height in device units.
class TCairoCanvas : public TCanvas {
 public:
  TCairoCanvas(cairo_t* cairo, int32_t fontHeight);

  TColor PenColor() const override { return pen_; }
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
  cairo_t* cairo_;
  TColor pen_ = 0;
  int32_t penX_ = 0;
  int32_t penY_ = 0;
};

}  // namespace vexlin
