#pragma once

#include <string>
#include <vector>

namespace vexlin {

struct TDxfImport;
struct TProfileLists;

// Profile files (".apt"): "CN" in section "STR" counts the entries; entry i has its shape
// type, parameter texts and DXF flag in "STR<i>TZ" and its label ("L") and quantity ("Q")
// in "STR<i>". A DXF profile stores the DXF file's path as its shape type.

// Replaces both lists by the file's profiles. Every entry that cannot be added is skipped
// with its message; the messages are returned in entry order. The imported DXF outline is
// emptied and no longer selected afterwards.
std::vector<std::string> ReadAnyShapeFile(TProfileLists& lists, TDxfImport& dxf,
                                          const std::string& path);

// Returns an empty text, or what went wrong when the file could not be written.
std::string SaveAnyShapeFile(const TProfileLists& lists, const std::string& path);

}  // namespace vexlin
