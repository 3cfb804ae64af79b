#include "model/free_rects.h"

#include <array>

namespace vexlin {
namespace {

// Contains without branches: the scans below test many pairs, and either answer is rare.
inline bool Within(const TRect& outer, const TRect& inner) {
  return (outer.Left <= inner.Left) & (outer.Top <= inner.Top) & (outer.Right >= inner.Right) &
         (outer.Bottom >= inner.Bottom);
}

// Adds rect to the list [begin, end), which has room for one more, and returns its new end.
inline TRect* AddTo(TRect* begin, TRect* end, const TRect& rect) {
  // For rectangles that are not empty, "their overlap equals one of them" is containment;
  // an empty one overlaps nothing.
  if (!rect.IsEmpty()) {
    for (TRect* listed = begin; listed != end; ++listed) {
      if (Within(*listed, rect)) return end;
      // A listed rectangle inside the new one takes its place; the new one is still
      // appended below, and the repeat is dropped at the next cut.
      if (Within(rect, *listed) && !listed->IsEmpty()) *listed = rect;
    }
  }
  *end = rect;
  return end + 1;
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
  firstIsSheet_ = false;
  // Each rectangle leaves at most four strips; working in place of push_back lets the
  // containment scans inline.
  rects_.resize(4 * scratch_.size());
  TRect* const begin = rects_.data();
  TRect* end = begin;
  for (const TRect& free : scratch_) {
    const TRect overlap = Intersection(free, cut);
    if (overlap.IsEmpty()) {
      end = AddTo(begin, end, free);
      continue;
    }
    // The largest rectangle of the free one on each side of the piece; they overlap.
    const std::array<TRect, 4> strips = {TRect{free.Left, free.Top, overlap.Left, free.Bottom},
                                         TRect{overlap.Right, free.Top, free.Right, free.Bottom},
                                         TRect{free.Left, free.Top, free.Right, overlap.Top},
                                         TRect{free.Left, overlap.Bottom, free.Right, free.Bottom}};
    for (const TRect& strip : strips) {
      if (!strip.IsEmpty()) end = AddTo(begin, end, strip);
    }
  }
  rects_.resize(static_cast<size_t>(end - begin));
}

void TFreeRects::Add(const TRect& rect) {
  const size_t size = rects_.size();
  rects_.resize(size + 1);
  TRect* const begin = rects_.data();
  rects_.resize(static_cast<size_t>(AddTo(begin, begin + size, rect) - begin));
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
