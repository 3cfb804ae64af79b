#pragma once

#include <string>

#include "input/grid_rows.h"

namespace vexlin {

class TIniFile;

// Sheet (".sht"), offcut (".ofc") and part (".prt") files: one section per grid row,
// "SHEET1", "SHEET2", ... ("PART1", ... for parts), holding the cell texts as typed.

// A list file as read. Refusal is set when the file holds no section of this list ("SHEET"
// or "PART" and a number): it is no such list, and loading it would only empty the grid.
// Unread names, in a message, what no row took: sections that are not rows of this list
// or that hold no known key, unknown keys, and lines the INI reader could not take.
struct TListFileRead {
  TGrid Rows;
  std::string Refusal;
  std::string Unread;
};

// The rows of the file in section-number order, gaps closed up. Offcut files fill at most
// the offcut grid's rows; sheet and part files give every row, for the grid to grow. A
// missing key reads as an empty cell; missing part codes read as "R", and codes are
// normalised. A missing or empty file gives no rows and is not refused.
TListFileRead ReadListFile(const std::string& path, TGridKind kind);

// Replaces the file's contents by the rows that have a label, length, width or quantity,
// numbered afresh from 1, part codes normalised. Nothing is checked. Returns an empty
// text, or what went wrong when the file could not be written.
std::string WriteListFile(const std::string& path, const TGrid& rows, TGridKind kind);

// Erases every section, as every writer of a whole list does before writing.
void EmptyIniFile(TIniFile& ini);

}  // namespace vexlin
