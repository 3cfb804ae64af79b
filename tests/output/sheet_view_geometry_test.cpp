#include "output/sheet_view_geometry.h"

#include <gtest/gtest.h>

#include "model/packet.h"
#include "output/report.h"

namespace vexlin {
namespace {

TPacket Sheet(int32_t length, int32_t width) {
  TPacket sheet;
  sheet.SetLength(length).SetWidth(width);
  return sheet;
}

TEST(SheetViewGeometry, TheTighterSideSetsTheScale) {
  const TReportSettings noTrims;
  const TSheetViewGeometry wide = FitSheetView(Sheet(1000000, 500000), noTrims, 500, 300);
  EXPECT_DOUBLE_EQ(wide.Scale, 0.0005);
  EXPECT_EQ(wide.UsableWidth, 501);
  EXPECT_EQ(wide.UsableHeight, 251);
  EXPECT_EQ(wide.SheetWidth, 507);
  EXPECT_EQ(wide.SheetHeight, 257);
  EXPECT_EQ(wide.UsableLeft, 3);
  EXPECT_EQ(wide.UsableTop, 3);

  const TSheetViewGeometry flat = FitSheetView(Sheet(1000000, 500000), noTrims, 1000, 100);
  EXPECT_DOUBLE_EQ(flat.Scale, 0.0002);
  EXPECT_EQ(flat.UsableWidth, 201);
  EXPECT_EQ(flat.UsableHeight, 101);
}

// The stored size carries one blade width: the scale fits it, the usable panel leaves it out.
TEST(SheetViewGeometry, TrimsFrameTheUsableAreaAndTheBladeIsLeftOut) {
  TReportSettings settings;
  settings.BladeWidth = 3000;
  settings.LengthEdge = 10000;
  settings.WidthEdge = 5000;
  const TSheetViewGeometry view = FitSheetView(Sheet(1003000, 503000), settings, 1023, 1000);
  EXPECT_DOUBLE_EQ(view.Scale, 0.001);
  EXPECT_EQ(view.UsableLeft, 13);
  EXPECT_EQ(view.UsableTop, 8);
  EXPECT_EQ(view.UsableWidth, 1001);
  EXPECT_EQ(view.UsableHeight, 501);
  EXPECT_EQ(view.SheetWidth, 1027);
  EXPECT_EQ(view.SheetHeight, 517);
}

TEST(SheetViewGeometry, TrimPixelsRoundHalfToEven) {
  TReportSettings settings;
  settings.LengthEdge = 2500;
  settings.WidthEdge = 3500;
  const TSheetViewGeometry view = FitSheetView(Sheet(995000, 493000), settings, 1000, 1000);
  EXPECT_DOUBLE_EQ(view.Scale, 0.001);
  EXPECT_EQ(view.UsableLeft, 2 + 3);
  EXPECT_EQ(view.UsableTop, 4 + 3);
}

TEST(SheetViewGeometry, NoRoomLeavesOnlyTheBorders) {
  const TSheetViewGeometry view = FitSheetView(Sheet(1000000, 500000), TReportSettings{}, -5, 40);
  EXPECT_EQ(view.Scale, 0.0);
  EXPECT_EQ(view.SheetWidth, 7);
  EXPECT_EQ(view.UsableWidth, 1);
}

}  // namespace
}  // namespace vexlin
