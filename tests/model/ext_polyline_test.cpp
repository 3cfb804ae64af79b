#include "model/ext_polyline.h"

#include <gtest/gtest.h>

#include <cmath>
#include <numbers>
#include <string>
#include <utility>
#include <vector>

#include "model/text_table.h"

namespace vexlin {
namespace {

constexpr double kPi = std::numbers::pi;

void AddLine(TExtPolyline& outline, TPoint point) {
  outline.AddSegment(point, false, false, false, false, TPoint{});
}
void AddArc(TExtPolyline& outline, TPoint point, TPoint center, bool clockwise,
            bool large = false) {
  outline.AddSegment(point, true, false, large, clockwise, center);
}
void CloseLoop(TExtPolyline& outline, TPoint point = TPoint{}) {
  outline.AddSegment(point, false, true, false, false, TPoint{});
}

// A straight vertex at `from`, then an arc around `center` arriving at `to`, closed by the
// chord back to `from`.
TExtPolyline ArcWithChord(TPoint from, TPoint to, TPoint center, bool clockwise,
                          bool large = false) {
  TExtPolyline outline;
  AddLine(outline, from);
  AddArc(outline, to, center, clockwise, large);
  CloseLoop(outline);
  return outline;
}

std::pair<int32_t, int32_t> NormalizedExtents(TExtPolyline outline) {
  std::string error;
  outline.Normalize(error);
  EXPECT_EQ(error, "");
  return {outline.ExtentX, outline.ExtentY};
}

TEST(ExtPolylineTest, AddSegmentStoresFieldsAndReturnsIndex) {
  TExtPolyline outline;
  EXPECT_EQ(outline.AddSegment({1, 2}, false, false, false, false, {}), 0);
  EXPECT_EQ(outline.AddSegment({3, 4}, true, true, true, true, {5, 6}), 1);
  const TPolySegment expected{true, {3, 4}, true, {5, 6}, true, true};
  EXPECT_EQ(outline.Segments[1], expected);
}

TEST(ExtPolylineTest, HalfTurnAndTransposeMoveEveryRecord) {
  TExtPolyline outline;
  outline.SetExtentX(300);
  outline.SetExtentY(200);
  AddLine(outline, {0, 0});
  AddArc(outline, {300, 50}, {250, 50}, true);
  CloseLoop(outline, {7, 9});

  TExtPolyline turned = outline;
  turned.HalfTurn();
  EXPECT_EQ(turned.Segments[0].Point, (TPoint{300, 200}));
  EXPECT_EQ(turned.Segments[1].Center, (TPoint{50, 150}));
  EXPECT_EQ(turned.Segments[2].Point, (TPoint{293, 191}));
  EXPECT_TRUE(turned.Segments[1].Clockwise);
  turned.HalfTurn();
  EXPECT_EQ(turned, outline);

  TExtPolyline mirrored = outline;
  mirrored.Transpose();
  EXPECT_EQ(mirrored.ExtentX, 200);
  EXPECT_EQ(mirrored.ExtentY, 300);
  EXPECT_EQ(mirrored.Segments[1].Point, (TPoint{50, 300}));
  EXPECT_EQ(mirrored.Segments[1].Center, (TPoint{50, 250}));
  EXPECT_FALSE(mirrored.Segments[1].Clockwise);
  mirrored.Transpose();
  EXPECT_EQ(mirrored, outline);
}

TEST(ExtPolylineTest, LoopsSkipEmptyAndTrailingRecords) {
  TExtPolyline outline;
  AddLine(outline, {0, 0});
  AddLine(outline, {1, 0});
  CloseLoop(outline);
  CloseLoop(outline);
  AddLine(outline, {5, 5});
  AddLine(outline, {6, 5});
  AddLine(outline, {6, 6});
  CloseLoop(outline);
  AddLine(outline, {99, 99});

  const std::vector<TLoopRange> loops = outline.Loops();
  ASSERT_EQ(loops.size(), 2u);
  EXPECT_EQ(loops[0].First, 0u);
  EXPECT_EQ(loops[0].Last, 2u);
  EXPECT_EQ(loops[1].First, 4u);
  EXPECT_EQ(loops[1].Last, 7u);

  std::vector<std::pair<TPoint, TPoint>> edges;
  outline.ForEachLoopEdge([&edges](const TPolySegment& from, const TPolySegment& to) {
    edges.emplace_back(from.Point, to.Point);
  });
  const std::vector<std::pair<TPoint, TPoint>> expected = {
      {{0, 0}, {1, 0}}, {{1, 0}, {0, 0}}, {{5, 5}, {6, 5}}, {{6, 5}, {6, 6}}, {{6, 6}, {5, 5}}};
  EXPECT_EQ(edges, expected);
}

TEST(ExtPolylineTest, NormalizeSquareShiftsFlipsAndInvertsTurns) {
  TExtPolyline outline;
  AddLine(outline, {10, 20});
  AddLine(outline, {110, 20});
  AddLine(outline, {110, 120});
  AddLine(outline, {10, 120});
  // Neither the loop end nor a record after it is a vertex: both lie far outside.
  CloseLoop(outline, {5000, -7000});
  AddLine(outline, {-3000, 9000});

  std::string error = "stale";
  outline.Normalize(error);
  EXPECT_EQ(error, "");
  EXPECT_EQ(outline.ExtentX, 100);
  EXPECT_EQ(outline.ExtentY, 100);
  const std::vector<TPoint> expected = {{0, 100}, {100, 100},   {100, 0},
                                        {0, 0},   {4990, 7120}, {-3010, -8880}};
  for (size_t i = 0; i < expected.size(); ++i) {
    EXPECT_EQ(outline.Segments[i].Point, expected[i]) << "record " << i;
    EXPECT_TRUE(outline.Segments[i].Clockwise) << "record " << i;
  }
}

TEST(ExtPolylineTest, NormalizePutsTheHighestVertexOnTop) {
  TExtPolyline outline;
  AddLine(outline, {-40, -30});
  AddLine(outline, {60, -30});
  AddLine(outline, {20, 170});
  CloseLoop(outline);
  std::string error;
  outline.Normalize(error);
  EXPECT_EQ(outline.ExtentX, 100);
  EXPECT_EQ(outline.ExtentY, 200);
  EXPECT_EQ(outline.Segments[0].Point, (TPoint{0, 200}));
  EXPECT_EQ(outline.Segments[1].Point, (TPoint{100, 200}));
  EXPECT_EQ(outline.Segments[2].Point, (TPoint{60, 0}));
}

TEST(ExtPolylineTest, NormalizeMeasuresTheArcsTrueBox) {
  // Half circle below the chord (clockwise means increasing angle with Y down).
  TExtPolyline half = ArcWithChord({0, 0}, {10000, 0}, {5000, 0}, true, true);
  std::string error;
  half.Normalize(error);
  EXPECT_EQ(half.ExtentX, 10000);
  EXPECT_EQ(half.ExtentY, 5000);
  EXPECT_EQ(half.Segments[0].Point, (TPoint{0, 0}));
  EXPECT_EQ(half.Segments[1].Center, (TPoint{5000, 0}));
  EXPECT_EQ(NormalizedExtents(ArcWithChord({0, 0}, {10000, 0}, {5000, 0}, false, true)),
            std::make_pair(10000, 5000));

  // Short arcs inside one quadrant add no circle point; the long way round adds all four.
  EXPECT_EQ(NormalizedExtents(ArcWithChord({800, 600}, {600, 800}, {0, 0}, true)),
            std::make_pair(200, 200));
  EXPECT_EQ(NormalizedExtents(ArcWithChord({800, 600}, {600, 800}, {0, 0}, false, true)),
            std::make_pair(2000, 2000));
  EXPECT_EQ(NormalizedExtents(ArcWithChord({-600, 800}, {-800, 600}, {0, 0}, true)),
            std::make_pair(200, 200));

  // Crossing one axis direction adds exactly that point of the circle.
  EXPECT_EQ(NormalizedExtents(ArcWithChord({600, 800}, {-1000, 0}, {0, 0}, true)),
            std::make_pair(1600, 1000));
  EXPECT_EQ(NormalizedExtents(ArcWithChord({800, -600}, {800, 600}, {0, 0}, true)),
            std::make_pair(200, 1200));
  EXPECT_EQ(NormalizedExtents(ArcWithChord({800, -600}, {800, 600}, {0, 0}, false, true)),
            std::make_pair(1800, 2000));
  // Three quarters from angle 0 to 3 pi/2, or the quarter between them.
  EXPECT_EQ(NormalizedExtents(ArcWithChord({1000, 0}, {0, -1000}, {0, 0}, true, true)),
            std::make_pair(2000, 2000));
  EXPECT_EQ(NormalizedExtents(ArcWithChord({1000, 0}, {0, -1000}, {0, 0}, false)),
            std::make_pair(1000, 1000));
}

TEST(ExtPolylineTest, NormalizeFullCircleFromOneVertex) {
  TExtPolyline circle;
  AddArc(circle, {5000, 10000}, {5000, 5000}, true, true);
  AddLine(circle, {5000, 10000});
  CloseLoop(circle);
  std::string error;
  circle.Normalize(error);
  EXPECT_EQ(circle.ExtentX, 10000);
  EXPECT_EQ(circle.ExtentY, 10000);
  EXPECT_EQ(circle.Segments[0].Point, (TPoint{5000, 0}));
  EXPECT_EQ(circle.Segments[0].Center, (TPoint{5000, 5000}));
  EXPECT_FALSE(circle.Segments[0].Clockwise);

  // Starting inside a quadrant, whichever the arc flag says.
  TExtPolyline tilted;
  AddArc(tilted, {600, 800}, {0, 0}, false);
  CloseLoop(tilted);
  EXPECT_EQ(NormalizedExtents(tilted), std::make_pair(2000, 2000));
}

TEST(ExtPolylineTest, NormalizeRefusesCoordinatesBeyondTheLimit) {
  const auto triangle = [](int32_t farX) {
    TExtPolyline outline;
    AddLine(outline, {0, 0});
    AddLine(outline, {farX, 0});
    AddLine(outline, {0, -999999999});
    CloseLoop(outline);
    return outline;
  };
  EXPECT_EQ(NormalizedExtents(triangle(999999999)), std::make_pair(999999999, 999999999));

  TExtPolyline tooWide = triangle(1000000000);
  std::string error;
  tooWide.Normalize(error);
  EXPECT_EQ(error, "DXF polyline size must less than 999.999");
  EXPECT_EQ(error, Texts().Text("MSG_DXF_ERROR_OUTSIDE"));
  // Shifted, but neither flipped nor turned.
  EXPECT_EQ(tooWide.Segments[0].Point, (TPoint{0, 999999999}));
  EXPECT_EQ(tooWide.Segments[2].Point, (TPoint{0, 0}));
  EXPECT_FALSE(tooWide.Segments[0].Clockwise);
}

TEST(ExtPolylineTest, NormalizeWithoutVerticesGivesAnEmptyBox) {
  TExtPolyline outline;
  CloseLoop(outline, {3, 4});
  EXPECT_EQ(NormalizedExtents(outline), std::make_pair(0, 0));
}

TEST(ExtPolylineTest, DirectionAngleInEachQuadrant) {
  const TPoint c{0, 0};
  EXPECT_DOUBLE_EQ(TExtPolyline::DirectionAngle(c, {-1, 0}), 0);
  EXPECT_DOUBLE_EQ(TExtPolyline::DirectionAngle(c, {-1, 1}), kPi / 4);
  EXPECT_DOUBLE_EQ(TExtPolyline::DirectionAngle(c, {0, 1}), kPi / 2);
  EXPECT_DOUBLE_EQ(TExtPolyline::DirectionAngle(c, {1, 1}), 3 * kPi / 4);
  EXPECT_DOUBLE_EQ(TExtPolyline::DirectionAngle(c, {1, 0}), kPi);
  EXPECT_DOUBLE_EQ(TExtPolyline::DirectionAngle(c, {1, -1}), 5 * kPi / 4);
  EXPECT_DOUBLE_EQ(TExtPolyline::DirectionAngle(c, {0, -1}), 3 * kPi / 2);
  EXPECT_DOUBLE_EQ(TExtPolyline::DirectionAngle(c, {-1, -1}), 7 * kPi / 4);
  EXPECT_DOUBLE_EQ(TExtPolyline::DirectionAngle({10, 20}, {7, 24}), std::acos(0.6));
  EXPECT_LT(TExtPolyline::DirectionAngle(c, {-2000000000, -1}), 2 * kPi);
  EXPECT_DOUBLE_EQ(TExtPolyline::Distance({1, 2}, {4, 6}), 5);
}

}  // namespace
}  // namespace vexlin
