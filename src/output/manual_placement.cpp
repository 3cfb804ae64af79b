#include "output/manual_placement.h"

#include <cmath>
#include <string_view>

#include "model/packet.h"
#include "model/rounding.h"
#include "model/stock2d.h"

namespace vexlin {
namespace {

int32_t ToPixels(int64_t units, double scale) {
  return static_cast<int32_t>(RoundHalfEven(scale * static_cast<double>(units)));
}

int32_t ToUnits(int32_t pixels, double unitPerPixel) {
  return static_cast<int32_t>(RoundHalfEven(pixels * unitPerPixel));
}

double Squared(int64_t d) {
  return static_cast<double>(d) * static_cast<double>(d);
}

bool IsOffcutPiece(const T2DStock& piece) {
  const std::string_view prefix = LabelPrefix(piece.Label);
  return prefix == "OFFCUT_" || prefix == "ZEROOFFCUT_";
}

// A part can be dropped only while it is still a part of the layout, counted in one of its
// part types, and the view has a scale to turn pixels into lengths.
bool CanDrop(const TPacket& layout, const TManualDrag& drag, double unitPerPixel) {
  if (!std::isfinite(unitPerPixel) || unitPerPixel <= 0) return false;
  if (drag.PieceIndex < 0 || static_cast<size_t>(drag.PieceIndex) >= layout.Pieces.Size()) {
    return false;
  }
  const T2DStock& part = layout.Pieces[static_cast<size_t>(drag.PieceIndex)];
  return !IsOffcutLabel(part.Label) && part.Index >= 0 &&
         static_cast<size_t>(part.Index) < layout.TypeCounts.Size();
}

// Takes the picked part out of the layout with every offcut piece after it, and its count
// with it. Offcuts listed before the picked part stay, as only the walk down to it frees.
T2DStock TakeOutPicked(TPacket& layout, size_t picked) {
  for (size_t i = layout.Pieces.Size(); i-- > 0;) {
    if (i == picked) {
      T2DStock part = layout.Pieces[i];
      T2DStock& type = layout.TypeCounts[static_cast<size_t>(part.Index)];
      type.SetCount(type.Count - 1);
      layout.Pieces.Delete(i);
      return part;
    }
    if (IsOffcutPiece(layout.Pieces[i])) layout.Pieces.Delete(i);
  }
  return {};
}

// The best place so far; only a strictly nearer corner replaces it.
struct TNearestPlace {
  explicit TNearestPlace(double worst) : Best(worst) {}

  double Best;
  bool Found = false;
  TPoint Origin;

  void Offer(double d, TPoint origin) {
    if (d >= Best) return;
    Best = d;
    Found = true;
    Origin = origin;
  }
};

// The four corners of free rectangle f in their fixed order, each scored by the squared
// distance of the drop rectangle's matching corner.
void OfferCorners(const TRect& f, const T2DStock& part, const TRect& drop, TNearestPlace& place) {
  const int32_t right = f.Right - part.Length;
  const int32_t bottom = f.Bottom - part.Width;
  const int64_t dLeft = int64_t{drop.Left} - f.Left;
  const int64_t dTop = int64_t{drop.Top} - f.Top;
  const int64_t dRight = int64_t{drop.Right} - f.Right;
  const int64_t dBottom = int64_t{drop.Bottom} - f.Bottom;
  place.Offer(Squared(dLeft) + Squared(dTop), {f.Left, f.Top});
  place.Offer(Squared(dRight) + Squared(dTop), {right, f.Top});
  place.Offer(Squared(dLeft) + Squared(dBottom), {f.Left, bottom});
  place.Offer(Squared(dRight) + Squared(dBottom), {right, bottom});
}

TRect DropInUnits(const TRect& pixels, double unitPerPixel, int32_t bladeWidth) {
  return TRect{ToUnits(pixels.Left, unitPerPixel), ToUnits(pixels.Top, unitPerPixel),
               ToUnits(pixels.Right, unitPerPixel) + bladeWidth,
               ToUnits(pixels.Bottom, unitPerPixel) + bladeWidth};
}

}  // namespace

TRect PieceRectPixels(const T2DStock& piece, double scale) {
  return TRect{ToPixels(piece.Origin.X, scale), ToPixels(piece.Origin.Y, scale),
               ToPixels(int64_t{piece.Origin.X} + piece.NetLength(), scale),
               ToPixels(int64_t{piece.Origin.Y} + piece.NetWidth(), scale)};
}

int32_t PickPart(const TPacket& layout, int32_t x, int32_t y, double scale, TManualDrag& drag) {
  for (size_t i = 0; i < layout.Pieces.Size(); ++i) {
    const T2DStock& piece = layout.Pieces[i];
    if (IsOffcutLabel(piece.Label)) continue;
    if (!piece.HitTest(x, y, scale)) continue;
    drag.PieceIndex = static_cast<int32_t>(i);
    drag.PieceRect = PieceRectPixels(piece, scale);
    drag.GrabOffset = TPoint{x - drag.PieceRect.Left, y - drag.PieceRect.Top};
    drag.Turned = false;
    return drag.PieceIndex;
  }
  return -1;
}

bool MayTurn(const TPacket& layout, const TManualDrag& drag) {
  if (drag.PieceIndex < 0 || static_cast<size_t>(drag.PieceIndex) >= layout.Pieces.Size()) {
    return false;
  }
  const T2DStock& part = layout.Pieces[static_cast<size_t>(drag.PieceIndex)];
  // A loaded result may carry the flag on its part type only.
  const bool typeRotatable = part.Index < 0 ||
                             static_cast<size_t>(part.Index) >= layout.TypeCounts.Size() ||
                             layout.TypeCounts[static_cast<size_t>(part.Index)].Rotatable;
  return part.Rotatable && typeRotatable;
}

TRect DragRectAt(const TManualDrag& drag, int32_t x, int32_t y) {
  const int32_t w = drag.PieceRect.Length();
  const int32_t h = drag.PieceRect.Width();
  if (!drag.Turned) {
    const TPoint corner{x - drag.GrabOffset.X, y - drag.GrabOffset.Y};
    return TRect{corner.X, corner.Y, corner.X + w, corner.Y + h};
  }
  const TPoint corner{x - drag.GrabOffset.Y, y - drag.GrabOffset.X};
  return TRect{corner.X, corner.Y, corner.X + h, corner.Y + w};
}

std::string HoverDescription(const TPacket& layout, int32_t x, int32_t y, double scale,
                             bool showOffcuts) {
  for (const T2DStock& piece : layout.Pieces) {
    if (!IsShownPiece(piece, showOffcuts)) continue;
    if (piece.HitTestShape(x, y, scale)) return piece.DescribeText();
  }
  return {};
}

bool AutoFillInRect(TPacket& layout, const TManualDrag& drag, const TRect& dropPixels,
                    double unitPerPixel, int32_t bladeWidth) {
  if (!CanDrop(layout, drag, unitPerPixel)) return false;
  const bool turned = drag.Turned && MayTurn(layout, drag);
  const T2DStock picked = TakeOutPicked(layout, static_cast<size_t>(drag.PieceIndex));
  T2DStock part = picked;
  if (turned) part.Turn();
  TNearestPlace place(static_cast<double>(layout.Length) * layout.Length +
                      static_cast<double>(layout.Width) * layout.Width);
  layout.RebuildFreeSpace();
  const TRect drop = DropInUnits(dropPixels, unitPerPixel, bladeWidth);
  for (const TRect& f : layout.FreeRects) {
    if (f.Length() >= part.Length && f.Width() >= part.Width) OfferCorners(f, part, drop, place);
  }
  if (!place.Found) {
    layout.PlacePart(picked);
    return false;
  }
  part.Origin = place.Origin;
  layout.PlacePart(part);
  return true;
}

}  // namespace vexlin
