#include "input/list_files.h"

#include <array>
#include <string_view>

#include "model/ini_file.h"

namespace vexlin {
namespace {

struct TColumnKey {
  size_t Column;
  std::string_view Key;
};

// In the order the keys are written.
constexpr std::array<TColumnKey, 5> kStockKeys = {{{kStockLabel, "LABEL"},
                                                   {kStockLength, "LENGTH"},
                                                   {kStockWidth, "WIDTH"},
                                                   {kStockQty, "QTY"},
                                                   {kStockCost, "COST"}}};
constexpr std::array<TColumnKey, 4> kPartTextKeys = {
    {{kPartLabel, "LABEL"}, {kPartLength, "LENGTH"}, {kPartWidth, "WIDTH"}, {kPartQty, "QTY"}}};

std::string SectionName(TGridKind kind, size_t ordinal) {
  return (kind == TGridKind::Parts ? "PART" : "SHEET") + std::to_string(ordinal);
}

TGridRow ReadRow(const TIniFile& ini, const std::string& section, TGridKind kind) {
  TGridRow row(GridColumns(kind));
  if (kind != TGridKind::Parts) {
    for (const TColumnKey& c : kStockKeys) row[c.Column] = ini.ReadString(section, c.Key, "");
    return row;
  }
  for (const TColumnKey& c : kPartTextKeys) row[c.Column] = ini.ReadString(section, c.Key, "");
  row[kPartRotate] = RotationCode(ini.ReadString(section, "ROTATE", "R"));
  row[kPartShape] = ShapeCode(ini.ReadString(section, "SHAPE", "R"));
  return row;
}

void WriteRow(TIniFile& ini, const std::string& section, const TGridRow& row, TGridKind kind) {
  if (kind != TGridKind::Parts) {
    for (const TColumnKey& c : kStockKeys) ini.WriteString(section, c.Key, CellText(row, c.Column));
    return;
  }
  for (const TColumnKey& c : kPartTextKeys) {
    ini.WriteString(section, c.Key, CellText(row, c.Column));
  }
  ini.WriteString(section, "ROTATE", RotationCode(CellText(row, kPartRotate)));
  ini.WriteString(section, "SHAPE", ShapeCode(CellText(row, kPartShape)));
}

bool IsStoredRow(const TGridRow& row, TGridKind kind) {
  if (kind == TGridKind::Parts) {
    return AnyCellFilled(row, {kPartLabel, kPartLength, kPartWidth, kPartQty});
  }
  return AnyCellFilled(row, {kStockLabel, kStockLength, kStockWidth, kStockQty});
}

}  // namespace

TGrid ReadListFile(const std::string& path, TGridKind kind) {
  const TIniFile ini(path);
  TGrid rows;
  for (size_t n = 1; n <= GridDataRows(kind); ++n) {
    const std::string section = SectionName(kind, n);
    if (!ini.ReadSectionKeys(section).empty()) rows.push_back(ReadRow(ini, section, kind));
  }
  return rows;
}

std::string WriteListFile(const std::string& path, const TGrid& rows, TGridKind kind) {
  TIniFile ini(path);
  EmptyIniFile(ini);
  size_t ordinal = 0;
  for (const TGridRow& row : rows) {
    if (IsStoredRow(row, kind)) WriteRow(ini, SectionName(kind, ++ordinal), row, kind);
  }
  return ini.Save();
}

void EmptyIniFile(TIniFile& ini) {
  for (const std::string& section : ini.ReadSections()) ini.EraseSection(section);
}

}  // namespace vexlin
