#include "output/dxf_writer.h"

#include <charconv>
#include <cmath>
#include <cstdio>
#include <fstream>

#include "model/text_encoding.h"

namespace vexlin {
namespace {

constexpr size_t kMaxNumberLength = 32;
constexpr size_t kMaxTextLength = 255;
constexpr size_t kMaxLayerLength = 32;
constexpr int kMaxEllipsePoints = 1000;
constexpr int kMaxStepTries = 10;

bool IsContinuationByte(char c) {
  return (static_cast<unsigned char>(c) & 0xC0) == 0x80;
}

// At most maxBytes bytes, never splitting a UTF-8 character.
std::string CutText(std::string_view text, size_t maxBytes) {
  if (text.size() <= maxBytes) return std::string(text);
  size_t end = maxBytes;
  while (end > 0 && IsContinuationByte(text[end])) --end;
  return std::string(text.substr(0, end));
}

// A character as the declared code page holds it: its Windows-1252 byte, else "\U+XXXX",
// which readers show as the character; "?" beyond the four hex digits that form allows.
std::string DxfCharacter(char32_t codePoint) {
  if (const int byte = Windows1252Byte(codePoint); byte >= 0) {
    return std::string(1, static_cast<char>(byte));
  }
  if (codePoint > 0xFFFF) return "?";
  char escape[8];
  std::snprintf(escape, sizeof escape, "\\U+%04X", static_cast<unsigned>(codePoint));
  return escape;
}

// The step to the next ellipse point: halved until the chord is short enough or the far
// end is reached. done is set when the walk has reached the far end.
double NextStep(const TEllipsePoint& last, double q, double right, double cx, double cy, double a,
                double b, double& d, bool& done) {
  double s = q;
  for (int tries = 0; tries < kMaxStepTries; ++tries) {
    const double x = last.X + s;
    if (x > right) {
      s /= 2;
      if (!(s > q / 500)) {
        done = true;
        return s;
      }
      continue;
    }
    const double ratio = (x - cx) / a;
    d = std::sqrt(std::fabs(1 - ratio * ratio)) * b;
    const double dy = cy + d - last.Upper;
    if ((x - last.X) * (x - last.X) + dy * dy > q * q) {
      s /= 2;
      continue;
    }
    break;
  }
  return s;
}

}  // namespace

std::string FixedText(double value, int decimals) {
  if (!std::isfinite(value)) return "0";
  char buffer[400];
  const auto result =
      std::to_chars(buffer, buffer + sizeof buffer, value, std::chars_format::fixed, decimals);
  if (result.ec != std::errc()) return "0";
  return std::string(buffer, result.ptr);
}

std::string SingleLine(std::string_view text) {
  std::string line(text);
  for (char& c : line) {
    if (static_cast<unsigned char>(c) < 0x20 || c == 0x7F) c = ' ';
  }
  return line;
}

std::string DxfText(std::string_view text, size_t maxLength) {
  std::string encoded;
  for (const char32_t codePoint : Utf8CodePoints(text)) {
    const std::string character = DxfCharacter(codePoint);
    if (encoded.size() + character.size() > maxLength) break;
    encoded += character;
  }
  return encoded;
}

int32_t CharCount(std::string_view text) {
  int32_t count = 0;
  for (char c : text) {
    if (!IsContinuationByte(c)) ++count;
  }
  return count;
}

TDXFOut::TDXFOut(uint8_t decimals, TDXFPoint limMin, TDXFPoint limMax)
    : Decimals(decimals), LimMin(limMin), LimMax(limMax) {}

std::string TDXFOut::FormatNumber(double value) const {
  return CutText(FixedText(value, Decimals), kMaxNumberLength);
}

void TDXFOut::Pair(int code, std::string_view value) {
  Lines.push_back(std::to_string(code));
  Lines.push_back(DxfText(SingleLine(value), kMaxTextLength));
}

void TDXFOut::WriteHeader() {
  SetLayer("0");
  Pair(0, "SECTION");
  Pair(2, "HEADER");
  Pair(9, "$LIMMIN");
  RealPair(10, LimMin.X);
  RealPair(20, LimMin.Y);
  Pair(9, "$LIMMAX");
  RealPair(10, LimMax.X);
  RealPair(20, LimMax.Y);
  Pair(9, "$DWGCODEPAGE");
  Pair(3, "ANSI_1252");
  Pair(0, "ENDSEC");
  Pair(0, "SECTION");
  Pair(2, "TABLES");
  Pair(0, "TABLE");
  Pair(2, "LAYER");
  Pair(70, "1");
  Pair(0, "LAYER");
  Pair(2, "0");
  Pair(70, "64");
  Pair(62, "7");
  Pair(6, "CONTINUOUS");
  Pair(0, "ENDTAB");
  Pair(0, "ENDSEC");
  Pair(0, "SECTION");
  Pair(2, "ENTITIES");
}

void TDXFOut::SetLayer(std::string_view name) {
  layer_ = CutText(name, kMaxLayerLength);
}

void TDXFOut::BeginPolyline() {
  Pair(0, "POLYLINE");
  Pair(8, layer_);
  Pair(66, "1");
  RealPair(10, 0);
  RealPair(20, 0);
  RealPair(30, 0);
  Pair(70, "1");
}

void TDXFOut::AddVertex(double x, double y, double z) {
  Pair(0, "VERTEX");
  Pair(8, layer_);
  RealPair(10, x);
  RealPair(20, y);
  RealPair(30, z);
  Pair(70, "1");
}

void TDXFOut::AddBulgeVertex(double x, double y, double z, double bulge) {
  Pair(0, "VERTEX");
  Pair(8, layer_);
  RealPair(10, x);
  RealPair(20, y);
  RealPair(30, z);
  RealPair(42, bulge);
}

void TDXFOut::EndPolyline() {
  Pair(0, "SEQEND");
  Pair(8, layer_);
}

void TDXFOut::AddText(std::string_view text, double x, double y, double z, double height,
                      double angle) {
  Pair(0, "TEXT");
  Pair(8, layer_);
  RealPair(10, x);
  RealPair(20, y);
  RealPair(30, z);
  RealPair(40, height);
  Pair(1, text);
  RealPair(50, angle);
}

void TDXFOut::AddCircle(double x, double y, double z, double radius) {
  Pair(0, "CIRCLE");
  Pair(8, layer_);
  RealPair(10, x / 1000);
  RealPair(20, y / 1000);
  RealPair(30, z / 1000);
  RealPair(40, radius / 1000);
}

void TDXFOut::AddRectangle(int32_t left, int32_t top, int32_t right, int32_t bottom) {
  BeginPolyline();
  AddVertex(left / 1000.0, top / 1000.0, 0);
  AddVertex(right / 1000.0, top / 1000.0, 0);
  AddVertex(right / 1000.0, bottom / 1000.0, 0);
  AddVertex(left / 1000.0, bottom / 1000.0, 0);
  EndPolyline();
}

void TDXFOut::AddEllipse(int32_t left, int32_t top, int32_t right, int32_t bottom) {
  const std::vector<TEllipsePoint> points = WalkEllipse(left, top, right, bottom);
  BeginPolyline();
  for (const TEllipsePoint& p : points) AddVertex(p.X / 1000, p.Upper / 1000, 0);
  for (auto p = points.rbegin(); p != points.rend(); ++p)
    AddVertex(p->X / 1000, p->Lower / 1000, 0);
  EndPolyline();
}

void TDXFOut::WriteEnd() {
  Pair(0, "ENDSEC");
  Pair(0, "EOF");
}

std::string TDXFOut::Text() const {
  std::string text;
  for (const std::string& line : Lines) text += line + "\r\n";
  return text;
}

std::string TDXFOut::SaveToFile(const std::string& fileName) const {
  std::ofstream file(fileName, std::ios::binary | std::ios::trunc);
  if (file) file << Text();
  if (!file) return "Can't write file " + fileName;
  return "";
}

std::vector<TEllipsePoint> WalkEllipse(double left, double top, double right, double bottom) {
  const double cx = (left + right) / 2;
  const double cy = (top + bottom) / 2;
  const double a = std::fabs(left - right) / 2;
  const double b = std::fabs(top - bottom) / 2;
  const double q = (right - left) / 100;
  std::vector<TEllipsePoint> points{{left, cy, cy}};
  // A rectangle of no length has no curve to walk.
  if (!(q > 0)) return points;
  double d = 0;
  for (int k = 1; k <= kMaxEllipsePoints; ++k) {
    bool done = false;
    const double s = NextStep(points.back(), q, right, cx, cy, a, b, d, done);
    if (done) break;
    points.push_back({points.back().X + s, cy + d, cy - d});
  }
  return points;
}

}  // namespace vexlin
