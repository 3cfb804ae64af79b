#include "model/trapezium.h"

#include "model/ini_file.h"

namespace vexlin {
namespace {

// The parameter texts with their INI keys.
struct TParamKey {
  std::string TTrapezium::*Field;
  const char* Key;
};
constexpr TParamKey kParamKeys[] = {
    {&TTrapezium::Param1, "P1"}, {&TTrapezium::Param2, "P2"}, {&TTrapezium::Param3, "P3"},
    {&TTrapezium::Param4, "P4"}, {&TTrapezium::Param5, "P5"}, {&TTrapezium::Param6, "P6"},
};

std::string SectionName(std::string_view prefix) {
  return std::string(prefix) + "TZ";
}

TExtPolyline FourCornerOutline(const TTrapezium& shape) {
  TExtPolyline outline;
  const TPoint corners[4] = {TPoint{0, 0}, TPoint{shape.FirstBase, 0},
                             TPoint{shape.SecondOffset + shape.SecondBase, shape.Height},
                             TPoint{shape.SecondOffset, shape.Height}};
  for (const TPoint& corner : corners) outline.AddSegment(corner, false, false, false, false, {});
  outline.AddSegment(TPoint{}, false, true, false, false, {});
  return outline;
}

// Fills one group: entry r is the outline in orientation r.
void BuildGroup(std::array<TExtPolyline, 4>& group, const TExtPolyline& outline, int32_t extentX,
                int32_t extentY) {
  for (TExtPolyline& entry : group) {
    entry.Assign(outline);
    entry.SetExtentX(extentX);
    entry.SetExtentY(extentY);
  }
  group[1].Transpose();
  group[2].HalfTurn();
  group[3].Transpose();
  group[3].HalfTurn();
}

}  // namespace

void TTrapezium::Define(bool fromDxf, std::string_view name, int32_t height, int32_t secondGap,
                        int32_t secondBase, int32_t secondOffset, int32_t firstGap,
                        int32_t firstBase, const TExtPolyline& outline, int32_t listIndex) {
  FromDxf = fromDxf;
  Name = name;
  Height = height;
  SecondGap = secondGap;
  SecondBase = secondBase;
  SecondOffset = secondOffset;
  FirstGap = firstGap;
  FirstBase = firstBase;
  ListIndex = listIndex;
  const int32_t extentX = FirstBase + FirstGap - LengthTrim1 - LengthTrim2;
  BuildGroup(Outlines[0], FourCornerOutline(*this), extentX, Height);
  BuildGroup(Outlines[1], outline, extentX, Height);
  BuildGroup(Outlines[2], outline, extentX, Height);
}

double TTrapezium::Area() const {
  return (static_cast<double>(FirstBase) + SecondBase) * Height / 2;
}

void TTrapezium::SaveToIni(TIniFile& ini, std::string_view prefix) const {
  const std::string section = SectionName(prefix);
  ini.WriteString(section, "N", ShapeType);
  for (const TParamKey& param : kParamKeys) ini.WriteString(section, param.Key, this->*param.Field);
  ini.WriteBool(section, "DX", FromDxf);
}

void TTrapezium::LoadFromIni(const TIniFile& ini, std::string_view prefix) {
  const std::string section = SectionName(prefix);
  ShapeType = ini.ReadString(section, "N", "");
  for (const TParamKey& param : kParamKeys)
    this->*param.Field = ini.ReadString(section, param.Key, "-1");
  FromDxf = ini.ReadBool(section, "DX", false);
}

}  // namespace vexlin
