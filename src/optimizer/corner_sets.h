#pragma once

#include <cstdint>
#include <span>

#include "model/packet.h"
#include "model/panels.h"

namespace vexlin {

class TSchemes;
class TSeeds;

// One sheet filling: the corner preference and whether seeds are skipped at random.
struct TCornerCall {
  int Corner;
  bool Random;
};

// A sheet of one stock type, ready to be filled: one sheet, at the origin, with a zero
// count per part type.
TPacket MakeSheetPacket(const T2DStock& sheet, const TPanels& parts);

// Fills the sheet once per corner call, all into the same target list.
void FillWithCorners(TSeeds& seeds, const TPanels& available, const TPacket& sheet, int32_t level,
                     std::span<const TCornerCall> calls, TSchemes& target);

// The usual set of fillings: two in fast mode, eight otherwise.
void FillStandardCorners(TSeeds& seeds, const TPanels& available, const TPacket& sheet,
                         int32_t level, TSchemes& target);

// A lighter set for the repeated passes over every sheet type: three in fast mode, eight
// otherwise.
void FillShortCorners(TSeeds& seeds, const TPanels& available, const TPacket& sheet, int32_t level,
                      TSchemes& target);

}  // namespace vexlin
