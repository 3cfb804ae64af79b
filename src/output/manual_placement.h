#pragma once

#include <cstdint>
#include <string>

#include "model/geometry.h"

namespace vexlin {

class T2DStock;
class TPacket;

// A part picked by hand from the shown layout and dragged as a rectangle in view pixels
// (the usable area's corner at (0, 0), scale in pixels per unit).
struct TManualDrag {
  int32_t PieceIndex = -1;  // in the layout's pieces
  TRect PieceRect;          // the picked part's net outline in pixels
  TPoint GrabOffset;        // the pointer less the outline's top-left corner at the pick
  bool Turned = false;
};

// The drag rectangle before the pointer first moves: nothing to draw.
constexpr TRect kNoDragRect{-1, -1, -1, -1};

// The piece's net outline in pixels.
TRect PieceRectPixels(const T2DStock& piece, double scale);

// The first part (never an offcut, nor anything labelled like one) hit at (x, y); -1 when
// none. Fills drag for that part, unturned.
int32_t PickPart(const TPacket& layout, int32_t x, int32_t y, double scale, TManualDrag& drag);

// Whether the dragged part may be turned: a part whose Rotate is N never is, by hand no
// more than by the optimizer.
bool MayTurn(const TPacket& layout, const TManualDrag& drag);

// Where the dragged outline is drawn with the pointer at (x, y); a turned part swaps sides
// and the grab offsets with them, so the pointer keeps its hold of the same corner.
TRect DragRectAt(const TManualDrag& drag, int32_t x, int32_t y);

// The description of the first piece shown at (x, y), empty when none: slivers are never
// shown, kept offcuts only when showOffcuts is set.
std::string HoverDescription(const TPacket& layout, int32_t x, int32_t y, double scale,
                             bool showOffcuts);

// Drops the dragged part at the corner of a free rectangle nearest to the drop rectangle
// (pixels); the layout's offcut pieces are dropped as well, to be made anew. When no free
// rectangle holds the part it goes back to its old place as picked. A turn the part may
// not take is left out. True when it moved.
// Nothing changes when the picked piece is no longer a counted part of the layout or the
// view has no scale.
bool AutoFillInRect(TPacket& layout, const TManualDrag& drag, const TRect& dropPixels,
                    double unitPerPixel, int32_t bladeWidth);

}  // namespace vexlin
