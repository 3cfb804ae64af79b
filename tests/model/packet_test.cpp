#include "model/packet.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <vector>

#include "model/ini_file.h"

namespace vexlin {
namespace {

TPanels Demand(int types) {
  TPanels demand;
  for (int i = 0; i < types; ++i) {
    T2DStock part;
    part.SetIndex(i).SetCount(10);
    demand.AddCopy(part);
  }
  return demand;
}

TPacket Sheet(int32_t length, int32_t width, int types = 2) {
  TPacket sheet(Demand(types));
  sheet.SetLength(length).SetWidth(width);
  sheet.ResetFreeSpace();
  return sheet;
}

T2DStock Part(int32_t x, int32_t y, int32_t length, int32_t width, int32_t type = 0) {
  T2DStock part;
  part.SetOrigin({x, y}).SetLength(length).SetWidth(width).SetIndex(type).SetCount(1);
  return part;
}

std::vector<TRect> FreeRects(const TPacket& packet) {
  std::vector<TRect> rects;
  for (const TRect& free : packet.FreeRects) rects.push_back(free);
  return rects;
}

std::vector<TPoint> Origins(const TPanels& list) {
  std::vector<TPoint> origins;
  for (const T2DStock& item : list) origins.push_back(item.Origin);
  return origins;
}

TEST(PacketFreeSpace, NewPacketHasOneEmptyFreeRectangle) {
  const TPacket packet;
  EXPECT_EQ(FreeRects(packet), (std::vector<TRect>{{0, 0, 0, 0}}));
  EXPECT_EQ(packet.FreeRects.Record(0).Count, 1);
  EXPECT_EQ(packet.FreeRects.Record(0).Index, 0);
}

TEST(PacketFreeSpace, CornerPlacementLeavesRightThenBottomStrip) {
  TPacket sheet = Sheet(1000, 500);
  EXPECT_EQ(FreeRects(sheet), (std::vector<TRect>{{0, 0, 1000, 500}}));
  sheet.PlacePart(Part(0, 0, 300, 200));
  EXPECT_EQ(FreeRects(sheet), (std::vector<TRect>{{300, 0, 1000, 500}, {0, 200, 1000, 500}}));
  EXPECT_EQ(sheet.TypeCounts[0].Count, 1);
}

TEST(PacketFreeSpace, MiddlePlacementLeavesFourOverlappingStrips) {
  TPacket sheet = Sheet(1000, 500);
  sheet.PlacePart(Part(400, 200, 100, 100));
  EXPECT_EQ(FreeRects(sheet),
            (std::vector<TRect>{
                {0, 0, 400, 500}, {500, 0, 1000, 500}, {0, 0, 1000, 200}, {0, 300, 1000, 500}}));
}

TEST(PacketFreeSpace, PieceTouchingAnEdgeLeavesTheRectangle) {
  TPacket sheet = Sheet(1000, 500);
  sheet.PlacePart(Part(0, 0, 300, 200));
  sheet.CutFreeSpace(Part(0, 100, 300, 100));  // touches the right strip along x = 300
  EXPECT_EQ(FreeRects(sheet), (std::vector<TRect>{{300, 0, 1000, 500}, {0, 200, 1000, 500}}));
}

TEST(PacketFreeSpace, SwallowedRectangleIsRepeatedUntilTheNextCut) {
  TPacket sheet = Sheet(1000, 500);
  sheet.FreeRects.ClearAll();
  sheet.AddFreeRect({0, 0, 100, 100});
  sheet.AddFreeRect({50, 50, 60, 60});  // inside: dropped
  sheet.AddFreeRect({0, 0, 200, 200});  // swallows the first: takes its place and is appended
  EXPECT_EQ(FreeRects(sheet), (std::vector<TRect>{{0, 0, 200, 200}, {0, 0, 200, 200}}));
  sheet.CutFreeSpace(Part(500, 0, 10, 10));
  EXPECT_EQ(FreeRects(sheet), (std::vector<TRect>{{0, 0, 200, 200}}));
}

TEST(PacketFreeSpace, RebuildCutsEveryPieceInOrder) {
  TPacket sheet = Sheet(1000, 500);
  sheet.PlacePart(Part(0, 0, 300, 200));
  sheet.PlacePiece(Part(300, 0, 700, 500));
  const std::vector<TRect> before = FreeRects(sheet);
  EXPECT_EQ(before, (std::vector<TRect>{{0, 200, 300, 500}}));
  sheet.FreeRects.ClearAll();
  sheet.RebuildFreeSpace();
  EXPECT_EQ(FreeRects(sheet), before);
  EXPECT_EQ(sheet.TotalCount(), 1);  // PlacePiece does not count
}

TEST(PacketCorners, PartAsLargeAsTheRectangleTakesThePreferredCorner) {
  const TPacket sheet = Sheet(1000, 500);
  for (int corner = 1; corner <= 4; ++corner) {
    T2DStock result;
    sheet.ChooseCorner(Part(7, 7, 1000, 500), 0, result, corner);
    EXPECT_EQ(result.Origin, (TPoint{0, 0}));
  }
}

TEST(PacketCorners, LeastDestroyedFreeAreaWinsAndTiesGoToTheHigherCorner) {
  TPacket sheet = Sheet(1000, 500);
  sheet.PlacePart(Part(0, 0, 300, 200));  // free: right strip, bottom strip
  T2DStock part = Part(0, 0, 100, 100);
  // In the bottom strip corners 1 and 2 overlap only that strip (10000 each).
  sheet.PlaceAtCorner(part, 1, 1);
  EXPECT_EQ(part.Origin, (TPoint{0, 200}));
  sheet.PlaceAtCorner(part, 1, 3);  // corner 3 is worse: 2 is taken over 1
  EXPECT_EQ(part.Origin, (TPoint{0, 400}));
  // In the right strip corners 1 and 3 tie: 3 is taken over 1.
  sheet.PlaceAtCorner(part, 0, 2);
  EXPECT_EQ(part.Origin, (TPoint{900, 0}));
  sheet.PlaceAtCorner(part, 0, 1);
  EXPECT_EQ(part.Origin, (TPoint{300, 0}));
}

TEST(PacketCorners, NoRoomForHonoursRotation) {
  TPacket sheet = Sheet(300, 400);
  T2DStock part = Part(0, 0, 400, 300);
  part.Rotatable = false;
  EXPECT_TRUE(sheet.NoRoomFor(part));
  part.Rotatable = true;
  EXPECT_FALSE(sheet.NoRoomFor(part));
}

TEST(PacketJoin, EqualSidesPutTheGreaterCountVectorFirst) {
  TPacket one = Sheet(100, 50);
  one.PlacePart(Part(0, 0, 100, 50, 0));
  TPacket two = Sheet(100, 60);
  two.PlacePart(Part(0, 0, 50, 60, 1));
  two.PlacePart(Part(50, 0, 50, 60, 1));
  // counts (1, 0) are above (0, 2): "one" goes on top even as the second argument.
  TPacket joined;
  joined.JoinPackets(true, two, one);
  EXPECT_EQ(joined.Length, 100);
  EXPECT_EQ(joined.Width, 110);
  EXPECT_EQ(Origins(joined.Pieces), (std::vector<TPoint>{{0, 0}, {0, 50}, {50, 50}}));
  EXPECT_EQ(joined.Signature(), "100 110 1 2");
  // The free list describes the first block only.
  EXPECT_EQ(FreeRects(joined), (std::vector<TRect>{{0, 50, 100, 110}}));
}

TEST(PacketJoin, UnequalSidesKeepTheArgumentOrder) {
  TPacket one = Sheet(100, 50);
  one.PlacePart(Part(0, 0, 100, 50, 0));
  TPacket two = Sheet(80, 60);
  two.PlacePart(Part(0, 0, 80, 60, 1));
  TPacket joined;
  joined.JoinPackets(true, two, one);
  EXPECT_EQ(joined.Length, 80);
  EXPECT_EQ(Origins(joined.Pieces), (std::vector<TPoint>{{0, 0}, {0, 60}}));
  joined.JoinPackets(false, one, joined);  // self as an argument
  EXPECT_EQ(joined.Length, 180);
  EXPECT_EQ(joined.Width, 50);
  EXPECT_EQ(Origins(joined.Pieces), (std::vector<TPoint>{{0, 0}, {100, 0}, {100, 60}}));
}

TEST(PacketTransform, TransposeMirrorsPiecesAndFreeRectangles) {
  TPacket sheet = Sheet(1000, 500);
  sheet.PlacePart(Part(100, 50, 300, 200));
  const TPacket original = sheet;
  sheet.Transpose();
  EXPECT_EQ(sheet.Length, 500);
  EXPECT_EQ(sheet.Width, 1000);
  EXPECT_EQ(sheet.Pieces[0].GetRect(), (TRect{50, 100, 250, 400}));
  sheet.Transpose();
  EXPECT_EQ(sheet.GetRect(), original.GetRect());
  EXPECT_EQ(sheet.Pieces[0].GetRect(), original.Pieces[0].GetRect());
  EXPECT_EQ(FreeRects(sheet), FreeRects(original));
  EXPECT_EQ(sheet.Orientation, (original.Orientation + 2) % 4);
}

TEST(PacketTransform, ShrinkLengthsTakesTwiceTheMargin) {
  TPacket block = Sheet(1000, 500);
  block.PlacePart(Part(0, 0, 300, 200));
  block.ShrinkLengths(10);
  EXPECT_EQ(block.Length, 980);
  EXPECT_EQ(block.Pieces[0].Length, 280);
  EXPECT_EQ(block.Pieces[0].Width, 200);
}

TEST(PacketTransform, SortPiecesByRowThenColumn) {
  TPacket sheet = Sheet(1000, 500);
  for (const TPoint& at : {TPoint{0, 200}, TPoint{300, 0}, TPoint{0, 0}}) {
    sheet.RecordPart(Part(at.X, at.Y, 10, 10));
  }
  sheet.SortPieces();
  EXPECT_EQ(Origins(sheet.Pieces), (std::vector<TPoint>{{0, 0}, {300, 0}, {0, 200}}));
}

TEST(PacketTransform, StampingABlockMovesItsPiecesByItsOrigin) {
  TPacket block = Sheet(200, 100);
  block.PlacePart(Part(0, 0, 100, 100, 1));
  block.PlacePart(Part(100, 0, 100, 100, 1));
  block.SetOrigin({500, 300});
  TPacket sheet = Sheet(1000, 500);
  sheet.AddPacketPieces(block);
  EXPECT_EQ(Origins(sheet.Pieces), (std::vector<TPoint>{{500, 300}, {600, 300}}));
  EXPECT_EQ(sheet.TypeCounts[1].Count, 2);
  EXPECT_EQ(sheet.SingleTypeIndex(), 1);
}

TEST(PacketMeasures, UtilisationOfEmptyAndFullPackets) {
  TPacket sheet = Sheet(1000, 500);
  EXPECT_EQ(sheet.Utilisation(), 0.0);
  EXPECT_EQ(sheet.SingleTypeIndex(), -1);
  sheet.PlacePart(Part(0, 0, 1000, 500));
  EXPECT_LT(sheet.Utilisation(), 100.0);
  EXPECT_DOUBLE_EQ(sheet.Utilisation(), 500000.0 / 500000.1 * 100);
  EXPECT_DOUBLE_EQ(sheet.FillPercent(), 100.0);
  EXPECT_EQ(sheet.LargestFreeArea(), 0.0);
}

TEST(PacketMeasures, OffcutPiecesAreNotParts) {
  TPacket sheet = Sheet(1000, 500);
  sheet.PlacePart(Part(0, 0, 500, 500));
  T2DStock offcut = Part(500, 0, 500, 500);
  offcut.SetLabel("OFFCUT_1");
  sheet.PlacePiece(offcut);
  EXPECT_DOUBLE_EQ(sheet.Utilisation(), 250000.0 / 500000.1 * 100);
  EXPECT_DOUBLE_EQ(sheet.FillPercent(), 100.0);
  EXPECT_DOUBLE_EQ(sheet.WasteArea(), (100 - sheet.Utilisation()) * 500000.0 / 100);
}

TEST(PacketMeasures, FreeSpaceSums) {
  TPacket sheet = Sheet(1000, 500);
  sheet.PlacePart(Part(0, 0, 300, 200));
  EXPECT_EQ(sheet.LargestFreeArea(), 700.0 * 500);
  EXPECT_EQ(sheet.TotalFreeArea(), 700.0 * 500 + 1000.0 * 300);
  EXPECT_EQ(sheet.FreeOverlapArea(Part(250, 150, 100, 100)), 50.0 * 100 + 100.0 * 50);
}

TEST(PacketMeasures, CostScoreCountsAFreeSheetAsCostOne) {
  TPacket sheet = Sheet(1000, 500);
  sheet.PlacePart(Part(0, 0, 500, 500));
  sheet.SetCost(0);
  EXPECT_DOUBLE_EQ(sheet.CostScore(2.0), 500000.0 / 1 / 2.0 * 50.0);
  EXPECT_EQ(sheet.Cost, 0);
  sheet.SetCost(4);
  EXPECT_DOUBLE_EQ(sheet.LayoutScore(true, 2.0), 500000.0 / 4 / 2.0 * 50.0);
  EXPECT_DOUBLE_EQ(sheet.LayoutScore(false, 2.0), 50.0);
}

TEST(PacketMeasures, SignatureListsSizeAndCounts) {
  TPacket packet = Sheet(2440, 1220, 3);
  packet.TypeCounts[0].Count = 3;
  packet.TypeCounts[2].Count = 1;
  EXPECT_EQ(packet.Signature(), "2440 1220 3 0 1");
}

TEST(PacketCopy, ClearAndCopyKeepTheListsApart) {
  TPacket sheet = Sheet(1000, 500);
  sheet.PlacePart(Part(0, 0, 300, 200));
  TPacket copy(sheet);
  EXPECT_EQ(copy.Pieces.Size(), 1u);
  EXPECT_EQ(FreeRects(copy), FreeRects(sheet));
  sheet.ClearPacket();
  EXPECT_TRUE(sheet.Pieces.Empty());
  EXPECT_EQ(sheet.TotalCount(), 0);
  EXPECT_EQ(sheet.TypeCounts.Size(), 2u);
  EXPECT_EQ(FreeRects(sheet), (std::vector<TRect>{{0, 0, 1000, 500}}));
  EXPECT_EQ(copy.TotalCount(), 1);
}

class PacketIniTest : public ::testing::Test {
 protected:
  std::string path_ = (std::filesystem::path(::testing::TempDir()) / "packet_test.ini").string();
  void TearDown() override { std::filesystem::remove(path_); }
};

TEST_F(PacketIniTest, LayoutStoresSheetCountsAndPiecesButNoFreeSpace) {
  TPacket layout = Sheet(1000, 500);
  layout.SetLabel("S1").SetCount(3).SetCost(250);
  layout.PlacePart(Part(0, 0, 300, 200, 1));
  {
    TIniFile ini(path_);
    layout.SaveToIni(ini, "LYT0");
    EXPECT_TRUE(ini.SectionExists("LYT0PKPN"));
    EXPECT_EQ(ini.ReadInteger("LYT0PKNPNS", "CN", 0), 2);
    EXPECT_EQ(ini.ReadInteger("LYT0PKUPNS", "CN", 0), 1);
    ASSERT_EQ(ini.Save(), "");
  }
  const TIniFile ini(path_);
  TPacket loaded;
  loaded.LoadFromIni(ini, "LYT0");
  EXPECT_EQ(loaded.Label, "S1");
  EXPECT_EQ(loaded.Count, 3);
  EXPECT_EQ(loaded.Cost, 250);
  EXPECT_EQ(loaded.Signature(), layout.Signature());
  ASSERT_EQ(loaded.Pieces.Size(), 1u);
  EXPECT_EQ(loaded.Pieces[0].GetRect(), (TRect{0, 0, 300, 200}));
  loaded.RebuildFreeSpace();
  EXPECT_EQ(FreeRects(loaded), FreeRects(layout));
}

}  // namespace
}  // namespace vexlin
