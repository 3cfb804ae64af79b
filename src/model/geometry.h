#pragma once

#include <cstdint>

namespace vexlin {

// A point in scaled units: X to the right, Y downwards.
struct TPoint {
  int32_t X = 0;
  int32_t Y = 0;

  friend bool operator==(const TPoint&, const TPoint&) = default;
};

// A half-open rectangle: Left <= x < Right, Top <= y < Bottom.
struct TRect {
  int32_t Left = 0;
  int32_t Top = 0;
  int32_t Right = 0;
  int32_t Bottom = 0;

  bool IsEmpty() const { return Right <= Left || Bottom <= Top; }
  // The sides as a record names them: Length along X, Width along Y.
  int32_t Length() const { return Right - Left; }
  int32_t Width() const { return Bottom - Top; }
  int64_t Area() const { return int64_t{Right - Left} * (Bottom - Top); }

  friend bool operator==(const TRect&, const TRect&) = default;
};

// The common part of two rectangles; empty (IsEmpty) when they do not overlap.
inline TRect Intersection(const TRect& a, const TRect& b) {
  return TRect{a.Left > b.Left ? a.Left : b.Left, a.Top > b.Top ? a.Top : b.Top,
               a.Right < b.Right ? a.Right : b.Right, a.Bottom < b.Bottom ? a.Bottom : b.Bottom};
}

inline bool Intersects(const TRect& a, const TRect& b) {
  return !Intersection(a, b).IsEmpty();
}

// True when inner lies within outer (edges may touch).
inline bool Contains(const TRect& outer, const TRect& inner) {
  return outer.Left <= inner.Left && outer.Top <= inner.Top && outer.Right >= inner.Right &&
         outer.Bottom >= inner.Bottom;
}

}  // namespace vexlin
