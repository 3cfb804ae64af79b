#include "model/panels.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <initializer_list>

#include "model/ini_file.h"

namespace vexlin {
namespace {

// A count vector: entry i has Index i and the given count.
TPanels Counts(std::initializer_list<int32_t> counts) {
  TPanels list;
  for (int32_t count : counts) {
    T2DStock entry;
    entry.SetIndex(static_cast<int32_t>(list.Size())).SetCount(count);
    list.AddCopy(entry);
  }
  return list;
}

TEST(PanelsList, StoresCopiesInInsertionOrder) {
  TPanels list;
  T2DStock record;
  record.SetLabel("A");
  EXPECT_EQ(list.AddCopy(record), 0u);
  record.SetLabel("B");
  EXPECT_EQ(list.AddCopy(record), 1u);
  record.SetLabel("C");
  EXPECT_EQ(list[0].Label, "A");
  EXPECT_EQ(list[1].Label, "B");
  TPanels copy = list;
  copy[0].SetLabel("Z");
  EXPECT_EQ(list[0].Label, "A");
  list.ClearAll();
  EXPECT_TRUE(list.Empty());
}

TEST(PanelsCounts, AddingThenSubtractingRestoresEveryCount) {
  TPanels counts = Counts({5, 0, 2});
  const TPanels layout = Counts({1, 3, 2});
  counts.AddCounts(layout);
  EXPECT_TRUE(counts.SameCounts(Counts({6, 3, 4})));
  counts.SubtractCounts(layout);
  EXPECT_TRUE(counts.SameCounts(Counts({5, 0, 2})));
  EXPECT_EQ(counts.TotalCount(), 7);
}

TEST(PanelsCounts, SingleRecordCountsGoToTheEntryOfItsIndex) {
  TPanels counts = Counts({0, 0, 0});
  T2DStock piece;
  piece.SetIndex(2).SetCount(4);
  counts.AddCountOf(piece);
  EXPECT_TRUE(counts.SameCounts(Counts({0, 0, 4})));
  counts.SubtractCountOf(piece.SetCount(1));
  EXPECT_TRUE(counts.SameCounts(Counts({0, 0, 3})));
}

TEST(PanelsCounts, Comparisons) {
  EXPECT_FALSE(Counts({2, 0, 5}).CountsAbove(Counts({2, 1, 0})));
  EXPECT_TRUE(Counts({2, 1, 0}).CountsAbove(Counts({2, 0, 5})));
  EXPECT_FALSE(Counts({2, 1, 0}).CountsAbove(Counts({2, 1, 0})));
  EXPECT_TRUE(Counts({0, -1, 0}).AllCountsZero());
  EXPECT_TRUE(TPanels().AllCountsZero());
  EXPECT_FALSE(Counts({0, 1}).AllCountsZero());
  EXPECT_TRUE(Counts({1, 3}).AnyCountExceeds(Counts({2, 2})));
  EXPECT_FALSE(Counts({1, 3}).CountsWithin(Counts({2, 2})));
  EXPECT_TRUE(Counts({2, 2}).CountsWithin(Counts({2, 2})));
  EXPECT_FALSE(Counts({2, 2}).SameCounts(Counts({2, 3})));
}

TEST(PanelsCounts, ShareDeviationMeasuresUnevenService) {
  EXPECT_EQ(Counts({10, 0}).ShareDeviation(Counts({5, 1})), 50);  // p = 50, 100; mean 75
  EXPECT_EQ(Counts({4, 4}).ShareDeviation(Counts({2, 2})), 0);
  // Truncating divisions: p = 33, 0, mean 16; |16 - 33| + |16 - 0| = 33.
  EXPECT_EQ(Counts({3, 5}).ShareDeviation(Counts({1, 0})), 33);
}

TEST(PanelsCounts, DemandValueWeighsWhatIsStillWanted) {
  const TPanels layout = Counts({2, 1, 4});
  const TPanels weights = Counts({3, 1, 7});
  // 2*3*4/8 + 1*1*1/2 = 3.5, type 2 has no demand: rounds half to even to 4.
  EXPECT_EQ(layout.DemandValue(Counts({4, 1, 9}), Counts({8, 2, 0}), weights), 4);
  // 2*3*5/8 + 1*1*1/2 = 4.25 -> 4
  EXPECT_EQ(layout.DemandValue(Counts({5, 1, 9}), Counts({8, 2, 0}), weights), 4);
  // One type over-served decides, whatever the others are worth.
  EXPECT_EQ(layout.DemandValue(Counts({100, 0, 9}), Counts({8, 2, 1}), weights), -1);
}

class PanelsIniTest : public ::testing::Test {
 protected:
  std::string path_ = (std::filesystem::path(::testing::TempDir()) / "panels_test.ini").string();
  void TearDown() override { std::filesystem::remove(path_); }
};

TEST_F(PanelsIniTest, ListIsStoredInNumberedSections) {
  TPanels list = Counts({3, 1});
  list[1].SetLabel("second");
  {
    TIniFile ini(path_);
    list.SaveToIni(ini, "LYTP");
    EXPECT_EQ(ini.ReadInteger("LYTPPNS", "CN", -1), 2);
    EXPECT_TRUE(ini.SectionExists("LYTPPNS0PN"));
    EXPECT_EQ(ini.ReadString("LYTPPNS1PN", "L", ""), "second");
    ASSERT_EQ(ini.Save(), "");
  }
  const TIniFile ini(path_);
  TPanels loaded;
  loaded.LoadFromIni(ini, "LYTP");
  ASSERT_EQ(loaded.Size(), 2u);
  EXPECT_TRUE(loaded.SameCounts(list));
  EXPECT_EQ(loaded[1].Label, "second");
  loaded.LoadFromIni(ini, "LYTP");  // not emptied first: the entries double
  EXPECT_EQ(loaded.Size(), 4u);
}

TEST_F(PanelsIniTest, DamagedCountReadsNoMoreEntriesThanTheFileHolds) {
  {
    TIniFile ini(path_);
    ini.WriteInteger("XPNS", "CN", 2000000000);
    ini.WriteString("XPNS0PN", "L", "only");
    ASSERT_EQ(ini.Save(), "");
  }
  TPanels loaded;
  loaded.LoadFromIni(TIniFile(path_), "X");
  EXPECT_LE(loaded.Size(), 2u);
  EXPECT_EQ(loaded[0].Label, "only");
}

}  // namespace
}  // namespace vexlin
