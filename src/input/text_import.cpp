#include "input/text_import.h"

#include <cstdio>
#include <optional>
#include <string_view>

#include "model/text_encoding.h"
#include "model/text_table.h"

namespace vexlin {
namespace {

// C streams report a read error (a folder, a failing disk) without throwing.
std::optional<std::string> ReadBytes(const std::string& path) {
  std::FILE* file = std::fopen(path.c_str(), "rb");
  if (file == nullptr) return std::nullopt;
  std::string bytes;
  char buffer[65536];
  size_t count;
  while ((count = std::fread(buffer, 1, sizeof buffer, file)) > 0) bytes.append(buffer, count);
  const bool failed = std::ferror(file) != 0;
  std::fclose(file);
  if (failed) return std::nullopt;
  return bytes;
}

// Fields go to the columns in order; the last column takes the rest, tabs included.
TGridRow SplitLine(std::string_view line, size_t columns) {
  TGridRow row(columns);
  size_t column = 0;
  for (size_t tab = line.find('\t'); column + 1 < columns && tab != std::string_view::npos;
       tab = line.find('\t')) {
    row[column++] = line.substr(0, tab);
    line.remove_prefix(tab + 1);
  }
  row[column] = line;
  return row;
}

// Lines end with LF or CR LF; a last line needs no line end.
std::vector<std::string_view> SplitLines(std::string_view text) {
  std::vector<std::string_view> lines;
  while (!text.empty()) {
    const size_t end = text.find('\n');
    std::string_view line = text.substr(0, end);
    if (line.ends_with('\r')) line.remove_suffix(1);
    lines.push_back(line);
    text.remove_prefix(end == std::string_view::npos ? text.size() : end + 1);
  }
  return lines;
}

void EmptyRows(TGrid& grid, size_t columns) {
  for (TGridRow& row : grid) row.assign(columns, std::string());
}

}  // namespace

std::string ReadTxtFile(const std::string& path, TGridKind kind, TGrid& grid) {
  const size_t columns = GridColumns(kind);
  EmptyRows(grid, columns);
  const std::optional<std::string> bytes = ReadBytes(path);
  if (!bytes) return Texts().Text("MSG_CANT_READ_IMPORT_TXT_FILE");
  const std::string text = DecodeTextFile(*bytes);
  const std::vector<std::string_view> lines = SplitLines(text);
  grid.resize(GrownDataRows(grid.size(), lines.size()), TGridRow(columns));
  for (size_t r = 0; r < lines.size(); ++r) grid[r] = SplitLine(lines[r], columns);
  return {};
}

}  // namespace vexlin
