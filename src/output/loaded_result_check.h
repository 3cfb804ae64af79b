#pragma once

#include <cstddef>
#include <cstdint>
#include <string>

namespace vexlin {

class TPacket;
class TPanels;

// The checks a result read from a layouts file must pass before it replaces the shown one:
// every later command (report, drawing, exports, offcuts, Auto Rearrange, manual moves)
// relies on them. Each returns why the result cannot be used, as the reason part of
// "MSG_RESULT_FILE_DAMAGED", or an empty text.

// The part list and the sheet list: positive sizes, known shapes, sheet quantities.
std::string CheckLoadedLists(const TPanels& parts, const TPanels& sheets);

// Layout n as stored, before it joins the result: its sheet, its part counts (one per part
// type of the part list) and its pieces, which must lie on the sheet and name a part type.
// sheetsBefore is the number of sheets the layouts before it cut.
std::string CheckLoadedLayout(const TPacket& layout, size_t n, size_t partTypes,
                              int64_t sheetsBefore);

}  // namespace vexlin
