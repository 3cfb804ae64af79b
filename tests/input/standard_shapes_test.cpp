#include "input/standard_shapes.h"

#include <gtest/gtest.h>

#include <vector>

#include "input/dxf_import.h"
#include "input/profile_list.h"
#include "model/text_table.h"

namespace vexlin {
namespace {

std::vector<TPoint> Vertices(const TExtPolyline& outline) {
  std::vector<TPoint> points;
  for (const TPolySegment& s : outline.Segments) {
    if (!s.ClosesLoop) points.push_back(s.Point);
  }
  return points;
}

TStandardShape Build(std::string_view type, TShapeParams params) {
  const std::optional<TStandardShape> shape = BuildStandardShape("P", type, params, 0);
  EXPECT_TRUE(shape.has_value()) << type;
  return shape.value_or(TStandardShape{});
}

bool Rejected(std::string_view type, TShapeParams params) {
  return !BuildStandardShape("P", type, params, 0).has_value();
}

TEST(StandardShapesTest, Triangle1FromThreeSides) {
  const TStandardShape t = Build("Triangle1", {"3", "4", "5"});
  EXPECT_EQ(t.Length, 4000);
  EXPECT_EQ(t.Width, 3000);
  EXPECT_EQ(Vertices(t.Record.Outline(1, 0)),
            (std::vector<TPoint>{{0, 0}, {4000, 3000}, {0, 3000}}));
  EXPECT_EQ(t.Record.SecondBase, 4000);
  EXPECT_EQ(t.Record.FirstGap, 4000);
  EXPECT_EQ(t.Record.FirstBase, 0);
  EXPECT_EQ(t.Record.ShapeType, "Triangle1");
  EXPECT_EQ(t.Record.Param3, "5");
  EXPECT_EQ(t.Record.Param4, "");

  // An acute triangle stands on its middle side.
  const TStandardShape acute = Build("Triangle1", {"6", "4", "5"});
  EXPECT_EQ(acute.Length, 5000);
  EXPECT_EQ(acute.Width, 3969);
  EXPECT_EQ(Vertices(acute.Record.Outline(1, 0)),
            (std::vector<TPoint>{{0, 0}, {5000, 0}, {500, 3969}}));
  EXPECT_EQ(acute.Record.SecondGap, 4500);
}

TEST(StandardShapesTest, InvalidParametersAreRejected) {
  EXPECT_TRUE(Rejected("Triangle1", {"1", "2", "3"}));
  EXPECT_TRUE(Rejected("Triangle1", {"0", "0", "0"}));
  EXPECT_TRUE(Rejected("Triangle1", {"3", "x", "5"}));
  EXPECT_TRUE(Rejected("Triangle2", {"0", "2"}));
  EXPECT_TRUE(Rejected("Trapezium1", {"10", "-1", "2", "3"}));
  EXPECT_TRUE(Rejected("Trapezium3", {"10", "1", "0"}));
  EXPECT_TRUE(Rejected("Disc1", {"10", "6"}));
  EXPECT_TRUE(Rejected("Disc2", {"10", "5"}));
  EXPECT_TRUE(Rejected("triangle1", {"3", "4", "5"}));
  EXPECT_TRUE(Rejected("Square", {"3", "4", "5"}));
  // Sizes that do not fit 32 bits once added up.
  EXPECT_TRUE(Rejected("Trapezium1", {"1", "2000000", "2000000", "1"}));
}

TEST(StandardShapesTest, Triangle2AndTrapezium2) {
  const TStandardShape t = Build("Triangle2", {"300", "200"});
  EXPECT_EQ(Vertices(t.Record.Outline(1, 0)),
            (std::vector<TPoint>{{0, 0}, {300000, 0}, {0, 200000}}));
  EXPECT_DOUBLE_EQ(t.Record.Area(), 300000.0 * 200000 / 2);

  const TStandardShape r = Build("Trapezium2", {"40", "60", "10"});
  EXPECT_EQ(r.Length, 60000);
  EXPECT_EQ(r.Record.SecondGap, 20000);
  EXPECT_EQ(r.Record.FirstGap, 0);
}

TEST(StandardShapesTest, Trapezium1Cases) {
  const TStandardShape plain = Build("Trapezium1", {"100", "60", "10", "20"});
  EXPECT_EQ(Vertices(plain.Record.Outline(1, 0)),
            (std::vector<TPoint>{{0, 0}, {100000, 0}, {70000, 20000}, {10000, 20000}}));
  EXPECT_EQ(plain.Record.SecondGap, 30000);

  const TStandardShape mirrored = Build("Trapezium1", {"100", "60", "30", "20"});
  EXPECT_EQ(Vertices(mirrored.Record.Outline(1, 0)),
            (std::vector<TPoint>{{0, 0}, {100000, 0}, {70000, 20000}, {10000, 20000}}));
  EXPECT_EQ(mirrored.Record.SecondOffset, 10000);
  EXPECT_EQ(mirrored.Record.SecondGap, 30000);

  const TStandardShape overhang = Build("Trapezium1", {"50", "80", "10", "20"});
  EXPECT_EQ(overhang.Length, 90000);
  EXPECT_EQ(overhang.Record.FirstGap, 40000);

  const TStandardShape turned = Build("Trapezium1", {"50", "40", "30", "20"});
  EXPECT_EQ(turned.Length, 70000);
  EXPECT_EQ(Vertices(turned.Record.Outline(1, 0)),
            (std::vector<TPoint>{{0, 0}, {40000, 0}, {70000, 20000}, {20000, 20000}}));
  EXPECT_EQ(turned.Record.FirstGap, 30000);
  EXPECT_EQ(turned.Record.SecondOffset, 20000);
  EXPECT_EQ(turned.Record.SecondBase, 50000);
}

TEST(StandardShapesTest, Trapezium3LaidOnItsSlantedSide) {
  const TStandardShape p = Build("Trapezium3", {"10", "30", "40"});
  EXPECT_EQ(p.Length, 56000);
  EXPECT_EQ(p.Width, 8000);
  EXPECT_EQ(p.Record.FirstBase, 50000);
  EXPECT_EQ(p.Record.SecondOffset, 6000);
  EXPECT_EQ(p.Record.Param1, "10");

  const TStandardShape upright = Build("Trapezium3", {"60", "30", "40"});
  EXPECT_EQ(upright.Length, 90000);
  EXPECT_EQ(upright.Width, 40000);
}

TEST(StandardShapesTest, DiscSegments) {
  const TStandardShape major = Build("Disc2", {"10", "6"});
  EXPECT_EQ(major.Length, 10167);
  EXPECT_EQ(major.Width, 6000);
  const TPolySegment& first = major.Record.Outline(1, 0).Segments[0];
  EXPECT_TRUE(first.IsArc && first.ArcFlag && first.Clockwise);
  EXPECT_EQ(first.Point, (TPoint{83, 0}));
  EXPECT_EQ(first.Center, (TPoint{5083, 917}));

  const TStandardShape minor = Build("Disc1", {"10", "2"});
  const TPolySegment& arc = minor.Record.Outline(1, 0).Segments[0];
  EXPECT_TRUE(arc.IsArc && arc.Clockwise);
  EXPECT_FALSE(arc.ArcFlag);
  EXPECT_EQ(arc.Center, (TPoint{5000, -5250}));
  EXPECT_EQ(minor.Width, 2000);
  // The trims take the box back to the chord.
  EXPECT_EQ(minor.Record.Outline(1, 0).ExtentX, minor.Length - 2 * minor.Record.LengthTrim1);
  EXPECT_NEAR(minor.Record.Outline(1, 0).ExtentX, 10000, 1);
}

class ProfileListTest : public ::testing::Test {
 protected:
  TTrapeziumList shapes;
  TProfileLists lists{{}, &shapes};
  TDxfImport dxf;
};

TEST_F(ProfileListTest, AddChecksLabelQuantityAndUniqueness) {
  EXPECT_EQ(AddAnyShape(lists, dxf, "", "1", "Triangle2", {"3", "2"}),
            Texts().Text("MSG_SELECT_SHAPE_LABEL_EMPTY"));
  EXPECT_EQ(AddAnyShape(lists, dxf, "T1", "0", "Triangle2", {"3", "2"}),
            Texts().Text("MSG_PART_QTY_FORMAT_INVALID"));
  EXPECT_EQ(AddAnyShape(lists, dxf, "T1", "2x", "Triangle2", {"3", "2"}),
            Texts().Text("MSG_PART_QTY_FORMAT_INVALID"));
  EXPECT_EQ(AddAnyShape(lists, dxf, "T1", "2", "Triangle2", {"0", "2"}),
            "profile variant value is invalid");
  EXPECT_TRUE(shapes.Empty());
  EXPECT_EQ(AddAnyShape(lists, dxf, "T1", " 2 ", "Triangle2", {"3", "2"}), "");
  EXPECT_EQ(AddAnyShape(lists, dxf, "T1", "1", "Disc2", {"10", "6"}), "label isn't unique");
  EXPECT_EQ(AddStandardShape(lists, "T1", "Disc2", {"10", "6"}, 1), "label isn't unique");
  ASSERT_EQ(lists.Profiles.Size(), 1u);
  const T2DStock& piece = lists.Profiles[0];
  EXPECT_EQ(piece.Shape, kShapeProfile);
  EXPECT_EQ(piece.Count, 2);
  EXPECT_EQ(piece.Orientation, 0);
  EXPECT_EQ(piece.ProfileIndex, 0);
  EXPECT_EQ(shapes.Size(), 1u);
}

TEST_F(ProfileListTest, RowsAndDeletion) {
  ASSERT_EQ(AddStandardShape(lists, "T1", "Triangle2", {"300", "200"}, 1), "");
  ASSERT_EQ(AddStandardShape(lists, "D", "Disc1", {"10", "2"}, 4), "");
  ASSERT_EQ(AddStandardShape(lists, "Q", "Trapezium2", {"4", "6", "1"}, 3), "");
  std::vector<TProfileRow> rows = ProfileListRows(lists);
  ASSERT_EQ(rows.size(), 3u);
  EXPECT_EQ(rows[0].Description, "T1 [300X200]");
  EXPECT_EQ(rows[0].Quantity, "1");
  EXPECT_EQ(rows[1].Quantity, "4");

  DeleteProfile(lists, 1);
  DeleteProfile(lists, 7);
  ASSERT_EQ(lists.Profiles.Size(), 2u);
  EXPECT_EQ(shapes.FindByName("D"), nullptr);
  EXPECT_EQ(lists.Profiles[1].Label, "Q");
  EXPECT_EQ(lists.Profiles[1].ProfileIndex, 2);

  DeleteAllProfiles(lists);
  EXPECT_TRUE(lists.Profiles.Empty());
  EXPECT_TRUE(shapes.Empty());
}

}  // namespace
}  // namespace vexlin
