#include "model/stock2d.h"

#include <gtest/gtest.h>

#include <filesystem>

#include "model/ini_file.h"
#include "model/run_options.h"
#include "model/text_table.h"
#include "model/trapezium_list.h"

namespace vexlin {
namespace {

class Stock2DTest : public ::testing::Test {
 protected:
  void SetUp() override { BladeWidth = 0; }
  void TearDown() override {
    BladeWidth = 0;
    Texts().ResetToDefaults();
  }
};

T2DStock Piece(int32_t x, int32_t y, int32_t length, int32_t width) {
  T2DStock piece;
  piece.SetOrigin({x, y}).SetLength(length).SetWidth(width);
  return piece;
}

TEST_F(Stock2DTest, NewRecordHasTheDefaults) {
  const T2DStock record;
  EXPECT_EQ(record.Index, -1);
  EXPECT_TRUE(record.Rotatable);
  EXPECT_EQ(record.Count, 0);
  EXPECT_EQ(record.Cost, 1);
  EXPECT_EQ(record.AreaFactor, 1.0);
  EXPECT_TRUE(record.Selectable);
  EXPECT_EQ(record.Shape, kShapeRectangle);
  EXPECT_EQ(record.ProfileIndex, -1);
  EXPECT_EQ(record.Orientation, 1);
}

TEST_F(Stock2DTest, KerfInflatedPartGivesNetSizesBack) {
  BladeWidth = 3000;
  T2DStock part = Piece(0, 0, 603000, 403000);
  part.SetLabel("P1");
  EXPECT_EQ(part.NetLength(), 600000);
  EXPECT_EQ(part.NetWidth(), 400000);
  EXPECT_DOUBLE_EQ(part.NetArea(), 600000.0 * 400000.0);
  EXPECT_DOUBLE_EQ(part.GrossArea(), 603000.0 * 403000.0);
  EXPECT_EQ(part.DescribeText(), "Label: P1 , Length: 600 , Width: 400");
}

TEST_F(Stock2DTest, TurningRestoresAfterFourQuarterTurns) {
  T2DStock part = Piece(0, 0, 600, 400);
  part.Turn();
  EXPECT_EQ(part.Length, 400);
  EXPECT_EQ(part.Width, 600);
  EXPECT_EQ(part.Orientation, 2);
  for (int i = 0; i < 3; ++i) part.Turn();
  EXPECT_EQ(part.Length, 600);
  EXPECT_EQ(part.Width, 400);
  EXPECT_EQ(part.Orientation, 1);
}

TEST_F(Stock2DTest, HalfTurnOnlyTurnsProfiles) {
  T2DStock rectangle = Piece(0, 0, 600, 400);
  rectangle.FlipHalfTurn();
  EXPECT_EQ(rectangle.Orientation, 1);
  T2DStock profile = rectangle;
  profile.SetShape(kShapeProfile).SetOrientation(0);
  profile.FlipHalfTurn();
  EXPECT_EQ(profile.Orientation, 2);
  profile.FlipHalfTurn();
  EXPECT_EQ(profile.Orientation, 0);
  EXPECT_EQ(profile.Length, 600);
}

TEST_F(Stock2DTest, RectangleRoundTripsThroughSetRect) {
  T2DStock record;
  record.SetRect(TRect{10, 20, 110, 70});
  EXPECT_EQ(record.Origin, (TPoint{10, 20}));
  EXPECT_EQ(record.Length, 100);
  EXPECT_EQ(record.Width, 50);
  EXPECT_EQ(record.GetRect(), (TRect{10, 20, 110, 70}));
}

TEST_F(Stock2DTest, HitTestIncludesLeftAndTopEdgesOnly) {
  BladeWidth = 10;
  const T2DStock piece = Piece(100, 200, 310, 110);  // net 300 x 100
  const double scale = 0.1;                          // net rectangle 10,20 .. 40,30 in pixels
  EXPECT_TRUE(piece.HitTest(10, 20, scale));
  EXPECT_TRUE(piece.HitTest(39, 29, scale));
  EXPECT_FALSE(piece.HitTest(40, 25, scale));
  EXPECT_FALSE(piece.HitTest(20, 30, scale));
  EXPECT_FALSE(piece.HitTest(9, 25, scale));
}

TEST_F(Stock2DTest, HitTestRoundsPixelEdgesHalfToEven) {
  const T2DStock piece = Piece(5, 0, 20, 10);  // scaled by 0.5: left 2.5 -> 2, right 12.5 -> 12
  EXPECT_TRUE(piece.HitTest(2, 0, 0.5));
  EXPECT_FALSE(piece.HitTest(12, 0, 0.5));
}

TEST_F(Stock2DTest, UnselectableProfileAnswersOnlyTheShapeTest) {
  T2DStock profile = Piece(0, 0, 100, 100);
  profile.SetShape(kShapeProfile);
  profile.Selectable = false;
  EXPECT_FALSE(profile.HitTest(5, 5, 1.0));
  EXPECT_TRUE(profile.HitTestShape(5, 5, 1.0));
  profile.SetShape(3);
  EXPECT_FALSE(profile.HitTestShape(5, 5, 1.0));
}

TEST_F(Stock2DTest, ShapeAreaOfADiscIsTheInscribedEllipse) {
  T2DStock disc = Piece(0, 0, 100000, 100000);
  disc.SetShape(kShapeDisc);
  EXPECT_NEAR(disc.ShapeArea() / 1e6, 7853.98, 0.01);
  EXPECT_DOUBLE_EQ(disc.MaterialArea(), disc.GrossArea());
  EXPECT_EQ(disc.DescribeText(), "Label:  , Length: 100 , Width: 100");
}

TEST_F(Stock2DTest, ProfileMaterialIsItsShapesArea) {
  TTrapezium triangle;
  triangle.Define(false, "TRI", 200, 300, 0, 0, 0, 300, TExtPolyline(), 0);
  ProfileShapes().AddOrReplace(triangle);
  T2DStock profile = Piece(0, 0, 300, 200);
  profile.SetShape(kShapeProfile).SetLabel("TRI");
  EXPECT_DOUBLE_EQ(profile.MaterialArea(), 30000.0);
  EXPECT_DOUBLE_EQ(profile.GrossArea(), 60000.0);
  ProfileShapes().ClearList();
}

TEST_F(Stock2DTest, HintNamesOffcutsAndProfiles) {
  T2DStock offcut = Piece(0, 0, 1500, 2000);
  offcut.SetLabel("OFFCUT_3");
  EXPECT_EQ(offcut.DescribeText(), "Offcut: OFFCUT_3 , Length: 1.5 , Width: 2");
  offcut.SetLabel("ZEROOFFCUT_1");
  EXPECT_EQ(offcut.DescribeText().rfind("Offcut: ZEROOFFCUT_1", 0), 0u);
  T2DStock profile = offcut;
  profile.SetShape(kShapeProfile).SetLabel("TRI");
  EXPECT_EQ(profile.DescribeText(), "Label: TRI");
  Texts().SetText("Part Label Caption", "Name");
  Texts().OffcutWord = "Rest";
  EXPECT_EQ(profile.DescribeText(), "Name: TRI");
  EXPECT_EQ(offcut.DescribeText().rfind("Rest: ", 0), 0u);
}

class Stock2DIniTest : public Stock2DTest {
 protected:
  std::string path_ = (std::filesystem::path(::testing::TempDir()) / "stock2d_test.ini").string();
  void TearDown() override {
    std::filesystem::remove(path_);
    Stock2DTest::TearDown();
  }
};

TEST_F(Stock2DIniTest, RecordRoundTripsUnderItsPrefix) {
  T2DStock record = Piece(-5, 7, 12500, 600000);
  record.SetIndex(3).SetLabel("Side panel").SetCount(4).SetCost(0).SetAreaFactor(0.75);
  record.SetShape(kShapeProfile).SetProfileIndex(2).SetOrientation(0);
  record.Rotatable = false;
  {
    TIniFile ini(path_);
    record.SaveToIni(ini, "LYTP");
    EXPECT_EQ(ini.ReadString("LYTPPN", "X", ""), "12500");
    EXPECT_EQ(ini.ReadString("LYTPPN", "R", ""), "0");
    ASSERT_EQ(ini.Save(), "");
  }
  const TIniFile ini(path_);
  T2DStock loaded;
  loaded.Selectable = false;
  loaded.LoadFromIni(ini, "LYTP");
  EXPECT_EQ(loaded.Index, 3);
  EXPECT_EQ(loaded.GetRect(), record.GetRect());
  EXPECT_FALSE(loaded.Rotatable);
  EXPECT_EQ(loaded.Label, "Side panel");
  EXPECT_EQ(loaded.Count, 4);
  EXPECT_EQ(loaded.Cost, 0);
  EXPECT_EQ(loaded.AreaFactor, 0.75);
  EXPECT_EQ(loaded.Shape, kShapeProfile);
  EXPECT_EQ(loaded.ProfileIndex, 2);
  EXPECT_EQ(loaded.Orientation, 0);
  EXPECT_FALSE(loaded.Selectable);  // not stored: keeps its own value
}

TEST_F(Stock2DIniTest, MissingKeysReadAsTheirDefaults) {
  const TIniFile ini(path_);
  T2DStock loaded;
  loaded.LoadFromIni(ini, "X");
  EXPECT_EQ(loaded.Label, "NO LABEL");
  EXPECT_EQ(loaded.Cost, 0);  // while a new record costs 1
  EXPECT_EQ(loaded.Index, -1);
  EXPECT_TRUE(loaded.Rotatable);
  EXPECT_EQ(loaded.AreaFactor, 1.0);
  EXPECT_EQ(loaded.Orientation, 1);
}

}  // namespace
}  // namespace vexlin
