#include "model/trapezium.h"

#include <gtest/gtest.h>
#include <unistd.h>

#include <filesystem>
#include <string>
#include <vector>

#include "model/ini_file.h"
#include "model/trapezium_list.h"

namespace vexlin {
namespace {

// The right triangle with legs 300 along y = 0 and 200 down the y axis.
TTrapezium RightTriangle(const std::string& name = "T1") {
  TExtPolyline outline;
  outline.AddSegment({0, 0}, false, false, false, false, {});
  outline.AddSegment({300, 0}, false, false, false, false, {});
  outline.AddSegment({0, 200}, false, false, false, false, {});
  outline.AddSegment({0, 0}, false, true, false, false, {});
  TTrapezium shape;
  shape.Define(false, name, 200, 300, 0, 0, 0, 300, outline, 4);
  return shape;
}

std::vector<TPoint> Vertices(const TExtPolyline& outline) {
  std::vector<TPoint> points;
  for (const TLoopRange& loop : outline.Loops()) {
    for (size_t i = loop.First; i < loop.Last; ++i) points.push_back(outline.Segments[i].Point);
  }
  return points;
}

// An INI file that lives in memory only: it is never saved.
std::string UnsavedIniPath() {
  return (std::filesystem::path(::testing::TempDir()) /
          ("vexlin_trapezium_" + std::to_string(::getpid()) + ".apt"))
      .string();
}

TEST(TrapeziumTest, DefineRightTriangle) {
  const TTrapezium shape = RightTriangle();
  EXPECT_EQ(shape.Name, "T1");
  EXPECT_EQ(shape.ListIndex, 4);
  EXPECT_EQ(shape.FirstBase, 300);
  EXPECT_EQ(shape.FirstGap, 0);
  EXPECT_EQ(shape.SecondOffset, 0);
  EXPECT_EQ(shape.SecondBase, 0);
  EXPECT_EQ(shape.SecondGap, 300);
  EXPECT_EQ(shape.Height, 200);
  EXPECT_FALSE(shape.FromDxf);
  EXPECT_DOUBLE_EQ(shape.Area(), 30000);
  const std::vector<TPoint> corners = {{0, 0}, {300, 0}, {0, 200}, {0, 200}};
  EXPECT_EQ(Vertices(shape.Outline(0, 0)), corners);
  const std::vector<TPoint> exact = {{0, 0}, {300, 0}, {0, 200}};
  EXPECT_EQ(Vertices(shape.Outline(1, 0)), exact);
  EXPECT_EQ(shape.Outline(2, 0), shape.Outline(1, 0));
}

TEST(TrapeziumTest, OrientationsOfEveryGroup) {
  const TTrapezium shape = RightTriangle();
  for (int group = 0; group < 3; ++group) {
    SCOPED_TRACE(group);
    for (int r = 0; r < 4; ++r) {
      const bool turned = r % 2 == 1;
      EXPECT_EQ(shape.Outline(group, r).ExtentX, turned ? 200 : 300);
      EXPECT_EQ(shape.Outline(group, r).ExtentY, turned ? 300 : 200);
    }
    EXPECT_EQ(shape.Outline(group, 1).Segments[1].Point, (TPoint{0, 300}));
    EXPECT_EQ(shape.Outline(group, 2).Segments[0].Point, (TPoint{300, 200}));
    EXPECT_EQ(shape.Outline(group, 3).Segments[1].Point, (TPoint{200, 0}));
    EXPECT_TRUE(shape.Outline(group, 1).Segments[0].Clockwise);
    EXPECT_FALSE(shape.Outline(group, 2).Segments[0].Clockwise);
    EXPECT_TRUE(shape.Outline(group, 3).Segments[0].Clockwise);
  }
}

TEST(TrapeziumTest, LengthTrimsNarrowEveryOutline) {
  TTrapezium shape;
  shape.SetLengthTrim1(15);
  shape.SetLengthTrim2(25);
  shape.Define(true, "D", 60, 20, 80, 20, 20, 100, TExtPolyline{}, 0);
  EXPECT_DOUBLE_EQ(shape.Area(), 5400);
  EXPECT_EQ(shape.Outline(0, 0).ExtentX, 80);
  EXPECT_EQ(shape.Outline(2, 2).ExtentX, 80);
  EXPECT_EQ(shape.Outline(1, 3).ExtentY, 80);
  EXPECT_EQ(shape.Outline(1, 3).ExtentX, 60);
}

TEST(TrapeziumTest, AreaDoesNotOverflow) {
  TTrapezium shape;
  shape.FirstBase = 2000000000;
  shape.SecondBase = 2000000000;
  shape.Height = 2000000000;
  EXPECT_DOUBLE_EQ(shape.Area(), 4e18);
}

TEST(TrapeziumTest, IniKeepsTypeParametersAndDxfFlag) {
  TIniFile ini(UnsavedIniPath());
  TTrapezium shape = RightTriangle();
  shape.ShapeType = "Triangle2";
  shape.Param1 = "300";
  shape.Param2 = "200";
  shape.Param3 = "";
  shape.Param6 = "6.5";
  shape.FromDxf = true;
  shape.SaveToIni(ini, "STR0");
  EXPECT_EQ(ini.ReadString("STR0TZ", "N", "?"), "Triangle2");
  EXPECT_EQ(ini.ReadString("STR0TZ", "DX", "?"), "1");

  TTrapezium loaded;
  loaded.LoadFromIni(ini, "STR0");
  EXPECT_EQ(loaded.ShapeType, "Triangle2");
  EXPECT_EQ(loaded.Param1, "300");
  EXPECT_EQ(loaded.Param2, "200");
  EXPECT_EQ(loaded.Param3, "");
  EXPECT_EQ(loaded.Param4, "-1");
  EXPECT_EQ(loaded.Param5, "-1");
  EXPECT_EQ(loaded.Param6, "6.5");
  EXPECT_TRUE(loaded.FromDxf);
  // The geometry is rebuilt by the profile reader, never stored.
  EXPECT_EQ(loaded.Height, 0);
  EXPECT_TRUE(loaded.Outline(1, 0).Segments.empty());
}

TEST(TrapeziumTest, IniDefaultsForMissingKeys) {
  TIniFile ini(UnsavedIniPath());
  ini.WriteString("STR3TZ", "P1", "10");
  TTrapezium loaded;
  loaded.ShapeType = "old";
  loaded.Param4 = "old";
  loaded.FromDxf = true;
  loaded.LoadFromIni(ini, "STR3");
  EXPECT_EQ(loaded.ShapeType, "");
  EXPECT_EQ(loaded.Param1, "10");
  EXPECT_EQ(loaded.Param4, "-1");
  EXPECT_FALSE(loaded.FromDxf);
}

TEST(TrapeziumListTest, AddOrReplaceFindAndDelete) {
  TTrapeziumList list;
  list.AddOrReplace(RightTriangle("A"));
  list.AddOrReplace(RightTriangle("B"));
  list.AddOrReplace(RightTriangle("C"));

  TTrapezium wider = RightTriangle("B");
  wider.FirstBase = 999;
  wider.Param1 = "x";
  list.AddOrReplace(wider);
  ASSERT_EQ(list.Size(), 3u);
  EXPECT_EQ(list[1].Name, "B");
  EXPECT_EQ(list[1].FirstBase, 999);
  EXPECT_EQ(list[1].Param1, "x");

  const TTrapeziumList& view = list;
  EXPECT_EQ(view.FindByName("C"), &list[2]);
  EXPECT_EQ(view.FindByName("c"), nullptr);
  EXPECT_EQ(view.FindByName(""), nullptr);

  list.DeleteByName("missing");
  EXPECT_EQ(list.Size(), 3u);
  list.DeleteByName("A");
  ASSERT_EQ(list.Size(), 2u);
  EXPECT_EQ(list[0].Name, "B");
  EXPECT_EQ(list.FindByName("A"), nullptr);

  list.ClearList();
  EXPECT_TRUE(list.Empty());
}

TEST(TrapeziumListTest, ListHoldsCopies) {
  TTrapeziumList list;
  TTrapezium shape = RightTriangle("A");
  list.AddOrReplace(shape);
  shape.Outlines[1][0].Segments[0].Point = TPoint{7, 7};
  EXPECT_EQ(list.FindByName("A")->Outline(1, 0).Segments[0].Point, (TPoint{0, 0}));
  EXPECT_EQ(&ProfileShapes(), &ProfileShapes());
}

}  // namespace
}  // namespace vexlin
