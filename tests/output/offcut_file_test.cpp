#include "output/offcut_file.h"

#include <gtest/gtest.h>

#include <initializer_list>

#include "input/list_files.h"
#include "input/option_values.h"
#include "model/packet.h"
#include "model/run_options.h"
#include "optimizer/schemes.h"
#include "support/temp_folder.h"

namespace vexlin {
namespace {

T2DStock Piece(const char* label, int32_t length, int32_t width) {
  T2DStock piece;
  piece.SetLabel(label).SetLength(length).SetWidth(width).SetCount(1);
  return piece;
}

// A sheet of one part type with parts placed at the given rectangles.
TPacket Layout(const char* label, int32_t count, int32_t cost, std::initializer_list<TRect> parts) {
  TPanels demand;
  demand.AddCopy(T2DStock{}.SetIndex(0).SetLabel("P"));
  TPacket sheet(demand);
  sheet.SetLabel(label).SetLength(1000000).SetWidth(500000).SetCount(count).SetCost(cost);
  sheet.ResetFreeSpace();
  for (const TRect& rect : parts) {
    T2DStock part = Piece("P", 0, 0);
    part.SetRect(rect);
    part.SetIndex(0);
    sheet.PlacePart(part);
  }
  return sheet;
}

class OffcutFile : public ::testing::Test {
 protected:
  void SetUp() override { BladeWidth = 0; }
  void TearDown() override { BladeWidth = 0; }
};

TEST_F(OffcutFile, KeepsOffcutsBigEnoughEitherWayWithTheLayoutsQuantityAndCostShare) {
  TSchemes result;
  result.Items.push_back(Layout("S1", 3, 12500, {}));
  TPanels& pieces = result[0].Pieces;
  pieces.AddCopy(Piece("P", 100000, 100000));
  pieces.AddCopy(Piece("OFFCUT_1", 600000, 400000));      // qualifies turned
  pieces.AddCopy(Piece("OFFCUT_2", 400000, 400000));      // too narrow both ways
  pieces.AddCopy(Piece("ZEROOFFCUT_1", 900000, 900000));  // slivers are never kept
  pieces.AddCopy(Piece("OFFCUTS_1", 900000, 900000));     // another prefix
  result.Items.push_back(Layout("S2", 1, 5, {}));
  result[1].Pieces.AddCopy(Piece("OFFCUT_1", 500000, 500000));

  const TGrid rows = ScrapRows(result, 300000, 500000);
  // 600 x 400 of a 1000 x 500 sheet costing 12.5 is 6; half a sheet of cost 0.005 rounds
  // 2.5 thousandths to even.
  EXPECT_EQ(rows, (TGrid{{"L_0_S1_OFFCUT_1", "600", "400", "3", "6"},
                         {"L_1_S2_OFFCUT_1", "500", "500", "1", "0.002"}}));
}

TEST_F(OffcutFile, SavedOffcutsLoadBackAsOffcutRows) {
  BladeWidth = 3000;
  TOptionValues options;
  options.BladeWidth = 3000;
  TSchemes result;
  result.Items.push_back(Layout("S1", 3, 10000, {{0, 0, 300000, 200000}}));
  // Only a strip as wide as the blade is left: a sliver, not saved.
  result.Items.push_back(Layout("S2", 1, 10000, {{0, 0, 1000000, 497000}}));
  TempFolder folder;
  const std::string path = folder.PathOf("left.ofc");

  ASSERT_EQ(SaveSheetsScraps(path, result, options), "");
  const TGrid expected = {{"L_0_S1_OFFCUT_1", "697", "497", "3", "7"},
                          {"L_0_S1_OFFCUT_2", "297", "297", "3", "1.8"}};
  EXPECT_EQ(ReadListFile(path, TGridKind::Offcuts).Rows, expected);
  EXPECT_EQ(result[1].Pieces[1].Label, "ZEROOFFCUT_1");

  // Saving again neither doubles the offcuts nor keeps stale sections.
  options.MinScrapLength = 400000;
  ASSERT_EQ(SaveSheetsScraps(path, result, options), "");
  EXPECT_EQ(ReadListFile(path, TGridKind::Offcuts).Rows, TGrid{expected[0]});
}

TEST_F(OffcutFile, ReportsAnEmptyResultAndAnUnwritableFile) {
  TSchemes result;
  TempFolder folder;
  EXPECT_EQ(SaveSheetsScraps(folder.PathOf("a.ofc"), result, {}),
            "Layout is empty, please optimize first.");
  result.Items.push_back(Layout("S1", 1, 0, {}));
  EXPECT_NE(SaveSheetsScraps(folder.PathOf("missing/a.ofc"), result, {}), "");
}

}  // namespace
}  // namespace vexlin
