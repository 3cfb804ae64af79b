#include "model/ext_polyline.h"

#include <algorithm>
#include <cmath>
#include <cstdint>
#include <numbers>
#include <utility>

#include "model/rounding.h"
#include "model/text_table.h"

namespace vexlin {
namespace {

// Outlines beyond this size in thousandths cannot be handled by the later stages.
constexpr int64_t kCoordinateLimit = 999999999;

struct TVector {
  int64_t X = 0;
  int64_t Y = 0;
};

// The box being measured; 64 bits because an arc's extremes may leave the 32-bit range.
struct TBox {
  int64_t MinX = kCoordinateLimit;
  int64_t MinY = kCoordinateLimit;
  int64_t MaxX = -kCoordinateLimit;
  int64_t MaxY = -kCoordinateLimit;

  bool IsEmpty() const { return MinX > MaxX; }
  void Add(int64_t x, int64_t y) {
    MinX = std::min(MinX, x);
    MinY = std::min(MinY, y);
    MaxX = std::max(MaxX, x);
    MaxY = std::max(MaxY, y);
  }
};

TVector Relative(TPoint point, TPoint origin) {
  return TVector{int64_t{point.X} - origin.X, int64_t{point.Y} - origin.Y};
}

// Where a direction lies going round with increasing angle (from +X towards +Y): even
// values are the axis directions 0, pi/2, pi, 3 pi/2, odd values the quadrants between.
int AnglePosition(TVector v) {
  if (v.Y == 0) return v.X > 0 ? 0 : 4;
  if (v.X == 0) return v.Y > 0 ? 2 : 6;
  if (v.Y > 0) return v.X > 0 ? 1 : 3;
  return v.X < 0 ? 5 : 7;
}

uint64_t Magnitude(int64_t v) {
  return static_cast<uint64_t>(v < 0 ? -v : v);
}

// For two directions in the same open quadrant: 1, 0 or -1 as b lies ahead of, on or behind
// a. Differences of 32-bit coordinates multiply exactly in unsigned 64 bits.
int OrderInQuadrant(TVector a, TVector b) {
  const uint64_t ab = Magnitude(a.X) * Magnitude(b.Y);
  const uint64_t ba = Magnitude(a.Y) * Magnitude(b.X);
  if (ab == ba) return 0;
  const bool sameSigns = (a.X > 0) == (a.Y > 0);
  return (ab > ba) == sameSigns ? 1 : -1;
}

// The axis directions (bit k for the angle k pi/2) that an arc turning with increasing
// angle from direction a to direction b passes, its ends included. Equal directions make
// a full circle, as the drawing and the exports treat them.
unsigned SweptAxes(TVector a, TVector b) {
  constexpr unsigned kAllAxes = 0xF;
  if ((a.X == 0 && a.Y == 0) || (b.X == 0 && b.Y == 0)) return kAllAxes;
  const int from = AnglePosition(a);
  const int to = AnglePosition(b);
  if (from == to) return from % 2 == 0 || OrderInQuadrant(a, b) <= 0 ? kAllAxes : 0;
  unsigned axes = 0;
  for (int p = from;; p = (p + 1) % 8) {
    if (p % 2 == 0) axes |= 1u << (p / 2);
    if (p == to) return axes;
  }
}

// Adds the points of the arc's circle at the axis directions the arc passes.
void AddArcExtremes(TBox& box, const TPolySegment& from, const TPolySegment& to) {
  const TPoint c = to.Center;
  const double r = TExtPolyline::Distance(c, to.Point);
  TVector start = Relative(from.Point, c);
  TVector end = Relative(to.Point, c);
  // Y points down, so clockwise is the increasing angle; the other way is the same arc
  // walked from its end.
  if (!to.Clockwise) std::swap(start, end);
  const unsigned axes = SweptAxes(start, end);
  const int64_t x[4] = {RoundHalfEven(c.X + r), c.X, RoundHalfEven(c.X - r), c.X};
  const int64_t y[4] = {c.Y, RoundHalfEven(c.Y + r), c.Y, RoundHalfEven(c.Y - r)};
  for (int k = 0; k < 4; ++k) {
    if ((axes & (1u << k)) != 0) box.Add(x[k], y[k]);
  }
}

TBox MeasureLoops(const TExtPolyline& outline) {
  TBox box;
  outline.ForEachLoopEdge([&box](const TPolySegment& from, const TPolySegment& to) {
    box.Add(to.Point.X, to.Point.Y);
    if (to.IsArc) AddArcExtremes(box, from, to);
  });
  // An outline without vertices has an empty box at the origin.
  return box.IsEmpty() ? TBox{0, 0, 0, 0} : box;
}

bool WithinLimit(int64_t v) {
  return v >= -kCoordinateLimit && v <= kCoordinateLimit;
}

// Moves every record by (-dx, -dy), centres of arcs only; false when a coordinate of some
// record, centres of straight records included, ends up beyond the limit.
bool ShiftWithinLimit(std::vector<TPolySegment>& segments, int64_t dx, int64_t dy) {
  bool within = true;
  for (TPolySegment& s : segments) {
    const int64_t px = s.Point.X - dx;
    const int64_t py = s.Point.Y - dy;
    const int64_t cx = s.IsArc ? s.Center.X - dx : s.Center.X;
    const int64_t cy = s.IsArc ? s.Center.Y - dy : s.Center.Y;
    within = within && WithinLimit(px) && WithinLimit(py) && WithinLimit(cx) && WithinLimit(cy);
    s.Point = TPoint{static_cast<int32_t>(px), static_cast<int32_t>(py)};
    s.Center = TPoint{static_cast<int32_t>(cx), static_cast<int32_t>(cy)};
  }
  return within;
}

}  // namespace

int TExtPolyline::AddSegment(TPoint point, bool isArc, bool closesLoop, bool arcFlag,
                             bool clockwise, TPoint center) {
  Segments.push_back(TPolySegment{closesLoop, point, isArc, center, arcFlag, clockwise});
  return static_cast<int>(Segments.size()) - 1;
}

void TExtPolyline::HalfTurn() {
  for (TPolySegment& s : Segments) {
    s.Point = TPoint{ExtentX - s.Point.X, ExtentY - s.Point.Y};
    s.Center = TPoint{ExtentX - s.Center.X, ExtentY - s.Center.Y};
  }
}

void TExtPolyline::Transpose() {
  std::swap(ExtentX, ExtentY);
  for (TPolySegment& s : Segments) {
    std::swap(s.Point.X, s.Point.Y);
    std::swap(s.Center.X, s.Center.Y);
    s.Clockwise = !s.Clockwise;
  }
}

void TExtPolyline::Normalize(std::string& errorText) {
  errorText.clear();
  const TBox box = MeasureLoops(*this);
  const int64_t width = box.MaxX - box.MinX;
  const int64_t height = box.MaxY - box.MinY;
  ExtentX = static_cast<int32_t>(width);
  ExtentY = static_cast<int32_t>(height);
  const bool sizeFits = WithinLimit(width) && WithinLimit(height);
  if (!ShiftWithinLimit(Segments, box.MinX, box.MinY) || !sizeFits) {
    errorText = Texts().Text("MSG_DXF_ERROR_OUTSIDE");
    return;
  }
  // The file's Y axis points up: mirror every record, which also reverses every turn.
  for (TPolySegment& s : Segments) {
    s.Point.Y = ExtentY - s.Point.Y;
    s.Center.Y = ExtentY - s.Center.Y;
    s.Clockwise = !s.Clockwise;
  }
}

bool TExtPolyline::IsDegenerate() const {
  if (ExtentX <= 0 || ExtentY <= 0) return true;
  bool encloses = false;
  for (const TLoopRange& loop : Loops()) {
    int64_t twiceArea = 0;
    for (size_t i = loop.First; i < loop.Last; ++i) {
      const TPolySegment& from = Segments[i];
      const TPolySegment& to = Segments[i + 1 < loop.Last ? i + 1 : loop.First];
      twiceArea += int64_t{from.Point.X} * to.Point.Y - int64_t{to.Point.X} * from.Point.Y;
      if (to.IsArc && to.Center != to.Point) encloses = true;
    }
    if (twiceArea != 0) encloses = true;
  }
  return !encloses;
}

std::vector<TLoopRange> TExtPolyline::Loops() const {
  std::vector<TLoopRange> loops;
  size_t first = 0;
  for (size_t i = 0; i < Segments.size(); ++i) {
    if (!Segments[i].ClosesLoop) continue;
    if (i > first) loops.push_back(TLoopRange{first, i});
    first = i + 1;
  }
  return loops;
}

double TExtPolyline::DirectionAngle(TPoint center, TPoint point) {
  const double dx = static_cast<double>(center.X) - point.X;
  const double dy = static_cast<double>(center.Y) - point.Y;
  const double length = std::sqrt(dx * dx + dy * dy);
  if (length == 0) return 0;
  const double g = std::acos(dx / length);
  // g rounds to 0 for a direction just below +X; 2 pi would leave the range.
  return dy > 0 && g > 0 ? 2 * std::numbers::pi - g : g;
}

double TExtPolyline::Distance(TPoint a, TPoint b) {
  const double dx = static_cast<double>(a.X) - b.X;
  const double dy = static_cast<double>(a.Y) - b.Y;
  return std::sqrt(dx * dx + dy * dy);
}

}  // namespace vexlin
