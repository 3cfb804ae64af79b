#pragma once

#include <cstddef>
#include <cstdint>
#include <string>
#include <vector>

#include "model/geometry.h"

namespace vexlin {

// One record of an outline: a vertex, or the end of a loop.
struct TPolySegment {
  // Ends the loop of the records before it; its own Point is not a vertex.
  bool ClosesLoop = false;
  TPoint Point;
  // The segment arriving at this vertex is a circular arc around Center.
  bool IsArc = false;
  TPoint Center;
  // The arriving arc spans more than a half circle.
  bool ArcFlag = false;
  // The arriving arc runs clockwise as seen with Y pointing down.
  bool Clockwise = false;

  friend bool operator==(const TPolySegment&, const TPolySegment&) = default;
};

// The vertices of one loop: records First .. Last - 1; record Last ends the loop.
struct TLoopRange {
  size_t First = 0;
  size_t Last = 0;
};

// The exact outline of a profile: closed loops of lines and arcs in scaled units, Y down,
// with its bounding box starting at (0, 0).
class TExtPolyline {
 public:
  std::vector<TPolySegment> Segments;
  int32_t ExtentX = 0;
  int32_t ExtentY = 0;

  TExtPolyline() { Segments.reserve(10); }

  int AddSegment(TPoint point, bool isArc, bool closesLoop, bool arcFlag, bool clockwise,
                 TPoint center);
  void Assign(const TExtPolyline& source) { *this = source; }
  void ClearSegments() { Segments.clear(); }
  void SetExtentX(int32_t n) { ExtentX = n; }
  void SetExtentY(int32_t n) { ExtentY = n; }

  // A half turn inside the box.
  void HalfTurn();
  // A mirror about the main diagonal: x and y exchanged, extents exchanged.
  void Transpose();
  // Measures the outline (arcs included), moves its box to the origin and turns the file's
  // Y-up axes into Y-down ones. errorText is empty on success.
  void Normalize(std::string& errorText);

  // True when the outline has no length, no height, or no loop that encloses any area (all
  // its vertices on one line and no arc): no part can be cut to it.
  bool IsDegenerate() const;

  // The loops that hold at least one vertex, in record order.
  std::vector<TLoopRange> Loops() const;
  // Calls edge(from, to) for every edge of every loop: vertex i to i + 1, and the last
  // vertex back to the first. The edge is an arc when to.IsArc.
  template <typename F>
  void ForEachLoopEdge(F&& edge) const {
    for (const TLoopRange& loop : Loops()) {
      for (size_t i = loop.First; i < loop.Last; ++i) {
        edge(Segments[i], Segments[i + 1 < loop.Last ? i + 1 : loop.First]);
      }
    }
  }

  // The direction from point to center as an angle in [0, 2 pi), measured from +X
  // towards -Y.
  static double DirectionAngle(TPoint center, TPoint point);
  static double Distance(TPoint a, TPoint b);

  friend bool operator==(const TExtPolyline&, const TExtPolyline&) = default;
};

}  // namespace vexlin
