#pragma once

#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

namespace vexlin {

// A point of the drawing, in user units.
struct TDXFPoint {
  double X = 0;
  double Y = 0;
};

// Builds an ASCII DXF drawing in memory: every group code and every value is one line.
// Reals are written with "." whatever the locale, and texts in the Windows-1252 code page
// the header declares, so the file reads the same everywhere.
class TDXFOut {
 public:
  uint8_t Decimals = 3;
  TDXFPoint LimMin;
  TDXFPoint LimMax;
  std::vector<std::string> Lines;

  TDXFOut(uint8_t decimals, TDXFPoint limMin, TDXFPoint limMax);

  std::string FormatNumber(double value) const;
  const std::string& Layer() const { return layer_; }

  void WriteHeader();
  void SetLayer(std::string_view name);
  void BeginPolyline();
  void AddVertex(double x, double y, double z);
  void AddBulgeVertex(double x, double y, double z, double bulge);
  void EndPolyline();
  void AddText(std::string_view text, double x, double y, double z, double height, double angle);
  // Centre and radius in thousandths.
  void AddCircle(double x, double y, double z, double radius);
  // The corners in thousandths, y pointing up.
  void AddRectangle(int32_t left, int32_t top, int32_t right, int32_t bottom);
  // A closed polyline through the ellipse inscribed in the rectangle (thousandths).
  void AddEllipse(int32_t left, int32_t top, int32_t right, int32_t bottom);
  void WriteEnd();

  // The lines joined with CR LF.
  std::string Text() const;
  // Writes Text() to the file, replacing it; the error text is empty on success.
  std::string SaveToFile(const std::string& fileName) const;

 private:
  std::string layer_ = "0";

  void Pair(int code, std::string_view value);
  void RealPair(int code, double value) { Pair(code, FormatNumber(value)); }
};

// One point of an ellipse walk: the upper and lower curve at x.
struct TEllipsePoint {
  double X = 0;
  double Upper = 0;
  double Lower = 0;
};

// Walks the ellipse inscribed in the rectangle from its left end to its right end in chords
// no longer than a hundredth of its length; the first point is the left end.
std::vector<TEllipsePoint> WalkEllipse(double left, double top, double right, double bottom);

// A real in fixed notation with the given decimals and "." as separator.
std::string FixedText(double value, int decimals);
// The text with line breaks and other control characters turned into blanks, so that it
// stays on one line of a line-based file.
std::string SingleLine(std::string_view text);
// A UTF-8 text in Windows-1252, each character that code page lacks as "\U+XXXX", cut to at
// most maxLength bytes without splitting such an escape.
std::string DxfText(std::string_view text, size_t maxLength);
// The number of characters of a UTF-8 text.
int32_t CharCount(std::string_view text);

}  // namespace vexlin
