#include "output/layouts_file.h"

#include <algorithm>
#include <array>
#include <cctype>
#include <optional>
#include <string_view>
#include <utility>
#include <vector>

#include "input/list_files.h"
#include "model/ini_file.h"
#include "model/pub_func.h"
#include "model/run_options.h"
#include "model/text_table.h"
#include "optimizer/vexlin.h"

namespace vexlin {
namespace {

constexpr std::string_view kOptions = "OPTION";
constexpr std::string_view kPrefix = "LYT";
// Files of older versions were read under this prefix.
constexpr std::string_view kOldPrefix = "OT";

std::string Prefixed(std::string_view prefix, std::string_view tail) {
  return std::string(prefix) + std::string(tail);
}

bool StartsWithNoCase(std::string_view text, std::string_view prefix) {
  return text.size() >= prefix.size() &&
         std::equal(prefix.begin(), prefix.end(), text.begin(), [](char a, char b) {
           return std::toupper(static_cast<unsigned char>(a)) ==
                  std::toupper(static_cast<unsigned char>(b));
         });
}

std::string_view ReadPrefix(const TIniFile& ini) {
  const std::vector<std::string> sections = ini.ReadSections();
  const bool current = std::any_of(sections.begin(), sections.end(), [](const std::string& s) {
    return StartsWithNoCase(s, kPrefix);
  });
  return current ? kPrefix : kOldPrefix;
}

// The flags and their keys, as the options file names them.
std::array<std::pair<const char*, const std::optional<bool>*>, 3> FlagKeys(
    const TLayoutFlags& flags) {
  return {{{"GUILLOTINE", &flags.Guillotine},
           {"COST_OPTIMIZE", &flags.CostOptimize},
           {"FAST_OPTIMIZE", &flags.FastOptimize}}};
}

std::optional<bool> ReadFlag(const TIniFile& ini, const char* key) {
  if (!ini.ValueExists(kOptions, key)) return std::nullopt;
  return ini.ReadString(kOptions, key, "") == "T";
}

void WriteSettings(TIniFile& ini, const TLayoutSettings& settings, const TLayoutFlags& flags) {
  const TPubFunc& pub = PubFunc();
  ini.WriteString(kOptions, "BLADE_WIDTH", pub.ScaledToText(settings.BladeWidth));
  ini.WriteString(kOptions, "MEASURE", settings.Unit);
  ini.WriteString(kOptions, "LENGTH_EDGE", pub.ScaledToText(settings.WidthEdge));
  ini.WriteString(kOptions, "WIDTH_EDGE", pub.ScaledToText(settings.LengthEdge));
  for (const auto& [key, flag] : FlagKeys(flags)) {
    if (flag->has_value()) ini.WriteString(kOptions, key, **flag ? "T" : "F");
  }
}

// Reads one length of "OPTION"; records the first value that is not a number.
int32_t ReadLength(const TIniFile& ini, std::string_view key, std::string& error) {
  const std::string text = ini.ReadString(kOptions, key, "0");
  const std::optional<int32_t> value = PubFunc().TextToScaled(text);
  if (!value && error.empty()) {
    error = "The value \"" + text + "\" of " + std::string(key) + " in " + ini.FileName() +
            " is not a number.";
  }
  return value.value_or(0);
}

TLayoutsLoad ReadSettings(const TIniFile& ini) {
  TLayoutsLoad load;
  TLayoutSettings& s = load.Settings;
  s.BladeWidth = ReadLength(ini, "BLADE_WIDTH", load.Error);
  s.Unit = ini.ReadString(kOptions, "MEASURE", "cm");
  s.WidthEdge = ReadLength(ini, "LENGTH_EDGE", load.Error);
  s.LengthEdge = ReadLength(ini, "WIDTH_EDGE", load.Error);
  load.Flags = TLayoutFlags{ReadFlag(ini, "GUILLOTINE"), ReadFlag(ini, "COST_OPTIMIZE"),
                            ReadFlag(ini, "FAST_OPTIMIZE")};
  if (!load.Error.empty()) load.Settings = TLayoutSettings();
  return load;
}

}  // namespace

std::string SaveLayoutsFile(const std::string& path, const TVexlin& engine,
                            const TLayoutSettings& settings, const TLayoutFlags& flags) {
  if (engine.BestResult.Empty()) return Texts().Text("MSG_LAYOUT_IS_EMPTY");
  TIniFile ini(path);
  EmptyIniFile(ini);
  WriteSettings(ini, settings, flags);
  engine.BestResult.SaveToIni(ini, kPrefix);
  engine.Parts.SaveToIni(ini, Prefixed(kPrefix, "P"));
  engine.Sheets.SaveToIni(ini, Prefixed(kPrefix, "S"));
  return ini.Save();
}

TLayoutsLoad LoadLayoutsFile(const std::string& path, TVexlin& engine) {
  const TIniFile ini(path);
  const std::string_view prefix = ReadPrefix(ini);
  engine.Clear();
  engine.BestResult.LoadFromIni(ini, prefix);
  engine.Parts.LoadFromIni(ini, Prefixed(prefix, "P"));
  engine.Sheets.LoadFromIni(ini, Prefixed(prefix, "S"));
  // The sheets left are not stored; the report needs them.
  engine.CountSheetsLeft();
  TLayoutsLoad load = ReadSettings(ini);
  if (load.Error.empty()) {
    BladeWidth = load.Settings.BladeWidth;
    UnitText = load.Settings.Unit;
  }
  return load;
}

TOptionValues LoadedOptionValues(const TLayoutsLoad& load, const TOptionValues& current) {
  TOptionValues values = current;
  values.BladeWidth = load.Settings.BladeWidth;
  values.Measure = load.Settings.Unit;
  values.LengthEdge = load.Settings.LengthEdge;
  values.WidthEdge = load.Settings.WidthEdge;
  values.Guillotine = load.Flags.Guillotine.value_or(current.Guillotine);
  values.CostOptimize = load.Flags.CostOptimize.value_or(current.CostOptimize);
  values.FastOptimize = load.Flags.FastOptimize.value_or(current.FastOptimize);
  return values;
}

}  // namespace vexlin
