#pragma once

#include <string>

#include "input/grid_rows.h"

namespace vexlin {

// Replaces the cells of an input grid with the lines of a tab-separated text file, as
// spreadsheet programs export them: line n fills data row n - 1, fields fill the columns
// in order and the last column takes the rest of the line, tabs included. Every existing
// row is emptied first and the row count is kept; the grid grows by 10 rows whenever a
// line finds no row left. Nothing is validated.
// Returns an empty text, or "MSG_CANT_READ_IMPORT_TXT_FILE" when the file cannot be read
// (the grid is emptied all the same).
std::string ReadTxtFile(const std::string& path, TGridKind kind, TGrid& grid);

}  // namespace vexlin
