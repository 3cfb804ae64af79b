#include "model/free_rects.h"

#include <array>

namespace vexlin {
namespace {

// Contains without branches: the scans below test many pairs, and either answer is rare.
inline bool Within(const TRect& outer, const TRect& inner) {
  return (outer.Left <= inner.Left) & (outer.Top <= inner.Top) & (outer.Right >= inner.Right) &
         (outer.Bottom >= inner.Bottom);
}

// True when a listed rectangle contains rect, which is then not to be added; listed
// rectangles inside rect take its place on the way.
inline bool Covered(std::vector<TRect>& list, const TRect& rect) {
  // For rectangles that are not empty, "their overlap equals one of them" is containment;
  // an empty one overlaps nothing.
  if (rect.IsEmpty()) return false;
  for (TRect& listed : list) {
    if (Within(listed, rect)) return true;
    // A listed rectangle inside the new one takes its place; the new one is still
    // appended, and the repeat is dropped at the next cut.
    if (Within(rect, listed) && !listed.IsEmpty()) listed = rect;
  }
  return false;
}

}  // namespace

TFreeRects& TFreeRects::operator=(const TFreeRects& source) {
  rects_ = source.rects_;
  firstIsSheet_ = source.firstIsSheet_;
  return *this;
}

void TFreeRects::ClearAll() {
  rects_.clear();
  firstIsSheet_ = false;
}

void TFreeRects::ResetToSheet(const TRect& sheet) {
  rects_.assign(1, sheet);
  firstIsSheet_ = true;
}

void TFreeRects::Cut(const TRect& cut) {
  std::swap(scratch_, rects_);
  ClearAll();
  // Each rectangle leaves at most four strips, so no append below reallocates.
  rects_.reserve(4 * scratch_.size());
  for (const TRect& free : scratch_) {
    const TRect overlap = Intersection(free, cut);
    if (overlap.IsEmpty()) {
      if (!Covered(rects_, free)) rects_.push_back(free);
      continue;
    }
    // The largest rectangle of the free one on each side of the piece; they overlap.
    const std::array<TRect, 4> strips = {TRect{free.Left, free.Top, overlap.Left, free.Bottom},
                                         TRect{overlap.Right, free.Top, free.Right, free.Bottom},
                                         TRect{free.Left, free.Top, free.Right, overlap.Top},
                                         TRect{free.Left, overlap.Bottom, free.Right, free.Bottom}};
    for (const TRect& strip : strips) {
      if (!strip.IsEmpty() && !Covered(rects_, strip)) rects_.push_back(strip);
    }
  }
}

void TFreeRects::Add(const TRect& rect) {
  if (!Covered(rects_, rect)) rects_.push_back(rect);
}

T2DStock TFreeRects::Record(size_t i) const {
  T2DStock record;
  record.SetRect(rects_[i]);
  if (i == 0 && firstIsSheet_) {
    record.Count = 1;
    record.Index = 0;
  }
  return record;
}

}  // namespace vexlin
