#include "input/offcut_rows.h"

#include <gtest/gtest.h>

namespace vexlin {
namespace {

const TGridRow kEmpty(5);

TEST(AddCurrentOffcutRow, FillsTheFirstEmptySheetRowAndEmptiesTheOffcutRow) {
  // A row holding only a cost is not empty and must not be overwritten.
  TGrid sheets = {{"S1", "10", "5", "1", ""}, {"", "", "", "", "7"}, {}, {"S4", "1", "1", "1"}};
  TGrid offcuts = {{"O1", "3", "2", "1", "4"}, {"O2", "6", "5", "2", ""}};
  AddCurrentOffcutRow(offcuts, 1, sheets);
  EXPECT_EQ(sheets[2], (TGridRow{"O2", "6", "5", "2", ""}));
  EXPECT_EQ(sheets.size(), 4u);
  EXPECT_EQ(offcuts[0], (TGridRow{"O1", "3", "2", "1", "4"}));
  EXPECT_EQ(offcuts[1], kEmpty);
}

TEST(AddCurrentOffcutRow, AddsASheetRowWhenNoneIsEmptyAndIgnoresEmptyOrMissingRows) {
  TGrid sheets = {{"S1", "10", "5", "1", "2"}};
  TGrid offcuts = {{"O1", "3", "2", "1", "4"}, kEmpty};
  AddCurrentOffcutRow(offcuts, 1, sheets);
  AddCurrentOffcutRow(offcuts, 9, sheets);
  EXPECT_EQ(sheets.size(), 1u);
  AddCurrentOffcutRow(offcuts, 0, sheets);
  ASSERT_EQ(sheets.size(), 2u);
  EXPECT_EQ(sheets[1], (TGridRow{"O1", "3", "2", "1", "4"}));
  EXPECT_EQ(offcuts[0], kEmpty);
}

TEST(AddAllOffcutRows, MovesEveryLabelledRowInOrderAndEmptiesTheOffcutRows) {
  TGrid sheets = {{}, {"S2", "10", "5", "1", ""}};
  TGrid offcuts = {{"O1", "3", "2", "1", "4"}, {"", "9", "9", "9", ""}, {"O3", "6", "5", "2"}};
  AddAllOffcutRows(offcuts, sheets);
  ASSERT_EQ(sheets.size(), 3u);
  EXPECT_EQ(sheets[0], (TGridRow{"O1", "3", "2", "1", "4"}));
  EXPECT_EQ(sheets[1][0], "S2");
  EXPECT_EQ(sheets[2], (TGridRow{"O3", "6", "5", "2", ""}));
  for (const TGridRow& row : offcuts) EXPECT_EQ(row, kEmpty);
}

}  // namespace
}  // namespace vexlin
