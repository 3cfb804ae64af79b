#include "model/ext_polyline.h"

#include <gtest/gtest.h>

#include <numbers>
#include <string>
#include <utility>
#include <vector>

#include "model/text_table.h"

namespace vexlin {
namespace {

using Extents = std::pair<int32_t, int32_t>;

void AddLine(TExtPolyline& outline, TPoint point, bool closesLoop = false) {
  outline.AddSegment(point, false, closesLoop, false, false, TPoint{});
}

// A straight vertex at `from`, an arc around `center` arriving at `to`, the chord back.
TExtPolyline ArcWithChord(TPoint from, TPoint to, TPoint center, bool clockwise) {
  TExtPolyline outline;
  AddLine(outline, from);
  outline.AddSegment(to, true, false, false, clockwise, center);
  AddLine(outline, {}, true);
  return outline;
}

Extents Normalized(TExtPolyline& outline) {
  std::string error = "stale";
  outline.Normalize(error);
  EXPECT_EQ(error, "");
  return {outline.ExtentX, outline.ExtentY};
}

Extents ArcExtents(TPoint from, TPoint to, bool clockwise) {
  TExtPolyline outline = ArcWithChord(from, to, {0, 0}, clockwise);
  return Normalized(outline);
}

TEST(ExtPolylineTest, HalfTurnAndTransposeTwiceRestore) {
  TExtPolyline outline = ArcWithChord({0, 0}, {300, 50}, {250, 50}, true);
  outline.SetExtentX(300);
  outline.SetExtentY(200);
  TExtPolyline changed = outline;
  changed.HalfTurn();
  EXPECT_EQ(changed.Segments[1].Center, (TPoint{50, 150}));
  changed.HalfTurn();
  EXPECT_EQ(changed, outline);
  changed.Transpose();
  EXPECT_EQ(Extents(changed.ExtentX, changed.ExtentY), Extents(200, 300));
  EXPECT_EQ(changed.Segments[1].Point, (TPoint{50, 300}));
  EXPECT_FALSE(changed.Segments[1].Clockwise);
  changed.Transpose();
  EXPECT_EQ(changed, outline);
}

TEST(ExtPolylineTest, LoopsSkipEmptyAndTrailingRecords) {
  TExtPolyline outline;
  for (TPoint p : {TPoint{1, 1}, TPoint{2, 1}, TPoint{}, TPoint{}, TPoint{5, 5}, TPoint{6, 5},
                   TPoint{6, 6}, TPoint{}, TPoint{9, 9}}) {
    AddLine(outline, p, p == TPoint{});
  }
  std::vector<std::pair<TPoint, TPoint>> edges;
  outline.ForEachLoopEdge([&edges](const TPolySegment& from, const TPolySegment& to) {
    edges.emplace_back(from.Point, to.Point);
  });
  const std::vector<std::pair<TPoint, TPoint>> expected = {
      {{1, 1}, {2, 1}}, {{2, 1}, {1, 1}}, {{5, 5}, {6, 5}}, {{6, 5}, {6, 6}}, {{6, 6}, {5, 5}}};
  EXPECT_EQ(edges, expected);
  EXPECT_EQ(outline.Loops().size(), 2u);
}

TEST(ExtPolylineTest, NormalizeSquareShiftsFlipsAndInvertsTurns) {
  TExtPolyline outline;
  for (TPoint p : {TPoint{10, 20}, TPoint{110, 20}, TPoint{110, 120}, TPoint{10, 120}}) {
    AddLine(outline, p);
  }
  // Neither the loop end nor a record after it is a vertex, far outside as they are.
  AddLine(outline, {5000, -7000}, true);
  AddLine(outline, {-3000, 9000});
  EXPECT_EQ(Normalized(outline), Extents(100, 100));
  const std::vector<TPoint> expected = {{0, 100}, {100, 100},   {100, 0},
                                        {0, 0},   {4990, 7120}, {-3010, -8880}};
  for (size_t i = 0; i < expected.size(); ++i) {
    EXPECT_EQ(outline.Segments[i].Point, expected[i]) << i;
    EXPECT_TRUE(outline.Segments[i].Clockwise) << i;
  }
  // A straight record's centre is flipped but not shifted.
  EXPECT_EQ(outline.Segments[0].Center, (TPoint{0, 100}));
}

TEST(ExtPolylineTest, NormalizeMeasuresTheArcsTrueBox) {
  // Clockwise with Y down is the increasing angle: this half circle bulges to y = -5000.
  TExtPolyline half = ArcWithChord({0, 0}, {10000, 0}, {5000, 0}, true);
  EXPECT_EQ(Normalized(half), Extents(10000, 5000));
  EXPECT_EQ(half.Segments[0].Point, (TPoint{0, 0}));
  EXPECT_EQ(half.Segments[1].Center, (TPoint{5000, 0}));
  // Inside one quadrant no circle point counts; the long way round all four do.
  EXPECT_EQ(ArcExtents({800, 600}, {600, 800}, true), Extents(200, 200));
  EXPECT_EQ(ArcExtents({800, 600}, {600, 800}, false), Extents(2000, 2000));
  EXPECT_EQ(ArcExtents({-600, 800}, {-800, 600}, true), Extents(200, 200));
  // Exactly the axis points passed: (0, 1000), then (1000, 0), then all but (1000, 0).
  EXPECT_EQ(ArcExtents({600, 800}, {-1000, 0}, true), Extents(1600, 1000));
  EXPECT_EQ(ArcExtents({800, -600}, {800, 600}, true), Extents(200, 1200));
  EXPECT_EQ(ArcExtents({800, -600}, {800, 600}, false), Extents(1800, 2000));
}

TEST(ExtPolylineTest, NormalizeFullCircles) {
  TExtPolyline circle;
  circle.AddSegment({5000, 10000}, true, false, true, true, {5000, 5000});
  AddLine(circle, {5000, 10000});
  AddLine(circle, {}, true);
  EXPECT_EQ(Normalized(circle), Extents(10000, 10000));
  EXPECT_EQ(circle.Segments[0].Point, (TPoint{5000, 0}));
  EXPECT_EQ(circle.Segments[0].Center, (TPoint{5000, 5000}));
  // Starting inside a quadrant, whatever the arc flag says.
  TExtPolyline tilted;
  tilted.AddSegment({600, 800}, true, false, false, false, {0, 0});
  AddLine(tilted, {}, true);
  EXPECT_EQ(Normalized(tilted), Extents(2000, 2000));
}

TEST(ExtPolylineTest, NormalizeRefusesCoordinatesBeyondTheLimit) {
  TExtPolyline outline;
  for (TPoint p : {TPoint{0, 0}, TPoint{999999999, 0}, TPoint{0, -999999999}}) AddLine(outline, p);
  AddLine(outline, {}, true);
  TExtPolyline tooWide = outline;
  EXPECT_EQ(Normalized(outline), Extents(999999999, 999999999));

  tooWide.Segments[1].Point.X = 1000000000;
  std::string error;
  tooWide.Normalize(error);
  EXPECT_EQ(error, "DXF polyline size must less than 999.999");
  EXPECT_EQ(error, Texts().Text("MSG_DXF_ERROR_OUTSIDE"));
  // Shifted, but neither flipped nor turned.
  EXPECT_EQ(tooWide.Segments[0].Point, (TPoint{0, 999999999}));
  EXPECT_FALSE(tooWide.Segments[0].Clockwise);
}

TEST(ExtPolylineTest, DirectionAngleInEachQuadrant) {
  constexpr double kPi = std::numbers::pi;
  const std::vector<std::pair<TPoint, double>> cases = {
      {{-1, 0}, 0},  {{-1, 1}, kPi / 4},     {{0, 1}, kPi / 2},      {{1, 1}, 3 * kPi / 4},
      {{1, 0}, kPi}, {{1, -1}, 5 * kPi / 4}, {{0, -1}, 3 * kPi / 2}, {{-1, -1}, 7 * kPi / 4}};
  for (const auto& [point, angle] : cases) {
    EXPECT_DOUBLE_EQ(TExtPolyline::DirectionAngle({0, 0}, point), angle) << point.X << point.Y;
  }
  EXPECT_LT(TExtPolyline::DirectionAngle({0, 0}, {-2000000000, -1}), 2 * kPi);
  EXPECT_DOUBLE_EQ(TExtPolyline::Distance({1, 2}, {4, 6}), 5);
}

}  // namespace
}  // namespace vexlin
