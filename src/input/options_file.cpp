#include "input/options_file.h"

#include <string_view>

#include "model/ini_file.h"
#include "model/run_options.h"

namespace vexlin {
namespace {

constexpr std::string_view kSection = "OPTION";

bool ReadFlag(const TIniFile& ini, std::string_view key, std::string_view absent = "T") {
  return ini.ReadString(kSection, key, absent) == "T";
}

void WriteFlag(TIniFile& ini, std::string_view key, bool on) {
  ini.WriteString(kSection, key, on ? "T" : "F");
}

}  // namespace

// The edge keys are crossed against the captions; see TOptionSettings.
TOptionSettings ReadOptionsFile(const std::string& path) {
  const TIniFile ini(path);
  const TOptionSettings defaults;
  TOptionSettings s;
  s.BladeWidth = ini.ReadString(kSection, "BLADE_WIDTH", defaults.BladeWidth);
  s.FastOptimize = ReadFlag(ini, "FAST_OPTIMIZE");
  s.CostOptimize = ReadFlag(ini, "COST_OPTIMIZE");
  s.Guillotine = ReadFlag(ini, "GUILLOTINE");
  s.Measure = ini.ReadString(kSection, "MEASURE", UnitText);
  s.PrinterFontSize = ini.ReadString(kSection, "PRINTERFONTSIZE", defaults.PrinterFontSize);
  s.WidthEdge = ini.ReadString(kSection, "LENGTH_EDGE", defaults.WidthEdge);
  s.LengthEdge = ini.ReadString(kSection, "WIDTH_EDGE", defaults.LengthEdge);
  s.MinScrapLength = ini.ReadString(kSection, "SCRAP_LEN1", defaults.MinScrapLength);
  s.MinScrapWidth = ini.ReadString(kSection, "SCRAP_LEN2", defaults.MinScrapWidth);
  s.SheetColor = ini.ReadInteger(kSection, "SHEET_COLOR", defaults.SheetColor);
  s.PartColor = ini.ReadInteger(kSection, "PART_COLOR", defaults.PartColor);
  s.EdgeColor = ini.ReadInteger(kSection, "EDGE_COLOR", defaults.EdgeColor);
  s.OffcutColor = ini.ReadInteger(kSection, "OFFCUT_COLOR", defaults.OffcutColor);
  s.DrillDepth = ini.ReadString(kSection, "DRILL_DEPTH", defaults.DrillDepth);
  s.SafetyHeight = ini.ReadString(kSection, "SAFETY_HEIGTH", defaults.SafetyHeight);
  // Files written before the deep search existed keep the search they were made for.
  s.DeepOptimize = ReadFlag(ini, "DEEP_OPTIMIZE", "F");
  s.DeepSeconds = ini.ReadString(kSection, "DEEP_SECONDS", defaults.DeepSeconds);
  return s;
}

std::string WriteOptionsFile(const std::string& path, const TOptionSettings& s) {
  TIniFile ini(path);
  ini.WriteString(kSection, "BLADE_WIDTH", s.BladeWidth);
  WriteFlag(ini, "FAST_OPTIMIZE", s.FastOptimize);
  WriteFlag(ini, "COST_OPTIMIZE", s.CostOptimize);
  WriteFlag(ini, "GUILLOTINE", s.Guillotine);
  ini.WriteString(kSection, "MEASURE", s.Measure);
  ini.WriteString(kSection, "PRINTERFONTSIZE", s.PrinterFontSize);
  ini.WriteString(kSection, "LENGTH_EDGE", s.WidthEdge);
  ini.WriteString(kSection, "WIDTH_EDGE", s.LengthEdge);
  ini.WriteString(kSection, "SCRAP_LEN1", s.MinScrapLength);
  ini.WriteString(kSection, "SCRAP_LEN2", s.MinScrapWidth);
  ini.WriteInteger(kSection, "SHEET_COLOR", s.SheetColor);
  ini.WriteInteger(kSection, "PART_COLOR", s.PartColor);
  ini.WriteInteger(kSection, "EDGE_COLOR", s.EdgeColor);
  ini.WriteInteger(kSection, "OFFCUT_COLOR", s.OffcutColor);
  ini.WriteString(kSection, "DRILL_DEPTH", s.DrillDepth);
  ini.WriteString(kSection, "SAFETY_HEIGTH", s.SafetyHeight);
  WriteFlag(ini, "DEEP_OPTIMIZE", s.DeepOptimize);
  ini.WriteString(kSection, "DEEP_SECONDS", s.DeepSeconds);
  return ini.Save();
}

}  // namespace vexlin
