#include "input/grid_totals.h"

#include <gtest/gtest.h>

#include <numbers>

#include "model/pub_func.h"
#include "model/run_options.h"

namespace vexlin {
namespace {

class GridTotals : public ::testing::Test {
 protected:
  void SetUp() override { PubFunc().SetDecimalPlaces(3); }
  void TearDown() override { BladeWidth = 0; }
  TGridTotals totals_;
};

TEST_F(GridTotals, SheetTotalsShowSquareUnitsCountAndCost) {
  TGrid rows = {{"S", "2000", "1000", "3", "12.5"}};
  ASSERT_FALSE(ComputeGridTotals(rows, TGridKind::Sheets, totals_).has_value());
  const TGridTotalsTexts texts = GridTotalsTexts(totals_, TGridKind::Sheets);
  EXPECT_EQ(texts.Area, "6000000");
  EXPECT_EQ(texts.Quantity, "3");
  EXPECT_EQ(texts.Cost, "37.5");
}

TEST_F(GridTotals, OnlyRowsWithSizesAndQuantityCountAndEmptyCostBecomesZero) {
  TGrid rows = {
      {"only a label"},
      {"", "500"},
      {"", "1.5", "2", "4", ""},
      {"B", "1", "1", "1", "0.001"},
  };
  const TGrid untouched = {rows[0], rows[1]};
  ASSERT_FALSE(ComputeGridTotals(rows, TGridKind::Offcuts, totals_).has_value());
  EXPECT_EQ(rows[0], untouched[0]);
  EXPECT_EQ(rows[1], untouched[1]);
  EXPECT_EQ(rows[2][4], "0");
  EXPECT_EQ(totals_.Quantity, 5);
  EXPECT_EQ(totals_.Cost, 1);
  const TGridTotalsTexts texts = GridTotalsTexts(totals_, TGridKind::Offcuts);
  EXPECT_EQ(texts.Area, "13");
  EXPECT_EQ(texts.Cost, "0.001");
}

TEST_F(GridTotals, FaultsUseTheirGridsMessagesAndKeepThePreviousTotals) {
  totals_ = {1.0, 2, 3};
  TGrid sheets = {{"S", "10", "10", "0"}};
  auto fault = ComputeGridTotals(sheets, TGridKind::Sheets, totals_);
  ASSERT_TRUE(fault.has_value());
  EXPECT_EQ(fault->Message, "Current sheet quantity format error.");
  TGrid offcuts = {{"O", "10", "-10", "1"}};
  fault = ComputeGridTotals(offcuts, TGridKind::Offcuts, totals_);
  ASSERT_TRUE(fault.has_value());
  EXPECT_EQ(fault->Message, "Current offcut Width format error.");
  EXPECT_EQ(fault->Column, 2u);
  EXPECT_EQ(totals_.Area, 1.0);
  EXPECT_EQ(totals_.Quantity, 2);
  EXPECT_EQ(totals_.Cost, 3);
}

TEST_F(GridTotals, PartsNeedNoLabelAllowQuantityZeroAndUseTheSizesAsTyped) {
  BladeWidth = 5000;
  TGrid rows = {
      {"", "2", "1", "n", "3"},
      {"Z", "9", "9", "", "0", ""},
      {"D", "1", "1", "R", "2", "c"},
  };
  ASSERT_FALSE(ComputeGridTotals(rows, TGridKind::Parts, totals_).has_value());
  EXPECT_EQ(rows[0][3], "N");
  EXPECT_EQ(rows[1][5], "R");
  EXPECT_EQ(totals_.Quantity, 5);
  EXPECT_DOUBLE_EQ(totals_.Area, 6e6 + 2 * 1e6 * std::numbers::pi / 4);
  EXPECT_EQ(GridTotalsTexts(totals_, TGridKind::Parts).Area, "7.5707963267949");
}

TEST_F(GridTotals, HugeCostSumsDoNotWrap) {
  TGrid rows(3, TGridRow{"S", "1", "1", "2147483647", "2147483"});
  ASSERT_FALSE(ComputeGridTotals(rows, TGridKind::Sheets, totals_).has_value());
  EXPECT_EQ(totals_.Cost, INT64_MAX);
  EXPECT_EQ(GridTotalsTexts(totals_, TGridKind::Sheets).Quantity, "6442450941");
}

}  // namespace
}  // namespace vexlin
