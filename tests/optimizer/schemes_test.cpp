#include "optimizer/schemes.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <string>
#include <vector>

#include "model/ini_file.h"
#include "model/run_options.h"

namespace vexlin {
namespace {

// A layout with the given counts and no pieces; the label tells layouts apart.
TPacket Counted(const std::vector<int32_t>& counts, std::string_view label, int32_t index = 0,
                int32_t length = 1000, int32_t width = 1000) {
  TPacket layout;
  for (size_t i = 0; i < counts.size(); ++i) {
    T2DStock entry;
    entry.SetIndex(static_cast<int32_t>(i)).SetCount(counts[i]);
    layout.TypeCounts.AddCopy(entry);
  }
  layout.SetLength(length).SetWidth(width).SetIndex(index).SetCount(1).SetLabel(label);
  layout.ResetFreeSpace();
  return layout;
}

T2DStock Piece(int32_t x, int32_t y, int32_t length, int32_t width) {
  T2DStock piece;
  piece.SetOrigin({x, y}).SetLength(length).SetWidth(width).SetIndex(0).SetCount(1);
  return piece;
}

// A 1000 x 1000 sheet holding one piece.
TPacket OnePiece(int32_t x, int32_t length, std::string_view label) {
  TPacket layout = Counted({0}, label);
  layout.PlacePart(Piece(x, 0, length, 1000));
  return layout;
}

std::vector<std::string> Labels(const TSchemes& list) {
  std::vector<std::string> labels;
  for (const TPacket& layout : list.Items) labels.push_back(layout.Label);
  return labels;
}

using TLabels = std::vector<std::string>;

TEST(SchemesOffer, FillThresholdFallsThreePointsPerLevel) {
  TSchemes list;
  list.OfferScheme(OnePiece(0, 919, "a"), false, 0);
  EXPECT_TRUE(list.Empty());
  list.OfferScheme(OnePiece(0, 919, "a"), false, 1);
  EXPECT_EQ(Labels(list), TLabels{"a"});
  TSchemes sparse;
  sparse.OfferScheme(OnePiece(0, 679, "b"), false, 8);
  EXPECT_TRUE(sparse.Empty());
  sparse.OfferScheme(OnePiece(0, 100, "b"), false, 9);
  EXPECT_EQ(Labels(sparse), TLabels{"b"});
}

TEST(SchemesOffer, DominatedLayoutsGiveWay) {
  TSchemes list;
  list.OfferScheme(Counted({2, 0, 0}, "a"), false, 9);
  list.OfferScheme(Counted({2, 0, 0}, "same"), false, 9);
  EXPECT_EQ(Labels(list), TLabels{"a"});
  list.OfferScheme(Counted({2, 1, 0}, "more"), false, 9);
  EXPECT_EQ(Labels(list), TLabels{"more"});
  list.OfferScheme(Counted({1, 0, 0}, "less"), false, 9);
  list.OfferScheme(Counted({0, 0, 3}, "other"), false, 9);
  EXPECT_EQ(Labels(list), (TLabels{"more", "other"}));
  // Another sheet size is never compared.
  list.OfferScheme(Counted({1, 0, 0}, "small", 0, 500, 1000), false, 9);
  EXPECT_EQ(Labels(list), (TLabels{"more", "other", "small"}));
}

TEST(SchemesOffer, OneNewLayoutReplacesAllItDominates) {
  TSchemes list;
  list.OfferScheme(Counted({1, 0}, "elsewhere", 0, 800, 600), false, 9);
  list.OfferScheme(Counted({1, 0}, "first"), false, 9);
  list.OfferScheme(Counted({0, 1}, "second"), false, 9);
  list.OfferScheme(Counted({1, 1}, "both"), false, 9);
  EXPECT_EQ(Labels(list), (TLabels{"elsewhere", "both"}));
}

TEST(SchemesOffer, ARunOfOffersKeepsWhatSingleOffersKeep) {
  TSchemes list;
  list.OfferScheme(Counted({0, 0, 3}, "kept before"), false, 9);
  list.BeginOffers();
  list.OfferScheme(Counted({1, 0, 0}, "first"), false, 9);
  list.OfferScheme(Counted({0, 1, 0}, "second"), false, 9);
  list.OfferScheme(Counted({1, 1, 0}, "both"), false, 9);
  list.OfferScheme(Counted({1, 0, 0}, "less"), false, 9);
  list.OfferScheme(Counted({1, 1, 0}, "same"), false, 9);
  list.OfferScheme(Counted({0, 0, 4}, "more"), false, 9);
  list.EndOffers();
  EXPECT_EQ(Labels(list), (TLabels{"more", "both"}));
  // A change made after the run is seen by the next single offer.
  list.Items.push_back(Counted({2, 2, 0}, "added"));
  list.OfferScheme(Counted({2, 1, 0}, "dominated"), false, 9);
  EXPECT_EQ(Labels(list), (TLabels{"more", "both", "added"}));
}

TEST(SchemesOffer, TypesBeyondSixtyFourAreComparedInFull) {
  std::vector<int32_t> low(70, 0);
  std::vector<int32_t> high(70, 0);
  low[0] = 1;
  high[64] = 1;
  std::vector<int32_t> both = low;
  both[64] = 1;
  TSchemes list;
  list.OfferScheme(Counted(low, "low"), false, 9);
  list.OfferScheme(Counted(high, "high"), false, 9);
  EXPECT_EQ(Labels(list), (TLabels{"low", "high"}));
  list.OfferScheme(Counted(both, "both"), false, 9);
  EXPECT_EQ(Labels(list), TLabels{"both"});
}

TEST(SchemesOffer, SheetTypesOfTheSameSizeAreKeptApart) {
  TSchemes list;
  list.OfferScheme(Counted({2, 1}, "cheap", 0), false, 9);
  list.OfferScheme(Counted({2, 1}, "dear", 1), false, 9);
  list.OfferScheme(Counted({1, 1}, "dear less", 1), false, 9);
  EXPECT_EQ(Labels(list), (TLabels{"cheap", "dear"}));
}

TEST(SchemesOffer, EqualCountsPreferFillThenFewerAndLargerFreeRectangles) {
  TSchemes list;
  list.OfferScheme(OnePiece(0, 500, "half"), false, 9);
  list.OfferScheme(OnePiece(0, 504, "barely fuller"), false, 9);  // smaller free rectangle
  EXPECT_EQ(Labels(list), TLabels{"half"});
  list.OfferScheme(OnePiece(0, 506, "fuller"), false, 9);
  EXPECT_EQ(Labels(list), TLabels{"fuller"});
  list.OfferScheme(OnePiece(0, 500, "emptier"), false, 9);
  EXPECT_EQ(Labels(list), TLabels{"fuller"});

  TSchemes split;
  split.OfferScheme(OnePiece(250, 500, "middle"), false, 9);  // two free rectangles
  split.OfferScheme(OnePiece(0, 500, "left"), false, 9);
  EXPECT_EQ(Labels(split), TLabels{"left"});
  split.OfferScheme(OnePiece(250, 500, "middle again"), false, 9);
  EXPECT_EQ(Labels(split), TLabels{"left"});
}

TEST(SchemesOffer, GuillotineModeNeverStoresAnUncuttableLayout) {
  TPacket pinwheel = Counted({0}, "pinwheel", 0, 300, 300);
  for (const T2DStock& piece : {Piece(0, 0, 200, 100), Piece(200, 0, 100, 200),
                                Piece(100, 200, 200, 100), Piece(0, 100, 100, 200)}) {
    pinwheel.PlacePart(piece);
  }
  TPacket single = Counted({0}, "single", 0, 300, 300);
  single.PlacePart(Piece(0, 0, 200, 100));

  TSchemes list;
  list.OfferScheme(pinwheel, true, 9);
  EXPECT_TRUE(list.Empty());
  list.OfferScheme(single, true, 9);
  list.OfferScheme(pinwheel, true, 9);
  EXPECT_EQ(Labels(list), TLabels{"single"});
  list.OfferScheme(pinwheel, false, 9);
  EXPECT_EQ(Labels(list), TLabels{"pinwheel"});
}

TEST(SchemesUsage, MergesOnlyEqualCountsOfTheSameSheetType) {
  TSchemes list;
  TPacket twice = Counted({1, 2}, "a", 0);
  twice.Count = 2;
  list.AddUsage(Counted({1, 2}, "a", 0));
  list.AddUsage(twice);
  list.AddUsage(Counted({1, 2}, "other type", 1));
  list.AddUsage(Counted({2, 1}, "other counts", 0));
  EXPECT_EQ(Labels(list), (TLabels{"a", "other type", "other counts"}));
  EXPECT_EQ(list[0].Count, 3);
  EXPECT_EQ(list[1].Count, 1);
}

class SchemesStatistics : public ::testing::Test {
 protected:
  void SetUp() override {
    BladeWidth = 0;
    TPacket half = OnePiece(0, 500, "half");
    half.Count = 2;
    half.Cost = 3;
    TPacket full = Counted({0}, "full", 1, 1000, 500);
    full.PlacePart(Piece(0, 0, 1000, 500));
    full.Cost = 5;
    TPacket unused = OnePiece(0, 100, "unused");
    unused.Count = 0;
    unused.Cost = 7;
    unused.Index = 2;
    for (const TPacket* layout : {&half, &full, &unused}) list.Items.push_back(*layout);
  }
  void TearDown() override { BladeWidth = 0; }

  TSchemes list;
};

TEST_F(SchemesStatistics, AreasAreWeightedByTheSheetCount) {
  // Every layout loses a tenth of a unit of area to the utilisation's guard term.
  EXPECT_NEAR(list.TotalWasteArea(), 1000000.0, 0.5);
  EXPECT_NEAR(list.UsedPercent(), 60.0, 1e-4);
  EXPECT_DOUBLE_EQ(list.TotalCost(), 11.0);
  BladeWidth = 10;
  EXPECT_DOUBLE_EQ(list.TotalNetArea(), 2 * 990.0 * 990 + 990.0 * 490);
}

TEST_F(SchemesStatistics, WorstWasteIsTakenFromUsedLayoutsOnly) {
  EXPECT_NEAR(list.AreaLessWorstWaste(), 2500000.0 - 500000.0, 0.5);
  for (TPacket& layout : list.Items) layout.Count = 0;
  EXPECT_DOUBLE_EQ(list.AreaLessWorstWaste(), 0.0);
  EXPECT_DOUBLE_EQ(TSchemes().UsedPercent(), 0.0);
}

TEST_F(SchemesStatistics, SavedLayoutsLoadBackAndEqualOnesMerge) {
  TIniFile ini((std::filesystem::path(::testing::TempDir()) / "vexlin-none/schemes.lyt").string());
  list.SaveToIni(ini, "LYT");
  EXPECT_EQ(ini.ReadInteger("LYTSC", "CN", 0), 3);
  EXPECT_TRUE(ini.SectionExists("LYTSC1PKPN"));

  TSchemes loaded;
  loaded.LoadFromIni(ini, "LYT");
  ASSERT_EQ(Labels(loaded), Labels(list));
  for (size_t i = 0; i < list.Size(); ++i) {
    EXPECT_EQ(loaded[i].Signature(), list[i].Signature());
    EXPECT_EQ(loaded[i].Count, list[i].Count);
    EXPECT_EQ(loaded[i].Pieces.Size(), list[i].Pieces.Size());
    EXPECT_EQ(loaded[i].Pieces[0].GetRect(), list[i].Pieces[0].GetRect());
  }
  loaded.LoadFromIni(ini, "LYT");
  EXPECT_EQ(loaded.Size(), 3u);
  EXPECT_EQ(loaded[0].Count, 4);
}

}  // namespace
}  // namespace vexlin
