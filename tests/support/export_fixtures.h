#pragma once

#include <cstdint>
#include <string_view>

#include "model/packet.h"
#include "model/stock2d.h"
#include "optimizer/schemes.h"

namespace vexlin {

// A placed piece of the given shape.
inline T2DStock Piece(const char* label, int32_t x, int32_t y, int32_t length, int32_t width,
                      uint8_t shape) {
  T2DStock piece;
  piece.SetLabel(label).SetLength(length).SetWidth(width).SetShape(shape);
  piece.SetOrigin(TPoint{x, y});
  return piece;
}

// A result of one layout of usable size 2420 x 1200 (a 2440 x 1220 sheet with edges of 10),
// held with the blade width added as the optimizer holds it.
inline TSchemes OneSheet(std::string_view label, int32_t blade) {
  TPacket layout;
  layout.SetLabel(label).SetLength(2420000 + blade).SetWidth(1200000 + blade).SetCount(1);
  TSchemes result;
  result.Items.push_back(layout);
  return result;
}

}  // namespace vexlin
