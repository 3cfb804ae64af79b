#include "output/svg_canvas.h"

#include <charconv>
#include <cmath>
#include <cstdio>
#include <fstream>
#include <numbers>

#include "model/rounding.h"

namespace vexlin {
namespace {

// Fixed notation with at most three decimals and "." whatever the locale.
std::string Number(double value) {
  const double rounded = std::round(value * 1000.0) / 1000.0;
  char buffer[64];
  const auto result =
      std::to_chars(buffer, buffer + sizeof buffer, rounded, std::chars_format::fixed, 3);
  std::string text(buffer, result.ptr);
  while (text.back() == '0') text.pop_back();
  if (text.back() == '.') text.pop_back();
  return text == "-0" ? "0" : text;
}

std::string Attribute(const char* name, double value) {
  return std::string(" ") + name + "=\"" + Number(value) + "\"";
}

// An ellipse in device units; angles are measured as seen on screen, counter-clockwise
// from +X, so that they grow in the direction the canvas draws arcs.
struct TEllipse {
  double Cx = 0;
  double Cy = 0;
  double Rx = 0;
  double Ry = 0;

  double ScreenAngle(int32_t x, int32_t y) const { return std::atan2(Cy - y, x - Cx); }
  double PointX(double angle) const { return Cx + Rx * std::cos(angle); }
  double PointY(double angle) const { return Cy - Ry * std::sin(angle); }
  // The parameter angle of the ellipse point on the ray towards (x, y).
  double RayAngle(int32_t x, int32_t y) const {
    const double angle = ScreenAngle(x, y);
    return std::atan2(Rx * std::sin(angle), Ry * std::cos(angle));
  }
};

// Sweep flag 0: the negative angle direction of the Y-down SVG plane, which is
// counter-clockwise on screen.
std::string ArcTo(const TEllipse& e, double angle, bool large) {
  return " A" + Number(e.Rx) + " " + Number(e.Ry) + " 0 " + (large ? "1" : "0") + " 0 " +
         Number(e.PointX(angle)) + " " + Number(e.PointY(angle));
}

std::string ArcPath(const TEllipse& e, double start, double end, bool whole) {
  std::string d = "M" + Number(e.PointX(start)) + " " + Number(e.PointY(start));
  if (whole) return d + ArcTo(e, start + std::numbers::pi, false) + ArcTo(e, start, false);
  double sweep = std::fmod(end - start, 2 * std::numbers::pi);
  if (sweep < 0) sweep += 2 * std::numbers::pi;
  return d + ArcTo(e, end, sweep > std::numbers::pi);
}

size_t CodePoints(const std::string& text) {
  size_t count = 0;
  for (unsigned char c : text) count += (c & 0xC0) != 0x80;
  return count;
}

}  // namespace

std::string SvgColor(TColor color) {
  char text[8];
  std::snprintf(text, sizeof text, "#%02X%02X%02X", color & 0xFF, (color >> 8) & 0xFF,
                (color >> 16) & 0xFF);
  return text;
}

std::string XmlEscape(const std::string& text) {
  std::string escaped;
  for (char c : text) {
    switch (c) {
      case '&':
        escaped += "&amp;";
        break;
      case '<':
        escaped += "&lt;";
        break;
      case '>':
        escaped += "&gt;";
        break;
      case '"':
        escaped += "&quot;";
        break;
      case '\'':
        escaped += "&apos;";
        break;
      default:
        escaped += c;
    }
  }
  return escaped;
}

TSvgCanvas::TSvgCanvas(int32_t width, int32_t height, int32_t fontSize)
    : width_(width), height_(height), fontSize_(fontSize) {}

void TSvgCanvas::MoveTo(int32_t x, int32_t y) {
  penX_ = x;
  penY_ = y;
}

void TSvgCanvas::LineTo(int32_t x, int32_t y) {
  body_ += "<line" + Attribute("x1", penX_) + Attribute("y1", penY_) + Attribute("x2", x) +
           Attribute("y2", y) + " stroke=\"" + SvgColor(pen_) + "\"/>\n";
  MoveTo(x, y);
}

void TSvgCanvas::Rectangle(int32_t left, int32_t top, int32_t right, int32_t bottom) {
  body_ += "<rect" + Attribute("x", left) + Attribute("y", top) + Attribute("width", right - left) +
           Attribute("height", bottom - top) + " fill=\"none\" stroke=\"" + SvgColor(pen_) +
           "\"/>\n";
}

void TSvgCanvas::FillRect(int32_t left, int32_t top, int32_t right, int32_t bottom, TColor color) {
  body_ += "<rect" + Attribute("x", left) + Attribute("y", top) + Attribute("width", right - left) +
           Attribute("height", bottom - top) + " fill=\"" + SvgColor(color) +
           "\" stroke=\"none\"/>\n";
}

void TSvgCanvas::Arc(int32_t left, int32_t top, int32_t right, int32_t bottom, int32_t startX,
                     int32_t startY, int32_t endX, int32_t endY) {
  const TEllipse e{(left + right) / 2.0, (top + bottom) / 2.0, std::abs(right - left) / 2.0,
                   std::abs(bottom - top) / 2.0};
  const bool whole = SameArcRay(left, top, right, bottom, startX, startY, endX, endY);
  const std::string d = ArcPath(e, e.RayAngle(startX, startY), e.RayAngle(endX, endY), whole);
  body_ += "<path d=\"" + d + "\" fill=\"none\" stroke=\"" + SvgColor(pen_) + "\"/>\n";
}

// The canvas places text by its top-left corner, hence the hanging baseline.
void TSvgCanvas::TextOut(int32_t x, int32_t y, const std::string& text) {
  body_ += "<text" + Attribute("x", x) + Attribute("y", y) + Attribute("font-size", fontSize_) +
           " font-family=\"monospace\" dominant-baseline=\"hanging\" fill=\"" + SvgColor(pen_) +
           "\">" + XmlEscape(text) + "</text>\n";
}

int32_t TSvgCanvas::TextWidth(const std::string& text) const {
  return static_cast<int32_t>(
      RoundHalfEven(0.6 * fontSize_ * static_cast<double>(CodePoints(text))));
}

int32_t TSvgCanvas::TextHeight(const std::string&) const {
  return fontSize_;
}

std::string TSvgCanvas::Document() const {
  return "<svg xmlns=\"http://www.w3.org/2000/svg\"" + Attribute("width", width_) +
         Attribute("height", height_) + " viewBox=\"0 0 " + Number(width_) + " " + Number(height_) +
         "\">\n" + body_ + "</svg>";
}

std::string TSvgCanvas::SaveToFile(const std::string& path) const {
  std::ofstream file(path, std::ios::binary | std::ios::trunc);
  if (!file) return "Cannot open " + path + " for writing";
  file << Document() << '\n';
  file.close();
  if (!file) return "Cannot write " + path;
  return "";
}

}  // namespace vexlin
