#pragma once

#include <cstdint>
#include <string>
#include <string_view>

#include "model/geometry.h"

namespace vexlin {

class TIniFile;

// Shape kinds of a record.
enum : uint8_t { kShapeRectangle = 0, kShapeDisc = 1, kShapeProfile = 2 };

// The one record of the layout model: a stock sheet or offcut, a part type, a profile
// part, a placed piece, a free rectangle, or the sheet of a layout. Lengths are scaled
// integers; during a run they include one blade width (see NetLength).
class T2DStock {
 public:
  int32_t Index = -1;
  int32_t Length = 0;
  int32_t Width = 0;
  bool Rotatable = true;
  TPoint Origin;
  std::string Label;
  int32_t Count = 0;
  int32_t Cost = 1;
  double AreaFactor = 1.0;
  bool Selectable = true;
  uint8_t Shape = kShapeRectangle;
  int32_t ProfileIndex = -1;
  int32_t Orientation = 1;

  T2DStock& SetOrigin(TPoint origin);
  T2DStock& SetCount(int32_t n);
  T2DStock& SetIndex(int32_t n);
  T2DStock& SetLength(int32_t n);
  T2DStock& SetWidth(int32_t n);
  T2DStock& SetLabel(std::string_view text);
  int32_t GetCost() const { return Cost; }
  T2DStock& SetCost(int32_t n);
  T2DStock& SetAreaFactor(double x);
  T2DStock& SetShape(uint8_t kind);
  T2DStock& SetProfileIndex(int32_t n);
  T2DStock& SetOrientation(int32_t n);

  // Gross rectangle (blade width included).
  TRect GetRect() const { return TRect{Origin.X, Origin.Y, Origin.X + Length, Origin.Y + Width}; }
  void SetRect(const TRect& rect);
  // A quarter turn: the sides are exchanged.
  void Turn();
  // A half turn of a profile inside its box; other shapes stay as they are.
  void FlipHalfTurn();

  int32_t NetLength() const;
  int32_t NetWidth() const;
  double GrossArea() const { return static_cast<double>(Length) * static_cast<double>(Width); }
  double NetArea() const;
  // Net area, of the inscribed ellipse for a disc.
  double ShapeArea() const;
  // The material a piece really takes: a profile's own area, otherwise the gross area.
  double MaterialArea() const;

  // Hit tests in view pixels, the sheet's corner at (0, 0), scale in pixels per unit.
  bool HitTest(int32_t x, int32_t y, double scale) const;
  bool HitTestShape(int32_t x, int32_t y, double scale) const;

  // The hint line of a piece.
  std::string DescribeText() const;

  // One record in the section prefix + "PN"; Selectable is not stored.
  void LoadFromIni(const TIniFile& ini, std::string_view prefix);
  void SaveToIni(TIniFile& ini, std::string_view prefix) const;

 private:
  bool InsideScaledNetRect(int32_t x, int32_t y, double scale) const;
};

// True when a label marks an offcut piece (remnant or sliver).
bool IsOffcutLabel(std::string_view label);
// The label up to and including its first "_" (the whole label when it has none): "OFFCUT_"
// for a kept remnant, "ZEROOFFCUT_" for a sliver.
std::string_view LabelPrefix(std::string_view label);
// Whether a piece of a layout is drawn, printed or exported: slivers never, kept offcuts
// only when offcuts are shown.
bool IsShownPiece(const T2DStock& piece, bool showOffcuts);

}  // namespace vexlin
