#include "model/trapezium.h"

#include <gtest/gtest.h>

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
  for (TPoint p : {TPoint{0, 0}, TPoint{300, 0}, TPoint{0, 200}}) {
    outline.AddSegment(p, false, false, false, false, {});
  }
  outline.AddSegment({}, false, true, false, false, {});
  TTrapezium shape;
  shape.Define(false, name, 200, 300, 0, 0, 0, 300, outline, 4);
  return shape;
}

TEST(TrapeziumTest, RightTriangleInFourOrientations) {
  const TTrapezium shape = RightTriangle();
  EXPECT_EQ(shape.FirstBase, 300);
  EXPECT_EQ(shape.SecondGap, 300);
  EXPECT_EQ(shape.Height, 200);
  EXPECT_EQ(shape.ListIndex, 4);
  EXPECT_DOUBLE_EQ(shape.Area(), 30000);
  EXPECT_EQ(shape.Outline(0, 0).Segments[2].Point, shape.Outline(0, 0).Segments[3].Point);
  for (int group = 0; group < 3; ++group) {
    for (int r = 0; r < 4; ++r) {
      EXPECT_EQ(shape.Outline(group, r).ExtentX, r % 2 == 1 ? 200 : 300) << group << r;
      EXPECT_EQ(shape.Outline(group, r).ExtentY, r % 2 == 1 ? 300 : 200) << group << r;
    }
    EXPECT_EQ(shape.Outline(group, 1).Segments[1].Point, (TPoint{0, 300}));
    EXPECT_EQ(shape.Outline(group, 2).Segments[0].Point, (TPoint{300, 200}));
    EXPECT_EQ(shape.Outline(group, 3).Segments[1].Point, (TPoint{200, 0}));
    EXPECT_TRUE(shape.Outline(group, 3).Segments[0].Clockwise);
  }
}

TEST(TrapeziumTest, LengthTrimsNarrowTheOutlines) {
  TTrapezium shape;
  shape.SetLengthTrim1(15);
  shape.SetLengthTrim2(25);
  shape.Define(true, "D", 60, 20, 80, 20, 20, 100, TExtPolyline{}, 0);
  EXPECT_DOUBLE_EQ(shape.Area(), 5400);
  EXPECT_EQ(shape.Outline(0, 2).ExtentX, 80);
  EXPECT_EQ(shape.Outline(2, 1).ExtentY, 80);
}

TEST(TrapeziumTest, IniKeepsTypeParametersAndDxfFlag) {
  // Never saved: the file lives in memory only.
  TIniFile ini(
      (std::filesystem::path(::testing::TempDir()) / "vexlin_trapezium_unsaved.apt").string());
  TTrapezium shape = RightTriangle();
  shape.ShapeType = "Triangle2";
  shape.Param1 = "300";
  shape.Param3 = "";
  shape.FromDxf = true;
  shape.SaveToIni(ini, "STR0");
  EXPECT_EQ(ini.ReadString("STR0TZ", "DX", ""), "1");
  TTrapezium loaded;
  loaded.LoadFromIni(ini, "STR0");
  EXPECT_EQ(
      std::vector<std::string>({loaded.ShapeType, loaded.Param1, loaded.Param2, loaded.Param3}),
      std::vector<std::string>({"Triangle2", "300", "-1", ""}));
  EXPECT_TRUE(loaded.FromDxf);

  ini.EraseSection("STR0TZ");
  ini.WriteString("STR0TZ", "P6", "10");
  loaded.LoadFromIni(ini, "STR0");
  EXPECT_EQ(std::vector<std::string>({loaded.ShapeType, loaded.Param4, loaded.Param6}),
            std::vector<std::string>({"", "-1", "10"}));
  EXPECT_FALSE(loaded.FromDxf);
}

TEST(TrapeziumListTest, AddOrReplaceFindAndDelete) {
  TTrapeziumList list;
  for (const char* name : {"A", "B", "C"}) list.AddOrReplace(RightTriangle(name));
  TTrapezium wider = RightTriangle("B");
  wider.FirstBase = 999;
  list.AddOrReplace(wider);
  ASSERT_EQ(list.Size(), 3u);
  EXPECT_EQ(list[1].FirstBase, 999);

  const TTrapeziumList& view = list;
  EXPECT_EQ(view.FindByName("C"), &list[2]);
  EXPECT_EQ(view.FindByName("c"), nullptr);
  list.DeleteByName("missing");
  list.DeleteByName("A");
  ASSERT_EQ(list.Size(), 2u);
  EXPECT_EQ(list[0].Name, "B");
  list.ClearList();
  EXPECT_TRUE(list.Empty());
  EXPECT_EQ(&ProfileShapes(), &ProfileShapes());
}

}  // namespace
}  // namespace vexlin
