#include "output/manual_placement.h"

#include <gtest/gtest.h>

#include "model/packet.h"
#include "model/run_options.h"

namespace vexlin {
namespace {

// Part types 0 and 1; a drawing of one pixel per unit, no kerf, unless a test says so.
class ManualPlacement : public ::testing::Test {
 protected:
  void SetUp() override { BladeWidth = 0; }
  void TearDown() override { BladeWidth = 0; }

  static TPacket Sheet(int32_t length, int32_t width) {
    TPanels demand;
    demand.AddCopy(T2DStock{}.SetLabel("A").SetIndex(0));
    demand.AddCopy(T2DStock{}.SetLabel("B").SetIndex(1));
    TPacket sheet(demand);
    sheet.SetLength(length).SetWidth(width);
    sheet.ResetFreeSpace();
    return sheet;
  }

  static void Place(TPacket& sheet, int32_t type, const TRect& r, const char* label = "P") {
    T2DStock piece;
    piece.SetLabel(label).SetIndex(type).SetCount(1).SetOrigin({r.Left, r.Top});
    piece.SetLength(r.Right).SetWidth(r.Bottom);
    sheet.PlacePart(piece);
  }

  static void AddOffcut(TPacket& sheet, const char* label, const TRect& r) {
    T2DStock piece;
    piece.SetLabel(label).SetOrigin({r.Left, r.Top}).SetLength(r.Right).SetWidth(r.Bottom);
    sheet.PlacePiece(piece);
  }

  static TManualDrag Pick(const TPacket& sheet, int32_t x, int32_t y) {
    TManualDrag drag;
    EXPECT_GE(PickPart(sheet, x, y, 1.0, drag), 0);
    return drag;
  }
};

TEST_F(ManualPlacement, ADropNearAFreeCornerMovesThePartThereKeepingTheCounts) {
  TPacket sheet = Sheet(1000, 500);
  Place(sheet, 0, {0, 0, 200, 100});
  Place(sheet, 1, {200, 0, 300, 200});
  const TManualDrag drag = Pick(sheet, 10, 10);
  EXPECT_EQ(drag.PieceIndex, 0);

  EXPECT_TRUE(AutoFillInRect(sheet, drag, {780, 380, 980, 480}, 1.0, 0));
  ASSERT_EQ(sheet.Pieces.Size(), 2u);
  EXPECT_EQ(sheet.Pieces[0].Label, "P");
  EXPECT_EQ(sheet.Pieces[0].Origin, (TPoint{200, 0}));
  EXPECT_EQ(sheet.Pieces[1].Origin, (TPoint{800, 400}));
  EXPECT_EQ(sheet.TypeCounts[0].Count, 1);
  EXPECT_EQ(sheet.TypeCounts[1].Count, 1);
  for (const TRect& free : sheet.FreeRects) {
    EXPECT_FALSE(Intersects(free, sheet.Pieces[1].GetRect()));
  }
}

TEST_F(ManualPlacement, ATurnedPartIsPlacedTurnedAndTheKerfWidensTheDrop) {
  TPacket sheet = Sheet(1000, 500);
  Place(sheet, 0, {0, 0, 200, 100});
  TManualDrag drag = Pick(sheet, 10, 10);
  drag.Turned = true;
  // Two units a pixel: the drop covers (900, 300)-(1000, 500), widened by the kerf.
  EXPECT_TRUE(AutoFillInRect(sheet, drag, {450, 150, 500, 250}, 2.0, 10));
  ASSERT_EQ(sheet.Pieces.Size(), 1u);
  const T2DStock& part = sheet.Pieces[0];
  EXPECT_EQ(part.Length, 100);
  EXPECT_EQ(part.Width, 200);
  EXPECT_EQ(part.Orientation, 2);
  EXPECT_EQ(part.Origin, (TPoint{900, 300}));
}

TEST_F(ManualPlacement, APartThatFitsNowhereGoesBackUnturned) {
  TPacket sheet = Sheet(300, 100);
  Place(sheet, 0, {0, 0, 200, 100});
  Place(sheet, 1, {200, 0, 100, 100});
  TManualDrag drag = Pick(sheet, 50, 50);
  drag.Turned = true;  // 100 x 200 cannot stand in a sheet 100 wide
  EXPECT_FALSE(AutoFillInRect(sheet, drag, {250, 0, 350, 200}, 1.0, 0));
  ASSERT_EQ(sheet.Pieces.Size(), 2u);
  const T2DStock& back = sheet.Pieces[1];
  EXPECT_EQ(back.Origin, (TPoint{0, 0}));
  EXPECT_EQ(back.Length, 200);
  EXPECT_EQ(back.Width, 100);
  EXPECT_EQ(back.Orientation, 1);
  EXPECT_EQ(sheet.TypeCounts[0].Count, 1);
}

TEST_F(ManualPlacement, TiesKeepTheEarlierCorner) {
  TPacket sheet = Sheet(1000, 500);
  Place(sheet, 0, {400, 200, 200, 100});
  const TManualDrag drag = Pick(sheet, 450, 250);
  // As far from the top-left corner as from the top-right one.
  EXPECT_TRUE(AutoFillInRect(sheet, drag, {400, 0, 600, 100}, 1.0, 0));
  EXPECT_EQ(sheet.Pieces[0].Origin, (TPoint{0, 0}));
}

TEST_F(ManualPlacement, OffcutsAfterThePickedPartAreDroppedThoseBeforeItStay) {
  TPacket sheet = Sheet(1000, 500);
  AddOffcut(sheet, "OFFCUT_1", {900, 0, 100, 100});
  Place(sheet, 0, {0, 0, 200, 100});
  AddOffcut(sheet, "ZEROOFFCUT_2", {200, 0, 5, 100});
  AddOffcut(sheet, "OFFCUT_3", {0, 100, 900, 400});
  const TManualDrag drag = Pick(sheet, 10, 10);
  EXPECT_EQ(drag.PieceIndex, 1);
  EXPECT_TRUE(AutoFillInRect(sheet, drag, {0, 400, 200, 500}, 1.0, 0));
  ASSERT_EQ(sheet.Pieces.Size(), 2u);
  EXPECT_EQ(sheet.Pieces[0].Label, "OFFCUT_1");
  EXPECT_EQ(sheet.Pieces[1].Origin, (TPoint{0, 400}));
}

TEST_F(ManualPlacement, OffcutsAndPartsLabelledLikeThemAreNeverPicked) {
  TPacket sheet = Sheet(1000, 500);
  AddOffcut(sheet, "OFFCUT_1", {0, 0, 100, 100});
  Place(sheet, 0, {100, 0, 100, 100}, "MYOFFCUT_A");
  Place(sheet, 1, {200, 0, 100, 100});
  TManualDrag drag;
  EXPECT_EQ(PickPart(sheet, 50, 50, 1.0, drag), -1);
  EXPECT_EQ(PickPart(sheet, 150, 50, 1.0, drag), -1);
  EXPECT_EQ(PickPart(sheet, 350, 50, 1.0, drag), -1);
  EXPECT_EQ(drag.PieceIndex, -1);
  EXPECT_EQ(PickPart(sheet, 250, 50, 1.0, drag), 2);
}

TEST_F(ManualPlacement, ThePickHoldsTheNetOutlineInPixelsRoundedHalfToEven) {
  BladeWidth = 2;
  TPacket sheet = Sheet(1000, 500);
  Place(sheet, 0, {5, 3, 12, 9});  // net 10 x 7
  TManualDrag drag;
  ASSERT_EQ(PickPart(sheet, 4, 3, 0.5, drag), 0);
  EXPECT_EQ(drag.PieceRect, (TRect{2, 2, 8, 5}));  // 2.5, 1.5, 7.5, 5.0
  EXPECT_EQ(drag.GrabOffset, (TPoint{2, 1}));
  EXPECT_FALSE(drag.Turned);
}

TEST_F(ManualPlacement, TheDragRectangleFollowsThePointerAndSwapsItsSidesWhenTurned) {
  TManualDrag drag;
  drag.PieceRect = {10, 20, 70, 40};  // 60 x 20
  drag.GrabOffset = {5, 3};
  EXPECT_EQ(DragRectAt(drag, 100, 200), (TRect{95, 197, 155, 217}));
  drag.Turned = true;
  EXPECT_EQ(DragRectAt(drag, 100, 200), (TRect{97, 195, 117, 255}));
}

TEST_F(ManualPlacement, HoverDescribesTheFirstShownPieceOnly) {
  TPacket sheet = Sheet(1000, 500);
  AddOffcut(sheet, "ZEROOFFCUT_1", {0, 0, 100, 100});
  AddOffcut(sheet, "OFFCUT_2", {0, 0, 100, 100});
  Place(sheet, 0, {0, 0, 100, 100}, "Door");
  EXPECT_EQ(HoverDescription(sheet, 50, 50, 1.0, false), sheet.Pieces[2].DescribeText());
  EXPECT_EQ(HoverDescription(sheet, 50, 50, 1.0, true), sheet.Pieces[1].DescribeText());
  EXPECT_NE(sheet.Pieces[1].DescribeText(), sheet.Pieces[2].DescribeText());
  EXPECT_EQ(HoverDescription(sheet, 500, 50, 1.0, true), "");
}

}  // namespace
}  // namespace vexlin
