#include <gtest/gtest.h>

#include "model/run_options.h"
#include "model/text_table.h"
#include "optimizer/vexlin.h"

namespace vexlin {
namespace {

class VexlinInputs : public ::testing::Test {
 protected:
  void SetUp() override { BladeWidth = 0; }
  void TearDown() override { BladeWidth = 0; }
  TVexlin engine_;
};

TEST_F(VexlinInputs, SheetChecksReportTheFirstFaultInOrder) {
  EXPECT_EQ(engine_.AddSheet("", 0, 0, 0, -1), "Current sheet Label can't be empty.");
  EXPECT_EQ(engine_.AddSheet("S", 0, 0, 0, -1), "Current sheet Length format error.");
  EXPECT_EQ(engine_.AddSheet("S", 10, -1, 0, -1), "Current sheet Width format error.");
  EXPECT_EQ(engine_.AddSheet("S", 10, 10, 0, -1), "Current sheet quantity format error.");
  EXPECT_EQ(engine_.AddSheet("S", 10, 10, 1, -1), "Current sheet cost format error.");
  EXPECT_TRUE(engine_.Sheets.Empty());
  EXPECT_EQ(engine_.AddSheet("S", 10, 10, 1, 0), "");
  EXPECT_EQ(engine_.AddSheet("S", 0, 10, 1, 0), "Current sheet Length format error.");
  EXPECT_EQ(engine_.AddSheet("S", 10, 10, 1, 0), "label isn't unique");
  EXPECT_EQ(engine_.AddSheet("s", 20, 30, 2, 5000), "");
  ASSERT_EQ(engine_.Sheets.Size(), 2u);
  const T2DStock& second = engine_.Sheets[1];
  EXPECT_EQ(second.Index, 1);
  EXPECT_EQ(second.Label, "s");
  EXPECT_EQ(second.GetRect(), (TRect{0, 0, 20, 30}));
  EXPECT_EQ(second.Count, 2);
  EXPECT_EQ(second.Cost, 5000);
}

TEST_F(VexlinInputs, PartChecksReportTheFirstFaultInOrder) {
  EXPECT_EQ(engine_.AddPart("", 0, 0, true, -1, 0), "Current part Label can't be empty.");
  EXPECT_EQ(engine_.AddPart("P", 0, 0, true, -1, 0), "Current part Length format error.");
  EXPECT_EQ(engine_.AddPart("P", 5, 0, true, -1, 0), "Current part Width format error.");
  EXPECT_EQ(engine_.AddPart("P", 5, 5, true, -1, 0), "Current part quantity format error.");
  EXPECT_TRUE(engine_.Parts.Empty());
  EXPECT_EQ(engine_.AddPart("A", 5, 6, false, 0, 1), "");  // count 0 is accepted
  EXPECT_EQ(engine_.AddPart("a", 5, 6, true, 2, 0), "");   // labels are case-sensitive
  EXPECT_EQ(engine_.AddPart("A", 5, 6, true, 2, 0), "label isn't unique");
  EXPECT_EQ(engine_.AddSheet("A", 10, 10, 1, 0), "");  // a sheet may share a part's label
  ASSERT_EQ(engine_.Parts.Size(), 2u);
  EXPECT_FALSE(engine_.Parts[0].Rotatable);
  EXPECT_EQ(engine_.Parts[0].Shape, kShapeDisc);
  EXPECT_EQ(engine_.Parts[0].Count, 0);
}

TEST_F(VexlinInputs, MessagesComeFromTheTextTable) {
  Texts().SetText("MSG_LABEL_ISNT_UNIQUE", "Etikett doppelt");
  engine_.AddPart("A", 5, 6, true, 1, 0);
  EXPECT_EQ(engine_.AddPart("A", 5, 6, true, 1, 0), "Etikett doppelt");
  Texts().ResetToDefaults();
}

TEST_F(VexlinInputs, PartCountNumbersThePartsAndNeedsAPositiveTotal) {
  T2DStock profile;
  profile.SetLabel("TRI").SetShape(kShapeProfile).SetLength(5).SetWidth(6).SetCount(0).SetIndex(7);
  engine_.AddPart("A", 5, 6, true, 0, 0);
  engine_.AddProfile(profile);
  EXPECT_EQ(engine_.CheckPartCount(), "Parts data is empty.");
  engine_.Parts[1].Count = 3;
  EXPECT_EQ(engine_.CheckPartCount(), "");
  EXPECT_EQ(engine_.Parts[0].Index, 0);
  EXPECT_EQ(engine_.Parts[1].Index, 1);
}

TEST_F(VexlinInputs, BladeWidthIsAddedToEveryPartAndSheet) {
  BladeWidth = 3000;
  engine_.AddSheet("S", 2440000, 1220000, 1, 0);
  engine_.AddPart("P", 600000, 400000, true, 1, 0);
  engine_.AddBladeWidth();
  EXPECT_EQ(engine_.Parts[0].Length, 603000);
  EXPECT_EQ(engine_.Parts[0].Width, 403000);
  EXPECT_EQ(engine_.Sheets[0].Length, 2443000);
  EXPECT_EQ(engine_.Parts[0].NetLength(), 600000);
}

TEST_F(VexlinInputs, TooLargePartComparesLongerSidesOnly) {
  engine_.AddSheet("S", 2000, 2500, 1, 0);
  engine_.AddPart("OK", 2400, 2400, false, 1, 0);
  engine_.AddPart("LONG", 3000, 100, true, 1, 0);
  EXPECT_EQ(engine_.CheckPartSizes(), "Part[label=LONG] is too large.");
  engine_.Parts[1].Length = 2500;
  EXPECT_EQ(engine_.CheckPartSizes(), "Total area of Parts is larger than total area of sheets.");
  engine_.Sheets[0].Count = 2;
  EXPECT_EQ(engine_.CheckPartSizes(), "");
}

TEST_F(VexlinInputs, AreasAreComparedNetOfTheKerf) {
  BladeWidth = 10;
  engine_.AddSheet("S", 110, 110, 1, 0);      // net 100 x 100
  engine_.AddPart("P", 60, 110, true, 2, 0);  // net 50 x 100, twice: exactly the sheet
  EXPECT_EQ(engine_.CheckPartSizes(), "");
  engine_.Parts[0].Count = 3;
  EXPECT_EQ(engine_.CheckPartSizes(), "Total area of Parts is larger than total area of sheets.");
}

TEST_F(VexlinInputs, SeedPhaseNeedsASheet) {
  engine_.AddPart("P", 5, 5, true, 1, 0);
  engine_.CheckPartCount();
  EXPECT_EQ(engine_.GenAllSeeds(), "no Sheet");
  engine_.AddSheet("S1", 100, 50, 1, 0);
  engine_.AddSheet("S2", 80, 90, 1, 0);
  EXPECT_EQ(engine_.GenAllSeeds(), "");
  EXPECT_EQ(engine_.Seeds.MaxLength, 100);
  EXPECT_EQ(engine_.Seeds.MaxWidth, 90);
  EXPECT_EQ(engine_.Seeds.SeedParts.Size(), 1u);
}

TEST_F(VexlinInputs, ClearEmptiesEveryList) {
  engine_.AddSheet("S", 100, 50, 1, 0);
  engine_.AddPart("P", 5, 5, true, 1, 0);
  engine_.BestResult.Items.emplace_back();
  engine_.Clear();
  EXPECT_TRUE(engine_.Sheets.Empty());
  EXPECT_TRUE(engine_.Parts.Empty());
  EXPECT_TRUE(engine_.BestResult.Empty());
  EXPECT_EQ(engine_.AddPart("P", 5, 5, true, 1, 0), "");
}

// A layout of sheet type `sheet`, cut `count` times, with one part covering `covered`.
TPacket Layout(int32_t sheet, int32_t count, int32_t covered) {
  TPanels demand;
  demand.AddCopy(T2DStock().SetIndex(0));
  TPacket layout(demand);
  layout.SetIndex(sheet).SetCount(count).SetLength(100).SetWidth(100);
  layout.ResetFreeSpace();
  layout.PlacePart(T2DStock().SetIndex(0).SetCount(1).SetLength(covered).SetWidth(100));
  return layout;
}

TEST_F(VexlinInputs, FinishingOrdersLayoutsAndCountsTheSheetsLeft) {
  engine_.AddSheet("A", 100, 100, 5, 0);
  engine_.AddSheet("B", 100, 100, 2, 0);
  engine_.BestResult.Items = {Layout(0, 1, 50), Layout(1, 0, 90), Layout(0, 2, 80),
                              Layout(1, 1, 50)};
  engine_.BestResult[3].SetLabel("second fifty");
  engine_.FinishResult(true);
  ASSERT_EQ(engine_.BestResult.Size(), 3u);
  EXPECT_EQ(engine_.BestResult[0].Count, 2);
  EXPECT_EQ(engine_.BestResult[1].Index, 0);  // equal utilisations keep their order
  EXPECT_EQ(engine_.BestResult[2].Label, "second fifty");
  EXPECT_EQ(engine_.SheetsLeft[0].Count, 2);
  EXPECT_EQ(engine_.SheetsLeft[1].Count, 1);
  EXPECT_EQ(engine_.Sheets[0].Count, 5);
}

TEST_F(VexlinInputs, FinishingSortsPiecesAndCostSearchKeepsUnusedLayouts) {
  engine_.AddSheet("A", 100, 100, 5, 0);
  TPacket layout = Layout(0, 0, 10);
  layout.PlacePart(T2DStock().SetIndex(0).SetCount(1).SetLength(10).SetWidth(10).SetOrigin({0, 0}));
  layout.Pieces[0].SetOrigin({50, 0});
  engine_.BestResult.Items = {layout};
  engine_.FinishResult(false);
  ASSERT_EQ(engine_.BestResult.Size(), 1u);
  EXPECT_EQ(engine_.BestResult[0].Pieces[0].Origin, (TPoint{0, 0}));
  EXPECT_EQ(engine_.SheetsLeft[0].Count, 5);
}

TEST_F(VexlinInputs, SearchesWithoutCandidatesFindNoResult) {
  const std::string cantGetResult =
      "Can't Get result , because of too small sheets size, too large parts size , or less "
      "sheets qualify";
  engine_.GenAllSchemes();
  EXPECT_EQ(engine_.GenBestResult(), cantGetResult);
  EXPECT_EQ(engine_.GenBestCostResult(), cantGetResult);
  EXPECT_TRUE(engine_.BestResult.Empty());
}

}  // namespace
}  // namespace vexlin
