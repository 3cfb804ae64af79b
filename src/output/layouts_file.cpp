#include "output/layouts_file.h"

#include <algorithm>
#include <array>
#include <cctype>
#include <charconv>
#include <cmath>
#include <filesystem>
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
#include "output/deep_summary_text.h"
#include "output/loaded_result_check.h"
#include "output/result_profiles.h"

namespace vexlin {
namespace {

constexpr std::string_view kOptions = "OPTION";
constexpr std::string_view kPrefix = "LYT";
// Files of older versions were read under this prefix.
constexpr std::string_view kOldPrefix = "OT";
// What the deep search proved of the result; older files and readers know nothing of it.
constexpr std::string_view kDeep = "DEEP";

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
  if (flags.DeepOptimize) ini.WriteString(kOptions, "DEEP_OPTIMIZE", "T");
}

// Reads one length of "OPTION"; records the first value that is not a length of 0 or more.
int32_t ReadLength(const TIniFile& ini, std::string_view key, std::string& error) {
  const std::string text = ini.ReadString(kOptions, key, "0");
  const std::optional<int32_t> value = PubFunc().TextToScaled(text);
  if ((!value || *value < 0) && error.empty()) {
    error = FilledText("MSG_RESULT_SETTING_INVALID", {text, key});
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
  load.Flags =
      TLayoutFlags{ReadFlag(ini, "GUILLOTINE"), ReadFlag(ini, "COST_OPTIMIZE"),
                   ReadFlag(ini, "FAST_OPTIMIZE"), ReadFlag(ini, "DEEP_OPTIMIZE").value_or(false)};
  if (!load.Error.empty()) load.Settings = TLayoutSettings();
  return load;
}

// The shortest text that reads back as the same value.
std::string NumberText(double value) {
  char digits[64];
  const std::to_chars_result end = std::to_chars(digits, digits + sizeof digits, value);
  return std::string(digits, end.ptr);
}

void WriteDeepSummary(TIniFile& ini, const TDeepSummary& deep) {
  if (!deep.Ran) return;
  ini.WriteString(kDeep, "END", DeepEndWord(deep.End));
  ini.WriteString(kDeep, "MEASURE", DeepMeasureWord(deep.Measure));
  ini.WriteString(kDeep, "LOWER_BOUND", NumberText(deep.LowerBound));
  ini.WriteString(kDeep, "ACHIEVED", NumberText(deep.Achieved));
}

std::optional<double> ReadAmount(std::string_view text) {
  double value = 0.0;
  const std::from_chars_result end = std::from_chars(text.data(), text.data() + text.size(), value);
  if (end.ec != std::errc{} || end.ptr != text.data() + text.size()) return std::nullopt;
  if (!std::isfinite(value) || value < 0.0) return std::nullopt;
  return value;
}

// A file without the section holds a result of the normal search: Ran stays false.
std::string ReadDeepSummary(const TIniFile& ini, TDeepSummary& deep) {
  deep = {};
  if (!ini.SectionExists(kDeep)) return {};
  const auto damaged = [&ini](std::string_view key) {
    return FilledText("MSG_RESULT_SUMMARY_INVALID", {ini.ReadString(kDeep, key, ""),
                                                     std::string(kDeep) + " " + std::string(key)});
  };
  const std::optional<TDeepEnd> end = DeepEndOfWord(ini.ReadString(kDeep, "END", ""));
  if (!end) return damaged("END");
  const std::optional<TDeepMeasure> measure =
      DeepMeasureOfWord(ini.ReadString(kDeep, "MEASURE", ""));
  if (!measure) return damaged("MEASURE");
  const std::optional<double> bound = ReadAmount(ini.ReadString(kDeep, "LOWER_BOUND", ""));
  if (!bound) return damaged("LOWER_BOUND");
  const std::optional<double> achieved = ReadAmount(ini.ReadString(kDeep, "ACHIEVED", ""));
  if (!achieved) return damaged("ACHIEVED");
  deep = {true, *end, *measure, *bound, *achieved};
  return {};
}

// The lists first, so that every layout can be checked against the part list as it is read.
// A file that is there but holds neither settings nor layouts is no layouts file at all.
std::string ReadResult(const TIniFile& ini, std::string_view prefix, TVexlin& read) {
  if (std::filesystem::exists(ini.FileName()) && !ini.SectionExists(kOptions) &&
      !ini.SectionExists(Prefixed(prefix, "SC"))) {
    return Texts().Text("MSG_RESULT_NOT_A_RESULT");
  }
  read.Parts.LoadFromIni(ini, Prefixed(prefix, "P"));
  read.Sheets.LoadFromIni(ini, Prefixed(prefix, "S"));
  if (std::string error = CheckLoadedLists(read.Parts, read.Sheets); !error.empty()) return error;
  const std::string head = Prefixed(prefix, "SC");
  const int32_t count = ini.ReadCount(head, "CN");
  int64_t sheetsCut = 0;
  for (int32_t n = 0; n < count; ++n) {
    const std::string layoutHead = head + std::to_string(n);
    if (!ini.SectionExists(layoutHead + "PKPN")) {
      return FilledText("MSG_RESULT_LAYOUT_MISSING", {std::to_string(n + 1)});
    }
    TPacket layout;
    layout.LoadFromIni(ini, layoutHead);
    std::string error =
        CheckLoadedLayout(layout, static_cast<size_t>(n), read.Parts.Size(), sheetsCut);
    if (!error.empty()) return error;
    sheetsCut += layout.Count;
    read.BestResult.AddUsage(layout);
  }
  return ReadDeepSummary(ini, read.Deep);
}

void AddLabelOnce(std::vector<std::string>& labels, const std::string& label) {
  if (std::find(labels.begin(), labels.end(), label) == labels.end()) labels.push_back(label);
}

// Every profile named by a part type or a piece that the shapes do not hold.
std::vector<std::string> MissingProfiles(const TVexlin& read, const TTrapeziumList& shapes) {
  std::vector<std::string> missing;
  const auto note = [&](const T2DStock& record) {
    if (record.Shape == kShapeProfile && shapes.FindByName(record.Label) == nullptr) {
      AddLabelOnce(missing, record.Label);
    }
  };
  for (const T2DStock& part : read.Parts) note(part);
  for (const TPacket& layout : read.BestResult.Items) {
    for (const T2DStock& piece : layout.Pieces) note(piece);
  }
  return missing;
}

// The result read takes the place of the engine's; the search lists start empty.
void TakeResult(TVexlin& engine, TVexlin& read) {
  engine.Clear();
  engine.BestResult = std::move(read.BestResult);
  engine.Parts = std::move(read.Parts);
  engine.Sheets = std::move(read.Sheets);
  engine.Deep = read.Deep;
  // The sheets left are not stored; the report needs them.
  engine.CountSheetsLeft();
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
  WriteDeepSummary(ini, engine.Deep);
  SaveResultProfiles(ini, Prefixed(kPrefix, "STR"), engine.Parts, ProfileShapes());
  return ini.Save();
}

TLayoutsLoad LoadLayoutsFile(const std::string& path, TVexlin& engine,
                             const TTrapeziumList& currentShapes) {
  const TIniFile ini(path);
  const std::string_view prefix = ReadPrefix(ini);
  TLayoutsLoad load = ReadSettings(ini);
  TVexlin read;
  if (load.Error.empty()) load.Error = ReadResult(ini, prefix, read);
  if (!load.Error.empty()) {
    load.Error = FilledText("MSG_RESULT_FILE_DAMAGED", {path, load.Error});
    load.Settings = TLayoutSettings();
    return load;
  }
  TTrapeziumList shapes = currentShapes;
  ReadResultProfiles(ini, Prefixed(prefix, "STR"), shapes);
  for (const std::string& label : MissingProfiles(read, shapes)) {
    load.Warnings.push_back(FilledText("MSG_RESULT_PROFILE_MISSING", {label, path}));
  }
  TakeResult(engine, read);
  ProfileShapes() = std::move(shapes);
  BladeWidth = load.Settings.BladeWidth;
  UnitText = load.Settings.Unit;
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
  values.DeepOptimize = load.Flags.DeepOptimize;
  return values;
}

}  // namespace vexlin
