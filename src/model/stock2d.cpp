#include "model/stock2d.h"

#include <numbers>
#include <utility>

#include "model/ini_file.h"
#include "model/pub_func.h"
#include "model/rounding.h"
#include "model/run_options.h"
#include "model/text_table.h"
#include "model/trapezium_list.h"

namespace vexlin {

T2DStock& T2DStock::SetOrigin(TPoint origin) {
  Origin = origin;
  return *this;
}
T2DStock& T2DStock::SetCount(int32_t n) {
  Count = n;
  return *this;
}
T2DStock& T2DStock::SetIndex(int32_t n) {
  Index = n;
  return *this;
}
T2DStock& T2DStock::SetLength(int32_t n) {
  Length = n;
  return *this;
}
T2DStock& T2DStock::SetWidth(int32_t n) {
  Width = n;
  return *this;
}
T2DStock& T2DStock::SetLabel(std::string_view text) {
  Label = text;
  return *this;
}
T2DStock& T2DStock::SetCost(int32_t n) {
  Cost = n;
  return *this;
}
T2DStock& T2DStock::SetAreaFactor(double x) {
  AreaFactor = x;
  return *this;
}
T2DStock& T2DStock::SetShape(uint8_t kind) {
  Shape = kind;
  return *this;
}
T2DStock& T2DStock::SetProfileIndex(int32_t n) {
  ProfileIndex = n;
  return *this;
}
T2DStock& T2DStock::SetOrientation(int32_t n) {
  Orientation = n;
  return *this;
}

void T2DStock::SetRect(const TRect& rect) {
  Origin = TPoint{rect.Left, rect.Top};
  Length = rect.Right - rect.Left;
  Width = rect.Bottom - rect.Top;
}

void T2DStock::Turn() {
  std::swap(Length, Width);
  Orientation = (Orientation + 1) % 4;
}

void T2DStock::FlipHalfTurn() {
  if (Shape == kShapeProfile) Orientation = (Orientation + 2) % 4;
}

int32_t T2DStock::NetLength() const {
  return Length - BladeWidth;
}
int32_t T2DStock::NetWidth() const {
  return Width - BladeWidth;
}

double T2DStock::NetArea() const {
  return static_cast<double>(NetLength()) * static_cast<double>(NetWidth());
}

double T2DStock::ShapeArea() const {
  return Shape == kShapeDisc ? NetArea() * std::numbers::pi / 4 : NetArea();
}

double T2DStock::MaterialArea() const {
  if (Shape != kShapeProfile) return GrossArea();
  const TTrapezium* shape = ProfileShapes().FindByName(Label);
  return shape != nullptr ? shape->Area() : 0.0;
}

bool T2DStock::InsideScaledNetRect(int32_t x, int32_t y, double scale) const {
  const int64_t left = RoundHalfEven(scale * Origin.X);
  const int64_t top = RoundHalfEven(scale * Origin.Y);
  const int64_t right = RoundHalfEven(scale * (int64_t{Origin.X} + NetLength()));
  const int64_t bottom = RoundHalfEven(scale * (int64_t{Origin.Y} + NetWidth()));
  return left <= x && x < right && top <= y && y < bottom;
}

bool T2DStock::HitTest(int32_t x, int32_t y, double scale) const {
  if (!InsideScaledNetRect(x, y, scale)) return false;
  return Shape != kShapeProfile || Selectable;
}

bool T2DStock::HitTestShape(int32_t x, int32_t y, double scale) const {
  return Shape <= kShapeProfile && InsideScaledNetRect(x, y, scale);
}

std::string T2DStock::DescribeText() const {
  const TTextTable& texts = Texts();
  const std::string labelWord = texts.Text("Part Label Caption");
  if (Shape == kShapeProfile) return labelWord + ": " + Label;
  if (Shape != kShapeRectangle && Shape != kShapeDisc) return {};
  const bool offcut = Shape == kShapeRectangle && IsOffcutLabel(Label);
  return (offcut ? texts.OffcutWord : labelWord) + ": " + Label + " , " +
         texts.Text("Part Length Caption") + ": " + PubFunc().ScaledToText(NetLength()) + " , " +
         texts.Text("Part Width Caption") + ": " + PubFunc().ScaledToText(NetWidth());
}

void T2DStock::LoadFromIni(const TIniFile& ini, std::string_view prefix) {
  const std::string section = std::string(prefix) + "PN";
  Index = ini.ReadInteger(section, "I", -1);
  Length = ini.ReadInteger(section, "X", 0);
  Width = ini.ReadInteger(section, "Y", 0);
  Rotatable = ini.ReadBool(section, "R", true);
  Origin.X = ini.ReadInteger(section, "OX", 0);
  Origin.Y = ini.ReadInteger(section, "OY", 0);
  Label = ini.ReadString(section, "L", "NO LABEL");
  Count = ini.ReadInteger(section, "N", 0);
  Cost = ini.ReadInteger(section, "C", 0);
  AreaFactor = ini.ReadFloat(section, "U", 1.0);
  Shape = static_cast<uint8_t>(ini.ReadInteger(section, "S", 0));
  ProfileIndex = ini.ReadInteger(section, "PI", -1);
  Orientation = ini.ReadInteger(section, "PRM", 1);
}

void T2DStock::SaveToIni(TIniFile& ini, std::string_view prefix) const {
  const std::string section = std::string(prefix) + "PN";
  ini.WriteInteger(section, "I", Index);
  ini.WriteInteger(section, "X", Length);
  ini.WriteInteger(section, "Y", Width);
  ini.WriteBool(section, "R", Rotatable);
  ini.WriteInteger(section, "OX", Origin.X);
  ini.WriteInteger(section, "OY", Origin.Y);
  ini.WriteString(section, "L", Label);
  ini.WriteInteger(section, "N", Count);
  ini.WriteInteger(section, "C", Cost);
  ini.WriteFloat(section, "U", AreaFactor);
  ini.WriteInteger(section, "S", Shape);
  ini.WriteInteger(section, "PI", ProfileIndex);
  ini.WriteInteger(section, "PRM", Orientation);
}

bool IsOffcutLabel(std::string_view label) {
  return label.find("OFFCUT_") != std::string_view::npos;
}

std::string_view LabelPrefix(std::string_view label) {
  const size_t underscore = label.find('_');
  return underscore == std::string_view::npos ? label : label.substr(0, underscore + 1);
}

bool IsShownPiece(const T2DStock& piece, bool showOffcuts) {
  const std::string_view prefix = LabelPrefix(piece.Label);
  if (prefix == "ZEROOFFCUT_") return false;
  return showOffcuts || prefix != "OFFCUT_";
}

}  // namespace vexlin
