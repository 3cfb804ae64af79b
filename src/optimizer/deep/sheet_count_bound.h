#pragma once

#include <cstdint>

namespace vexlin {

class TPanels;

// The fewest sheets of one size (length x width, blade width included like the parts')
// that can hold the parts: the larger of the area bound, the dual-feasible-function bounds
// (Fekete & Schepers, Carlier, Clautiaux & Moukrim, Martello & Toth) taken over both sides,
// and the count of parts too large to share a sheet. A part that fits in no orientation
// is left out; turnAll lets every part turn (the sheets lie both ways round).
int64_t SheetCountBound(const TPanels& parts, int32_t length, int32_t width, bool turnAll);

}  // namespace vexlin
