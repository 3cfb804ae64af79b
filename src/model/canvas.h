#pragma once

#include <cstdint>
#include <string>

namespace vexlin {

// Colours as 0x00BBGGRR integers, the form the options file stores.
using TColor = uint32_t;

// What the drawing of pieces needs from a surface, so one drawing code serves the
// screen, the printer, SVG files and the recording canvas of the tests. Coordinates are
// device units, Y downwards.
class TCanvas {
 public:
  virtual ~TCanvas() = default;

  virtual TColor PenColor() const = 0;
  virtual void SetPenColor(TColor color) = 0;
  virtual void MoveTo(int32_t x, int32_t y) = 0;
  virtual void LineTo(int32_t x, int32_t y) = 0;
  virtual void Rectangle(int32_t left, int32_t top, int32_t right, int32_t bottom) = 0;
  // An arc of the ellipse inscribed in the box, counter-clockwise from the ray towards
  // (startX, startY) to the ray towards (endX, endY); equal rays give the whole ellipse.
  virtual void Arc(int32_t left, int32_t top, int32_t right, int32_t bottom, int32_t startX,
                   int32_t startY, int32_t endX, int32_t endY) = 0;
  virtual void TextOut(int32_t x, int32_t y, const std::string& text) = 0;
  virtual int32_t TextWidth(const std::string& text) const = 0;
  virtual int32_t TextHeight(const std::string& text) const = 0;
};

// Whether (ax, ay) and (bx, by) lie on the same ray from the box's centre, so that an Arc
// between them is the whole ellipse; exact, whatever the sizes.
bool SameArcRay(int32_t left, int32_t top, int32_t right, int32_t bottom, int32_t ax, int32_t ay,
                int32_t bx, int32_t by);

}  // namespace vexlin
