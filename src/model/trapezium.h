#pragma once

#include <array>
#include <cstdint>
#include <string>
#include <string_view>

#include "model/ext_polyline.h"

namespace vexlin {

class TIniFile;

// The shape record of a profile: the trapezium that gives its area, and its exact outline in
// the four orientations a placed piece can take. Lengths are scaled, without blade width.
class TTrapezium {
 public:
  std::string Name;
  int32_t ListIndex = -1;
  // The side on y = 0 runs from x = 0 to FirstBase; FirstGap lies right of it in the box.
  int32_t FirstBase = 0;
  int32_t FirstGap = 0;
  // The side on y = Height runs from SecondOffset over SecondBase; SecondGap lies right of it.
  int32_t SecondOffset = 0;
  int32_t SecondBase = 0;
  int32_t SecondGap = 0;
  int32_t Height = 0;
  // Taken off the box length to get the outline's X extent (disc segments).
  int32_t LengthTrim1 = 0;
  int32_t LengthTrim2 = 0;
  // Group 0 the four-corner trapezium, groups 1 and 2 the exact outline; entry r of a group
  // is the outline in orientation r.
  std::array<std::array<TExtPolyline, 4>, 3> Outlines;
  bool FromDxf = false;
  std::string ShapeType;
  std::string Param1 = "-1";
  std::string Param2 = "-1";
  std::string Param3 = "-1";
  std::string Param4 = "-1";
  std::string Param5 = "-1";
  std::string Param6 = "-1";

  // Stores the sizes and builds the twelve outlines; set the length trims first.
  void Define(bool fromDxf, std::string_view name, int32_t height, int32_t secondGap,
              int32_t secondBase, int32_t secondOffset, int32_t firstGap, int32_t firstBase,
              const TExtPolyline& outline, int32_t listIndex);
  void SetLengthTrim1(int32_t n) { LengthTrim1 = n; }
  void SetLengthTrim2(int32_t n) { LengthTrim2 = n; }
  void Assign(const TTrapezium& source) { *this = source; }

  const TExtPolyline& Outline(int group, int orientation) const {
    return Outlines[group][orientation];
  }
  // The trapezium's area, which stands for the profile's material.
  double Area() const;

  // Shape type, parameter texts and DXF flag in the section prefix + "TZ"; the outlines
  // are not stored but rebuilt from the type and parameters.
  void SaveToIni(TIniFile& ini, std::string_view prefix) const;
  void LoadFromIni(const TIniFile& ini, std::string_view prefix);
};

}  // namespace vexlin
