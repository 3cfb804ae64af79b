#include "input/list_files.h"

#include <algorithm>
#include <array>
#include <charconv>
#include <limits>
#include <optional>
#include <string_view>
#include <utility>
#include <vector>

#include "model/ini_file.h"
#include "model/text_table.h"

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

// A long list of what was not read helps no one; the first ones show what is wrong.
constexpr size_t kNamedAtMost = 20;

std::string_view RowWord(TGridKind kind) {
  return kind == TGridKind::Parts ? "PART" : "SHEET";
}

std::string SectionName(TGridKind kind, size_t ordinal) {
  return std::string(RowWord(kind)) + std::to_string(ordinal);
}

// INI names match regardless of ASCII letter case.
bool SameName(std::string_view a, std::string_view b) {
  return std::ranges::equal(a, b, [](char x, char y) {
    const auto lower = [](char c) { return c >= 'A' && c <= 'Z' ? static_cast<char>(c + 32) : c; };
    return lower(x) == lower(y);
  });
}

// The digits after the word, when the section is named word + digits.
std::optional<std::string_view> DigitsAfter(std::string_view section, std::string_view word) {
  if (section.size() <= word.size() || !SameName(section.substr(0, word.size()), word)) {
    return std::nullopt;
  }
  const std::string_view digits = section.substr(word.size());
  if (!std::ranges::all_of(digits, [](char c) { return c >= '0' && c <= '9'; })) {
    return std::nullopt;
  }
  return digits;
}

// The row number of a section of this list, as the writer numbers them: from 1, without
// leading zeros, within the grid for offcuts.
std::optional<size_t> RowOrdinal(std::string_view section, TGridKind kind) {
  const std::optional<std::string_view> digits = DigitsAfter(section, RowWord(kind));
  if (!digits || digits->front() == '0') return std::nullopt;
  size_t ordinal = 0;
  const auto [end, error] =
      std::from_chars(digits->data(), digits->data() + digits->size(), ordinal);
  const size_t limit =
      kind == TGridKind::Offcuts ? GridDataRows(kind) : std::numeric_limits<size_t>::max();
  if (error != std::errc() || ordinal > limit) return std::nullopt;
  return ordinal;
}

bool IsKnownKey(std::string_view key, TGridKind kind) {
  if (kind != TGridKind::Parts) {
    return std::ranges::any_of(kStockKeys,
                               [&](const TColumnKey& c) { return SameName(key, c.Key); });
  }
  return SameName(key, "ROTATE") || SameName(key, "SHAPE") ||
         std::ranges::any_of(kPartTextKeys,
                             [&](const TColumnKey& c) { return SameName(key, c.Key); });
}

std::string NamedList(const std::string& path, const std::vector<std::string>& names) {
  std::string text = Texts().Text("MSG_LIST_ENTRIES_NOT_READ") + "\n" + path;
  for (size_t i = 0; i < names.size() && i < kNamedAtMost; ++i) text += "\n" + names[i];
  if (names.size() > kNamedAtMost) text += "\n... +" + std::to_string(names.size() - kNamedAtMost);
  return text;
}

bool HoldsList(const TIniFile& ini, TGridKind kind) {
  return std::ranges::any_of(ini.ReadSections(), [&](const std::string& section) {
    return DigitsAfter(section, RowWord(kind)).has_value();
  });
}

// The sections that are rows of this list, in row order. The other sections, those without
// a key of the list, and the unknown keys of the rows are added to unread.
std::vector<std::string> RowSections(const TIniFile& ini, TGridKind kind,
                                     std::vector<std::string>& unread) {
  std::vector<std::pair<size_t, std::string>> rows;
  for (const std::string& section : ini.ReadSections()) {
    const std::optional<size_t> ordinal = RowOrdinal(section, kind);
    const std::vector<std::string> keys = ini.ReadSectionKeys(section);
    const auto known = [&](const std::string& key) { return IsKnownKey(key, kind); };
    if (!ordinal || std::ranges::none_of(keys, known)) {
      unread.push_back("[" + section + "]");
      continue;
    }
    rows.emplace_back(*ordinal, section);
    for (const std::string& key : keys) {
      if (!known(key)) unread.push_back("[" + section + "] " + key);
    }
  }
  std::ranges::sort(rows);
  std::vector<std::string> sections;
  for (auto& row : rows) sections.push_back(std::move(row.second));
  return sections;
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

TListFileRead ReadListFile(const std::string& path, TGridKind kind) {
  const TIniFile ini(path);
  TListFileRead read;
  if (!HoldsList(ini, kind)) {
    const bool empty = ini.SectionCount() == 0 && ini.UnreadLines().empty();
    if (!empty) read.Refusal = Texts().Text("MSG_NOT_A_LIST_FILE") + "\n" + path;
    return read;
  }
  std::vector<std::string> unread;
  for (const std::string& section : RowSections(ini, kind, unread)) {
    read.Rows.push_back(ReadRow(ini, section, kind));
  }
  for (const TIniLine& line : ini.UnreadLines()) {
    unread.push_back(std::to_string(line.Number) + ": " + line.Text);
  }
  if (!unread.empty()) read.Unread = NamedList(path, unread);
  return read;
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
