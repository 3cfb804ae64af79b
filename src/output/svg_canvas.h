#pragma once

#include <cstdint>
#include <string>

#include "model/canvas.h"

namespace vexlin {

// A canvas that collects the drawing as an SVG document. Text is measured as if set in a
// monospace font: every character (UTF-8 code point) is 0.6 font sizes wide and a line is
// one font size high. Lines, rectangle borders, arcs and texts take the current pen colour;
// only FillRect fills.
class TSvgCanvas : public TCanvas {
 public:
  TSvgCanvas(int32_t width, int32_t height, int32_t fontSize = 12);

  TColor PenColor() const override { return pen_; }
  void SetPenColor(TColor color) override { pen_ = color; }
  void MoveTo(int32_t x, int32_t y) override;
  void LineTo(int32_t x, int32_t y) override;
  void Rectangle(int32_t left, int32_t top, int32_t right, int32_t bottom) override;
  void Arc(int32_t left, int32_t top, int32_t right, int32_t bottom, int32_t startX, int32_t startY,
           int32_t endX, int32_t endY) override;
  void TextOut(int32_t x, int32_t y, const std::string& text) override;
  int32_t TextWidth(const std::string& text) const override;
  int32_t TextHeight(const std::string& text) const override;
  // A rectangle filled in the colour, without a border: a background for what comes after.
  void FillRect(int32_t left, int32_t top, int32_t right, int32_t bottom, TColor color);

  std::string Document() const;
  // Writes the document; the error text is empty on success.
  std::string SaveToFile(const std::string& path) const;

 private:
  int32_t width_;
  int32_t height_;
  int32_t fontSize_;
  TColor pen_ = 0;
  int32_t penX_ = 0;
  int32_t penY_ = 0;
  std::string body_;
};

// "#RRGGBB" of a 0x00BBGGRR colour.
std::string SvgColor(TColor color);
// The text with &, <, >, " and ' written as XML entities.
std::string XmlEscape(const std::string& text);

}  // namespace vexlin
