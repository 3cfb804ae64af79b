#include "output/layout_facts.h"

#include <gtest/gtest.h>

#include "model/packet.h"
#include "model/run_options.h"
#include "model/text_table.h"
#include "output/report.h"

namespace vexlin {
namespace {

constexpr int32_t kBlade = 3000;

T2DStock Part(const char* label, int32_t length, int32_t width) {
  T2DStock part;
  part.SetLabel(label).SetLength(length).SetWidth(width).SetCount(1);
  return part;
}

// A 2440 x 1220 mm sheet trimmed by 10 at each end and 5 at each side, held as a run holds
// it: trimmed, plus one blade width of 3. Two part types, only the first of them cut here.
class LayoutFactsTest : public ::testing::Test {
 protected:
  void SetUp() override {
    BladeWidth = kBlade;
    demand_.AddCopy(Part("Door", 703000, 403000).SetIndex(0));
    demand_.AddCopy(Part("Shelf", 563000, 303000).SetIndex(1));
    layout_ = TPacket(demand_);
    layout_.SetLabel("Board").SetLength(2423000).SetWidth(1213000).SetCount(2).SetCost(12500);
    for (int i = 0; i < 3; ++i) layout_.RecordPart(demand_[0]);
    settings_.UnitText = "mm";
    settings_.BladeWidth = kBlade;
    settings_.LengthEdge = 10000;
    settings_.WidthEdge = 5000;
  }

  void TearDown() override {
    BladeWidth = 0;
    Texts().ResetToDefaults();
  }

  TPanels demand_;
  TPacket layout_;
  TReportSettings settings_;
};

TEST_F(LayoutFactsTest, SheetFactsShowTheFullSheetWithItsTrims) {
  const TLayoutFacts facts = LayoutFactsOf(layout_, settings_);
  EXPECT_EQ(facts.Label, "Board");
  EXPECT_EQ(facts.Quantity, "2");
  EXPECT_EQ(facts.Length, "2440 mm");
  EXPECT_EQ(facts.Width, "1220 mm");
  EXPECT_EQ(facts.Cost, "12.5");
  EXPECT_EQ(facts.Area, "2976800.sq.mm");
  EXPECT_EQ(facts.Utilization, PercentText(layout_.Utilisation()));
  EXPECT_EQ(facts.WasteArea, "2089172.sq.mm.");
}

TEST_F(LayoutFactsTest, HintsNameTheTrimsAndTheUsableSheet) {
  const TLayoutFacts facts = LayoutFactsOf(layout_, settings_);
  EXPECT_EQ(facts.SheetHint, "Length Edge: 10mm , Width Edge: 5mm");
  EXPECT_EQ(facts.UsableHint,
            "Label : Board , USABLE LENGTH: 2420mm , USABLE WIDTH: 1210mm , "
            "USABLE AREA: 2928200.sq.mm");
}

TEST_F(LayoutFactsTest, EveryPartTypeIsListedWithItsCountInThisLayout) {
  const TGrid expected{{"Door", "3"}, {"Shelf", "0"}};
  EXPECT_EQ(LayoutFactsOf(layout_, settings_).PartRows, expected);
}

TEST_F(LayoutFactsTest, WasteIsTheAreaTextWithSquareWordUnitAndPoint) {
  TPacket empty;
  empty.SetLength(1000).SetWidth(1250);
  settings_.BladeWidth = 0;
  settings_.UnitText = "cm";
  EXPECT_EQ(LayoutFactsOf(empty, settings_).WasteArea, "1.25.sq.cm.");
}

// The view never shows a near-quarter as 24.99%: the figure is rounded, not cut.
TEST_F(LayoutFactsTest, UtilisationIsRoundedToTwoDecimals) {
  BladeWidth = 0;
  settings_.BladeWidth = 0;
  TPanels demand;
  demand.AddCopy(Part("Square", 500000, 500000).SetIndex(0));
  TPacket quarter(demand);
  quarter.SetLength(1000000).SetWidth(1000000);
  quarter.RecordPart(demand[0]);
  ASSERT_LT(quarter.Utilisation(), 25.0);
  EXPECT_EQ(LayoutFactsOf(quarter, settings_).Utilization, "25%");
}

TEST_F(LayoutFactsTest, TextsFollowTheCaptionTable) {
  Texts().SetText("Sqr Caption", " sq ");
  Texts().SetText("Length Edge Caption", "Ends");
  const TLayoutFacts facts = LayoutFactsOf(layout_, settings_);
  EXPECT_EQ(facts.Area, "2976800 sq mm");
  EXPECT_EQ(facts.SheetHint.substr(0, 10), "Ends: 10mm");
}

TEST(LayoutBrowsingTexts, ListItemsAndScrollHintCountFromOne) {
  EXPECT_EQ(LayoutListItem(0, 5), "1 / 5");
  EXPECT_EQ(LayoutListItem(1, 5), "2 / 5");
  EXPECT_EQ(ScrollHint(1, 5), "TOTAL:5\r\nCURRENT:2");
}

}  // namespace
}  // namespace vexlin
