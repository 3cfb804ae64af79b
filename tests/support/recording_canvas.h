#pragma once

#include <string>
#include <vector>

#include "model/canvas.h"

namespace vexlin {

// A canvas that writes down every call as a line of text, so tests can compare what was
// drawn. Text measures are fixed: CharWidth per character and LineHeight.
class TRecordingCanvas : public TCanvas {
 public:
  int32_t CharWidth = 6;
  int32_t LineHeight = 10;
  std::vector<std::string> Calls;

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
  TColor pen_ = 0;
};

}  // namespace vexlin
