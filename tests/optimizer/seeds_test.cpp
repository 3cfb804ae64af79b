#include "optimizer/seeds.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <string>
#include <utility>
#include <vector>

#include "model/random.h"
#include "model/run_options.h"
#include "model/trapezium_list.h"
#include "optimizer/schemes.h"
#include "optimizer/search_counters.h"

namespace vexlin {
namespace {

using TSize = std::pair<int32_t, int32_t>;
using TSizes = std::vector<TSize>;

T2DStock PartType(int32_t index, int32_t length, int32_t width, int32_t count,
                  bool rotatable = true) {
  T2DStock part;
  part.SetIndex(index).SetLength(length).SetWidth(width).SetCount(count);
  part.SetLabel("P" + std::to_string(index));
  part.Rotatable = rotatable;
  return part;
}

template <typename TList>
TSizes Sizes(const TList& blocks) {
  TSizes sizes;
  for (const TPacket& block : blocks) sizes.emplace_back(block.Length, block.Width);
  return sizes;
}

std::vector<TPoint> Origins(const TPacket& block) {
  std::vector<TPoint> origins;
  for (const T2DStock& piece : block.Pieces) origins.push_back(piece.Origin);
  return origins;
}

std::vector<int32_t> Counts(const TPacket& block) {
  std::vector<int32_t> counts;
  for (const T2DStock& entry : block.TypeCounts) counts.push_back(entry.Count);
  return counts;
}

TPacket SheetFor(const TSeeds& seeds, int32_t length, int32_t width) {
  TPacket sheet(seeds.SeedParts);
  sheet.SetLength(length).SetWidth(width).SetIndex(0).SetCount(1).SetLabel("S");
  sheet.ResetFreeSpace();
  return sheet;
}

class SeedsTest : public ::testing::Test {
 protected:
  void SetUp() override {
    BladeWidth = 0;
    FastMode = false;
    GuillotineMode = false;
    SeedCounter = 0;
    SchemeCallCount = 0;
    ResetRandomForTests();
  }
  void TearDown() override { FastMode = false; }

  void Limits(int32_t maxLength, int32_t maxWidth) {
    seeds.SetMaxLength(maxLength);
    seeds.SetMaxWidth(maxWidth);
  }

  TSeeds seeds;
};

TEST_F(SeedsTest, GridsOfARotatablePartComeUprightThenTurned) {
  seeds.SeedParts.AddCopy(PartType(0, 500, 300, 4));
  Limits(1000, 600);
  seeds.GenBaseSeeds();
  EXPECT_EQ(
      Sizes(seeds.PendingSeeds),
      (TSizes{
          {500, 300}, {500, 600}, {1000, 300}, {1000, 600}, {300, 500}, {600, 500}, {900, 500}}));
  EXPECT_EQ(SeedCounter, 7);
  EXPECT_EQ(seeds.KnownSignatures.size(), 7u);
  // Column by column.
  EXPECT_EQ(Origins(seeds.PendingSeeds[3]),
            (std::vector<TPoint>{{0, 0}, {0, 300}, {500, 0}, {500, 300}}));
  EXPECT_EQ(Counts(seeds.PendingSeeds[3]), (std::vector<int32_t>{4}));
  const T2DStock& turned = seeds.PendingSeeds[6].Pieces[2];
  EXPECT_EQ(turned.Origin, (TPoint{600, 0}));
  EXPECT_EQ(turned.Orientation, 2);
  EXPECT_EQ(seeds.SeedParts[0].Length, 500);
}

TEST_F(SeedsTest, SquareAndFixedPartsHaveNoTurnedGrids) {
  seeds.SeedParts.AddCopy(PartType(0, 300, 300, 2));
  seeds.SeedParts.AddCopy(PartType(1, 500, 300, 4, false));
  Limits(1000, 600);
  seeds.GenBaseSeeds();
  EXPECT_EQ(
      Sizes(seeds.PendingSeeds),
      (TSizes{
          {300, 300}, {300, 600}, {600, 300}, {500, 300}, {500, 600}, {1000, 300}, {1000, 600}}));
}

TEST_F(SeedsTest, ProfilesWithAGapArePairedHeadToTail) {
  TTrapezium shape;
  shape.Define(false, "TRAP", 200, 0, 300, 100, 100, 300, TExtPolyline(), 0);
  ProfileShapes().AddOrReplace(shape);
  T2DStock profile = PartType(0, 400, 200, 3);
  profile.SetLabel("TRAP").SetShape(kShapeProfile);
  seeds.SeedParts.AddCopy(profile);
  Limits(1000, 600);
  seeds.GenBaseSeeds();
  ProfileShapes().ClearList();
  // Pitch 600, odd end 400: rows of 1, 2 and 3 pieces; only the single one fits turned.
  EXPECT_EQ(Sizes(seeds.PendingSeeds), (TSizes{{400, 200}, {200, 400}, {700, 200}, {1000, 200}}));
  const TPacket& row = seeds.PendingSeeds[3];
  EXPECT_EQ(Origins(row), (std::vector<TPoint>{{0, 0}, {300, 0}, {600, 0}}));
  EXPECT_EQ(row.Pieces[0].Orientation, 1);
  EXPECT_EQ(row.Pieces[1].Orientation, 3);
  EXPECT_FALSE(row.Pieces[0].Selectable);
  EXPECT_TRUE(seeds.PendingSeeds[0].Pieces[0].Selectable);
  EXPECT_DOUBLE_EQ(row.Pieces[2].AreaFactor, 3 * 60000.0 / (1000 * 200));
  EXPECT_EQ(SeedCounter, 4);
}

TEST_F(SeedsTest, OnePartTypeIsNeverJoinedWithItself) {
  seeds.SeedParts.AddCopy(PartType(0, 500, 300, 4));
  Limits(1000, 600);
  int steps = 0;
  seeds.ProgressStep = [&steps] { ++steps; };
  seeds.GenerateSeeds();
  // Seed 0 is empty; the base blocks follow in reverse order of their making.
  EXPECT_EQ(Sizes(seeds.SeedList), (TSizes{{0, 0},
                                           {900, 500},
                                           {600, 500},
                                           {300, 500},
                                           {1000, 600},
                                           {1000, 300},
                                           {500, 600},
                                           {500, 300}}));
  EXPECT_EQ(seeds.SeedList[0].TypeCounts.Size(), 1u);
  size_t indexed = 0;
  for (size_t g = 0; g < seeds.LengthIndex.Size(); ++g) indexed += seeds.LengthIndex[g].Count();
  EXPECT_EQ(indexed, 7u);
  EXPECT_EQ(SeedCounter, 0);
  EXPECT_EQ(steps, 0);
  EXPECT_TRUE(seeds.PendingSeeds.empty());
}

TEST_F(SeedsTest, DifferentTypesAreJoinedAndKeepTheLongerSeedsLength) {
  seeds.SeedParts.AddCopy(PartType(0, 500, 300, 1, false));
  seeds.SeedParts.AddCopy(PartType(1, 490, 200, 1, false));
  Limits(1000, 600);
  seeds.GenerateSeeds();
  ASSERT_EQ(Sizes(seeds.SeedList), (TSizes{{0, 0}, {490, 200}, {500, 300}, {500, 500}}));
  const TPacket& joined = seeds.SeedList[3];
  EXPECT_EQ(Counts(joined), (std::vector<int32_t>{1, 1}));
  EXPECT_EQ(Origins(joined), (std::vector<TPoint>{{0, 0}, {0, 300}}));
  EXPECT_EQ(joined.Pieces[1].Index, 1);
}

TEST_F(SeedsTest, ManyPendingSeedsLastTimeJoinOnlyExactSides) {
  seeds.SeedParts.AddCopy(PartType(0, 500, 300, 1, false));
  seeds.SeedParts.AddCopy(PartType(1, 490, 200, 1, false));
  Limits(1000, 600);
  SeedCounter = 257;
  seeds.GenerateSeeds();
  EXPECT_EQ(Sizes(seeds.SeedList), (TSizes{{0, 0}, {490, 200}, {500, 300}}));
}

TEST_F(SeedsTest, ManyBaseSeedsAreAddedWithoutJoining) {
  // Ten square types of 20 pieces give 66 grids each.
  for (int32_t i = 0; i < 10; ++i) seeds.SeedParts.AddCopy(PartType(i, 100 + i, 100 + i, 20));
  Limits(3000, 3000);
  seeds.GenerateSeeds();
  EXPECT_EQ(seeds.SeedList.size(), 661u);
  EXPECT_EQ(SeedCounter, 0);
  for (size_t n = 1; n < seeds.SeedList.size(); ++n) {
    ASSERT_GE(seeds.SeedList[n].SingleTypeIndex(), 0) << n;
  }
  EXPECT_EQ(seeds.SeedList[1].SingleTypeIndex(), 9);
  EXPECT_EQ(seeds.SeedList.back().SingleTypeIndex(), 0);
}

TEST_F(SeedsTest, LibraryStopsAt1024SeedsAndStepsEveryTenth) {
  for (int32_t i = 0; i < 4; ++i) seeds.SeedParts.AddCopy(PartType(i, 200 + 10 * i, 150, 4));
  Limits(2440, 1220);
  int steps = 0;
  seeds.ProgressStep = [&steps] { ++steps; };
  seeds.GenerateSeeds();
  EXPECT_EQ(seeds.SeedList.size(), 1024u);
  EXPECT_EQ(steps, 102);
  EXPECT_TRUE(seeds.PendingSeeds.empty());

  seeds.Clear();
  EXPECT_TRUE(seeds.SeedList.empty());
  EXPECT_EQ(seeds.LengthIndex.Size(), 0u);
  EXPECT_EQ(seeds.WidthIndex.Size(), 0u);
  EXPECT_TRUE(seeds.KnownSignatures.empty());
}

TEST_F(SeedsTest, LibraryStopsWhenTooManySeedsArePending) {
  for (int32_t i = 0; i < 6; ++i) seeds.SeedParts.AddCopy(PartType(i, 200 + 10 * i, 150, 6));
  Limits(2440, 1220);
  seeds.GenerateSeeds();
  // Tested before each seed is taken, so the count may pass the cap by a few.
  EXPECT_GT(SeedCounter, 4095);
  EXPECT_LT(SeedCounter, 4095 + 20);
  EXPECT_LT(seeds.SeedList.size(), 1024u);
  EXPECT_TRUE(seeds.PendingSeeds.empty());
}

std::vector<bool> TypesWithABlock(const TSeeds& seeds) {
  std::vector<bool> found(seeds.SeedParts.Size(), false);
  for (const TPacket& seed : seeds.SeedList) {
    for (size_t i = 0; i < found.size(); ++i) found[i] = found[i] || seed.TypeCounts[i].Count > 0;
  }
  return found;
}

// The first types' base blocks wait longest; the library once stopped before they came.
TEST_F(SeedsTest, EveryPartTypeKeepsABlockWhenTheLibraryStopsGrowing) {
  for (int32_t i = 0; i < 66; ++i) seeds.SeedParts.AddCopy(PartType(i, 31 + i, 20, 1));
  Limits(2800, 2070);
  seeds.GenerateSeeds();
  EXPECT_GT(SeedCounter, 4095);
  EXPECT_EQ(TypesWithABlock(seeds), std::vector<bool>(66, true));
}

TEST_F(SeedsTest, PartsOfHugeCountsKeepTheLibrarySmallAndEveryTypeABlock) {
  seeds.SeedParts.AddCopy(PartType(0, 500, 300, 2));
  seeds.SeedParts.AddCopy(PartType(1, 10, 13, 10000));
  Limits(3000, 1500);
  seeds.GenerateSeeds();
  size_t pieces = 0;
  for (const TPacket& seed : seeds.SeedList) pieces += seed.Pieces.Size();
  EXPECT_LE(pieces, 100000u + 4);  // single pieces are made beyond the budget
  EXPECT_EQ(TypesWithABlock(seeds), std::vector<bool>(2, true));
  // Both orientations of the small part can still be placed one by one.
  EXPECT_EQ(std::count_if(seeds.SeedList.begin(), seeds.SeedList.end(),
                          [](const TPacket& seed) { return seed.Pieces.Size() == 1; }),
            4);
}

TEST_F(SeedsTest, AFullTargetListOnlyCountsTheCall) {
  seeds.SeedParts.AddCopy(PartType(0, 500, 300, 4));
  Limits(1000, 600);
  seeds.GenerateSeeds();
  int steps = 0;
  seeds.ProgressStep = [&steps] { ++steps; };
  TSchemes target;
  TPacket filler = SheetFor(seeds, 10, 10);
  for (int i = 0; i < 1025; ++i) target.Items.push_back(filler);
  const TPacket sheet = SheetFor(seeds, 1000, 600);
  seeds.GenSchemesForSheet(seeds.SeedParts, sheet, 0, 1, false, target);
  EXPECT_EQ(target.Size(), 1025u);
  EXPECT_EQ(SchemeCallCount, 1);
  EXPECT_EQ(steps, 1);

  FastMode = true;
  target.Items.resize(513);
  seeds.GenSchemesForSheet(seeds.SeedParts, sheet, 0, 1, false, target);
  EXPECT_EQ(target.Size(), 513u);
  EXPECT_EQ(SchemeCallCount, 2);
}

TEST_F(SeedsTest, ASheetIsFilledAndOffered) {
  seeds.SeedParts.AddCopy(PartType(0, 500, 300, 4));
  Limits(1000, 600);
  seeds.GenerateSeeds();
  TSchemes target;
  seeds.GenSchemesForSheet(seeds.SeedParts, SheetFor(seeds, 1000, 600), 0, 1, false, target);
  ASSERT_EQ(target.Size(), 1u);
  const TPacket& layout = target[0];
  EXPECT_EQ(Counts(layout), (std::vector<int32_t>{4}));
  EXPECT_DOUBLE_EQ(layout.FillPercent(), 100.0);
  EXPECT_EQ(layout.Label, "S");
  EXPECT_EQ(layout.Count, 1);
  EXPECT_TRUE(layout.FreeRects.Empty());
}

TEST_F(SeedsTest, RefillAtLevelZeroGoesBeyondTheAvailableParts) {
  seeds.SeedParts.AddCopy(PartType(0, 500, 300, 4, false));
  seeds.SeedParts.AddCopy(PartType(1, 1000, 600, 1, false));
  Limits(1000, 600);
  seeds.GenerateSeeds();
  TPanels available = seeds.SeedParts;
  available[0].Count = 2;
  const TPacket sheet = SheetFor(seeds, 1000, 600);
  // Two small parts leave room only for more of them, not for the large one.
  TSchemes refilled;
  seeds.GenSchemesForSheet(available, sheet, 0, 1, false, refilled);
  ASSERT_EQ(refilled.Size(), 2u);
  EXPECT_EQ(Counts(refilled[0]), (std::vector<int32_t>{0, 1}));
  EXPECT_EQ(Counts(refilled[1]), (std::vector<int32_t>{4, 0}));
  TSchemes limited;
  seeds.GenSchemesForSheet(available, sheet, 9, 1, false, limited);
  ASSERT_FALSE(limited.Empty());
  for (const TPacket& layout : limited.Items) EXPECT_LE(layout.TypeCounts[0].Count, 2);
}

TEST_F(SeedsTest, TheCornerPreferenceDecidesWhereATiedSeedGoes) {
  seeds.SeedParts.AddCopy(PartType(0, 500, 300, 1, false));
  seeds.SeedParts.AddCopy(PartType(1, 200, 200, 1, false));
  Limits(1000, 600);
  seeds.GenerateSeeds();
  const TPacket sheet = SheetFor(seeds, 1000, 600);
  TSchemes first;
  seeds.GenSchemesForSheet(seeds.SeedParts, sheet, 9, 1, false, first);
  TSchemes fourth;
  seeds.GenSchemesForSheet(seeds.SeedParts, sheet, 9, 4, false, fourth);
  ASSERT_EQ(first.Size(), 1u);
  ASSERT_EQ(fourth.Size(), 1u);
  // The small part goes beside the large one: top left of the free space, or its far end.
  EXPECT_EQ(Origins(first[0]), (std::vector<TPoint>{{0, 0}, {500, 0}}));
  EXPECT_EQ(Origins(fourth[0]), (std::vector<TPoint>{{0, 0}, {800, 0}}));
}

TEST_F(SeedsTest, OnlyRandomFillingDraws) {
  for (int32_t i = 0; i < 4; ++i) seeds.SeedParts.AddCopy(PartType(i, 300 + 70 * i, 200, 3));
  Limits(1200, 800);
  seeds.GenerateSeeds();
  const TPacket sheet = SheetFor(seeds, 1200, 800);
  TSchemes plain;
  seeds.GenSchemesForSheet(seeds.SeedParts, sheet, 9, 1, false, plain);
  EXPECT_EQ(ProcessRandom().State(), 0u);
  TSchemes drawn;
  seeds.GenSchemesForSheet(seeds.SeedParts, sheet, 9, 1, true, drawn);
  EXPECT_NE(ProcessRandom().State(), 0u);
  EXPECT_FALSE(drawn.Empty());
}

}  // namespace
}  // namespace vexlin
