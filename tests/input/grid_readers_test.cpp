#include "input/grid_readers.h"

#include <gtest/gtest.h>

#include <string>

#include "model/pub_func.h"
#include "model/text_table.h"

namespace vexlin {
namespace {

struct Expected {
  std::string message;
  size_t row;
  size_t column;
};

void ExpectFault(const std::optional<TCellFault>& fault, const Expected& expected) {
  ASSERT_TRUE(fault.has_value()) << expected.message;
  EXPECT_EQ(fault->Message, expected.message);
  EXPECT_EQ(fault->Row, expected.row) << expected.message;
  EXPECT_EQ(fault->Column, expected.column) << expected.message;
}

class GridReaders : public ::testing::Test {
 protected:
  void SetUp() override { PubFunc().SetDecimalPlaces(3); }
  void TearDown() override { Texts().ResetToDefaults(); }
  TPanels list_;
};

TEST(TextToWhole, TakesDecimalWholeNumbersWithBlanksAndSign) {
  EXPECT_EQ(TextToWhole(" 12 "), 12);
  EXPECT_EQ(TextToWhole("+3"), 3);
  EXPECT_EQ(TextToWhole("-4"), -4);
  EXPECT_EQ(TextToWhole("-2147483648"), INT32_MIN);
  EXPECT_EQ(TextToWhole("2147483647"), INT32_MAX);
  for (const char* bad : {"", "  ", "2147483648", "1.0", "1e3", "- 3", "+-3", "0x10", "3a", "+"}) {
    EXPECT_FALSE(TextToWhole(bad).has_value()) << bad;
  }
}

TEST_F(GridReaders, SheetFaultsNameTheFirstBadCellInColumnOrder) {
  const TGridRow good = {"S", "100", "50", "2", "1"};
  const std::vector<std::pair<TGridRow, Expected>> cases = {
      {{"S", "x", "x", "x", "x"}, {"Current sheet Length format error.", 1, 1}},
      {{"S", "0", "50", "2", ""}, {"Current sheet Length format error.", 1, 1}},
      {{"S", "3000000", "50", "2", ""}, {"Current sheet Length format error.", 1, 1}},
      {{"S", "100", "-1", "2", ""}, {"Current sheet Width format error.", 1, 2}},
      {{"S", "100", "50", "1.5", ""}, {"Current sheet quantity format error.", 1, 3}},
      {{"S", "100", "50", "0", ""}, {"Current sheet quantity format error.", 1, 3}},
      {{"S", "100", "50", "2", "-0.5"}, {"Current sheet cost format error.", 1, 4}},
      {{"S", "100", "50", "2", "free"}, {"Current sheet cost format error.", 1, 4}},
      {{"S"}, {"Current sheet Length format error.", 1, 1}},
  };
  for (const auto& [bad, expected] : cases) {
    TGrid rows = {good, bad};
    ExpectFault(ReadSheetRows(rows, list_), expected);
  }
}

TEST_F(GridReaders, EmptyCostIsWrittenBackAsZeroOnlyWhenReached) {
  TGrid rows = {{"S", "2440", "1220", "3", ""}, {"T", "10", "10", "1"}};
  ASSERT_FALSE(ReadSheetRows(rows, list_).has_value());
  EXPECT_EQ(rows[0][4], "0");
  EXPECT_EQ(rows[1], (TGridRow{"T", "10", "10", "1", "0"}));
  EXPECT_EQ(list_[0].Cost, 0);

  TGrid failing = {{"S", "2440", "1220", "none", ""}};
  ReadSheetRows(failing, list_);
  EXPECT_EQ(failing[0][4], "");
}

TEST_F(GridReaders, SheetRowsBecomeScaledRecordsAndSkipUnfilledRows) {
  TGrid rows = {
      {"", "", "", "", "7"},  // a cost alone does not make a row
      {},
      {"A", "12.5", " 1220 ", "3", "35.5"},
      {"", "100", "50", "1", "0"},  // the engine refuses the empty label, not the reader
  };
  ASSERT_FALSE(ReadSheetRows(rows, list_).has_value());
  ASSERT_EQ(list_.Size(), 2u);
  EXPECT_EQ(list_[0].Label, "A");
  EXPECT_EQ(list_[0].Length, 12500);
  EXPECT_EQ(list_[0].Width, 1220000);
  EXPECT_EQ(list_[0].Count, 3);
  EXPECT_EQ(list_[0].Cost, 35500);
  EXPECT_EQ(list_[1].Label, "");
  EXPECT_EQ(rows[0][4], "7");
}

TEST_F(GridReaders, NoSheetAndNoPartAreFaultsAtTheFirstCell) {
  TGrid sheets = {{}, {"", "", "", "", "5"}};
  ExpectFault(ReadSheetRows(sheets, list_), {"Sheets data is empty.", 0, 0});
  TGrid parts = {{}, {"", "", "", "n", "", "c"}};  // codes alone do not make a part
  ExpectFault(ReadPartRows(parts, false, list_), {Texts().Text("MSG_PART_DATA_IS_EMPTY"), 0, 0});
  EXPECT_FALSE(ReadPartRows(parts, true, list_).has_value());
  EXPECT_EQ(parts[1][3], "n");
  EXPECT_TRUE(list_.Empty());
}

TEST_F(GridReaders, PartFaultsNameTheFirstBadCellInColumnOrder) {
  const std::vector<std::pair<TGridRow, Expected>> cases = {
      {{"", "", "", "", "4"}, {"Current part Label can't be empty.", 2, 0}},
      {{"", "x", "x", "", "x"}, {"Current part Label can't be empty.", 2, 0}},
      {{"P", "", "5", "R", "1"}, {"Current part Length format error.", 2, 1}},
      {{"P", "5", "0", "R", "1"}, {"Current part Width format error.", 2, 2}},
      {{"P", "5", "0.0004", "R", "1"}, {"Current part Width format error.", 2, 2}},
      {{"P", "5", "5", "R", "-1"}, {"Current part quantity format error.", 2, 4}},
      {{"P", "5", "5", "R", ""}, {"Current part quantity format error.", 2, 4}},
  };
  for (const auto& [bad, expected] : cases) {
    TGrid rows = {{"A", "1", "1", "R", "0", "R"}, {}, bad};
    ExpectFault(ReadPartRows(rows, true, list_), expected);
  }
}

TEST_F(GridReaders, PartCodesAreRewrittenAndRead) {
  TGrid rows = {
      {"A", "10", "20", "x", "0", "d"},
      {"B", "10", "20", "", "1"},
      {"C", "10", "20", "n", "2", "c"},
      {"D", "10", "20", "r", "3", "C"},
  };
  ASSERT_FALSE(ReadPartRows(rows, false, list_).has_value());
  EXPECT_EQ(rows[0], (TGridRow{"A", "10", "20", "R", "0", "R"}));
  EXPECT_EQ(rows[1], (TGridRow{"B", "10", "20", "R", "1", "R"}));
  EXPECT_EQ(rows[2], (TGridRow{"C", "10", "20", "N", "2", "C"}));
  EXPECT_EQ(rows[3], (TGridRow{"D", "10", "20", "R", "3", "C"}));
  ASSERT_EQ(list_.Size(), 4u);
  EXPECT_TRUE(list_[0].Rotatable);
  EXPECT_EQ(list_[0].Shape, kShapeRectangle);
  EXPECT_EQ(list_[0].Count, 0);
  EXPECT_FALSE(list_[2].Rotatable);
  EXPECT_EQ(list_[2].Shape, kShapeDisc);
  EXPECT_EQ(list_[2].Length, 10000);
  EXPECT_EQ(list_[3].Shape, kShapeDisc);
}

TEST_F(GridReaders, RotationIsRewrittenBeforeABadQuantityButShapeIsNot) {
  TGrid rows = {{"A", "10", "20", "n", "many", "c"}};
  ReadPartRows(rows, true, list_);
  EXPECT_EQ(rows[0], (TGridRow{"A", "10", "20", "N", "many", "c"}));
}

TEST_F(GridReaders, ProfileQuantitiesComeFromColumnOneAndFaultAtTheFirstCell) {
  TPanels profiles;
  profiles.AddCopy(T2DStock().SetLabel("TRI"));
  profiles.AddCopy(T2DStock().SetLabel("ARC"));
  TGrid rows = {{"TRI", "3"}, {"ARC", " 0 "}};
  ASSERT_FALSE(ReadProfileQuantities(rows, profiles).has_value());
  EXPECT_EQ(profiles[0].Count, 3);
  EXPECT_EQ(profiles[1].Count, 0);

  for (TGrid bad : {TGrid{{"TRI", "1"}, {"ARC", "-2"}}, TGrid{{"TRI", "1"}}}) {
    ExpectFault(ReadProfileQuantities(bad, profiles),
                {"Current part quantity format error.", 0, 1});
  }
  EXPECT_FALSE(ReadProfileQuantities({}, list_).has_value());
}

TEST_F(GridReaders, MessagesFollowTheTextTable) {
  Texts().SetText("MSG_SHEET_WIDTH_FORMAT_INVALID", "Breite falsch");
  TGrid rows = {{"S", "1", "?", "1"}};
  ExpectFault(ReadSheetRows(rows, list_), {"Breite falsch", 0, 2});
}

}  // namespace
}  // namespace vexlin
