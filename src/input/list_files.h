#pragma once

#include <string>

#include "input/grid_rows.h"

namespace vexlin {

class TIniFile;

// Sheet (".sht"), offcut (".ofc") and part (".prt") files: one section per grid row,
// "SHEET1", "SHEET2", ... ("PART1", ... for parts), holding the cell texts as typed.

// The rows of the file in section-number order, gaps closed up. Only sections 1 to the
// grid's row count are looked at, and only those holding a key. A missing key reads as
// an empty cell; missing part codes read as "R", and codes are normalised. A missing or
// unreadable file gives no rows.
TGrid ReadListFile(const std::string& path, TGridKind kind);

// Replaces the file's contents by the rows that have a label, length, width or quantity,
// numbered afresh from 1, part codes normalised. Nothing is checked. Returns an empty
// text, or what went wrong when the file could not be written.
std::string WriteListFile(const std::string& path, const TGrid& rows, TGridKind kind);

// Erases every section, as every writer of a whole list does before writing.
void EmptyIniFile(TIniFile& ini);

}  // namespace vexlin
