#pragma once

#include <initializer_list>

#include "model/packet.h"

namespace vexlin {

// A sheet with pieces given as {x, y, length, width}, for the tests of cutting rules.
inline TPacket PieceLayout(int32_t length, int32_t width, std::initializer_list<TRect> pieces) {
  TPacket sheet;
  sheet.SetLength(length).SetWidth(width);
  for (const TRect& p : pieces) {
    T2DStock piece;
    piece.SetOrigin({p.Left, p.Top}).SetLength(p.Right).SetWidth(p.Bottom);
    sheet.Pieces.AddCopy(piece);
  }
  return sheet;
}

}  // namespace vexlin
