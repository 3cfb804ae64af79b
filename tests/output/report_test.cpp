#include "output/report.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "model/packet.h"
#include "model/run_options.h"
#include "model/text_table.h"
#include "optimizer/vexlin.h"
#include "output/layout_facts.h"

namespace vexlin {
namespace {

constexpr int32_t kBlade = 3000;

T2DStock Record(const char* label, int32_t length, int32_t width, int32_t count) {
  T2DStock record;
  record.SetLabel(label).SetLength(length).SetWidth(width).SetCount(count);
  return record;
}

T2DStock Part(const char* label, int32_t length, int32_t width, int32_t count, uint8_t shape,
              bool rotatable) {
  T2DStock part = Record(label, length, width, count);
  part.SetShape(shape);
  part.Rotatable = rotatable;
  return part;
}

T2DStock OnePiece(T2DStock part) {
  part.SetCount(1);
  return part;
}

// Sizes as held during a run: one blade width of 3 added. Two sheet types, 2440 x 1220 trimmed
// by 10 at each end and 5 at each side, and 1000 x 500 likewise; a rectangle, a disc and a
// profile part. Layout 1 holds the rectangles and an offcut and a sliver, layout 2 the discs
// and the profile.
class ReportTest : public ::testing::Test {
 protected:
  void SetUp() override {
    BladeWidth = kBlade;
    run_.Sheets.AddCopy(Record("S1", 2423000, 1213000, 5).SetCost(12500));
    run_.Sheets.AddCopy(Record("S2", 983000, 493000, 2).SetCost(0));
    run_.SheetsLeft.AddCopy(Record("S1", 2423000, 1213000, 3));
    run_.SheetsLeft.AddCopy(Record("S2", 983000, 493000, 2));
    run_.Parts.AddCopy(Part("P1", 603500, 403300, 4, kShapeRectangle, true).SetIndex(0));
    run_.Parts.AddCopy(Part("DISC", 303000, 303000, 2, kShapeDisc, false).SetIndex(1));
    run_.Parts.AddCopy(Part("PROF", 203000, 103000, 1, kShapeProfile, false).SetIndex(2));

    TPacket first(run_.Parts);
    first.SetLabel("S1").SetLength(2423000).SetWidth(1213000).SetCount(2).SetCost(12500);
    for (int i = 0; i < 4; ++i) first.RecordPart(OnePiece(run_.Parts[0]));
    first.Pieces.AddCopy(Record("OFFCUT_1", 1000000, 500000, 1));
    first.Pieces.AddCopy(Record("ZEROOFFCUT_1", 3000, 500000, 1));
    TPacket second(run_.Parts);
    second.SetLabel("S2").SetLength(983000).SetWidth(493000).SetCount(1).SetCost(0);
    for (int i = 0; i < 2; ++i) second.RecordPart(OnePiece(run_.Parts[1]));
    second.TypeCounts[2].SetCount(1);
    run_.BestResult.Items = {first, second};

    settings_.UnitText = "mm";
    settings_.BladeWidth = kBlade;
    settings_.LengthEdge = 10000;
    settings_.WidthEdge = 5000;
    settings_.Guillotine = true;
    settings_.FastOptimize = true;
    settings_.ShowOffcuts = true;
  }

  void TearDown() override {
    BladeWidth = 0;
    Texts().ResetToDefaults();
  }

  std::vector<std::string> LayoutReport(size_t index) const {
    return FormatOneLayoutReport(run_.BestResult[index], index, settings_, [] {
      return TDateTimeText{"2026-12-08", "14:05:09"};
    });
  }

  TVexlin run_;
  TReportSettings settings_;
};

TEST_F(ReportTest, WholeRun) {
  const std::vector<std::string> expected{
      " ",
      "Guillotine               : YES",
      "Cost Optimize            : NO",
      "Fast Optimize            : YES",
      "Measure                  : mm",
      "Blade Width              : 3mm",
      "Length Edge              : 10mm",
      "Width Edge               : 5mm",
      "Sheets:",
      "Label                   Length     Width           Area      Cost      Qty.      USED      "
      "REST",
      "S1                        2420      1210        2928200      12.5         5         2       "
      "  "
      "3",
      "S2                         980       490         480200         0         2         0       "
      "  "
      "2",
      " ",
      "USED Qty.: 2",
      "Parts:",
      "Label                   Length     Width    Rotate       Qty   Rec/Cir",
      "P1                       600.5     400.3       YES         4 Rectangle",
      "DISC                       300       300        NO         2    Circle",
      "PROF                                            NO         1   Profile",
      " ",
      "Utilization              : 33.49%",
      "LAST BOARD UTILIZATION   : 37.89%",
      "TOTAL USABLE AREA        : 6336600.sq.mm.",
      "TOTAL SHEET COST         : 25",
      "TOTAL WASTE AREA         : 4232066.6.sq.mm.",
      "THE LAST BOARD WASTE AREA: 301001.sq.mm.",
  };
  EXPECT_EQ(FormatRunReport(run_, settings_), expected);
}

TEST_F(ReportTest, OneLayoutWithOffcuts) {
  const std::vector<std::string> expected{
      " ",
      "------------ Layout 1 ------------",
      " ",
      "Vexlin cutting optimizer    2026-12-08   14:05:09",
      " ",
      "Label               : S1",
      "Qty.                : 2",
      "Length              : 2440mm",
      "Width               : 1220mm",
      "Length Edge         : 10mm",
      "Width Edge          : 5mm",
      "USABLE LENGTH       : 2420mm",
      "USABLE WIDTH        : 1210mm",
      "Utilization         : 33.12%",
      "USABLE AREA         : 2928200.sq.mm",
      "Cost                : 12.5",
      "Waste               : 1965532.8.sq.mm",
      "Blade Width         : 3mm",
      " ",
      "Parts in Layout",
      "Label                   Length     Width    Rotate       Qty   Rec/Cir",
      " ",
      "P1                       600.5     400.3       YES         4 Rectangle",
      " ",
      "Offcuts",
      "OFFCUT_1                   997       497",
      " ",
      "Layout",
  };
  EXPECT_EQ(LayoutReport(0), expected);
}

TEST_F(ReportTest, OffcutSectionOnlyWhenShown) {
  settings_.ShowOffcuts = false;
  const std::vector<std::string> lines = LayoutReport(0);
  ASSERT_EQ(lines.size(), 26u);
  EXPECT_EQ(lines[22], "P1                       600.5     400.3       YES         4 Rectangle");
  EXPECT_EQ(lines[23], " ");
  EXPECT_EQ(lines[24], " ");
  EXPECT_EQ(lines[25], "Layout");
}

TEST_F(ReportTest, LayoutListsOnlyItsOwnPartTypes) {
  const std::vector<std::string> lines = LayoutReport(1);
  ASSERT_EQ(lines.size(), 28u);
  EXPECT_EQ(lines[1], "------------ Layout 2 ------------");
  EXPECT_EQ(lines[7], "Length              : 1000mm");
  EXPECT_EQ(lines[22], "DISC                       300       300        NO         2    Circle");
  EXPECT_EQ(lines[23], "PROF                                            NO         1   Profile");
  EXPECT_EQ(lines[25], "Offcuts");
  EXPECT_EQ(lines[27], "Layout");
}

TEST_F(ReportTest, CaptionsComeFromTheTextTable) {
  Texts().SetText("Tab Layout", "Plan");
  Texts().SetText("Layout Sheet Label Caption", "Board");
  Texts().SetText("Sqr Caption", " sq ");
  Texts().SetText("TRUE Caption", "JA");
  const std::vector<std::string> layout = LayoutReport(0);
  EXPECT_EQ(layout[1], "------------ Plan 1 ------------");
  EXPECT_EQ(layout[5], "Board               : S1");
  EXPECT_EQ(layout[14], "USABLE AREA         : 2928200 sq mm");
  EXPECT_EQ(layout.back(), "Plan");
  const std::vector<std::string> run = FormatRunReport(run_, settings_);
  EXPECT_EQ(run[1], "Guillotine               : JA");
  EXPECT_EQ(run[9].substr(0, 20), "Board               ");
}

TEST_F(ReportTest, ResultWithoutLayoutsReportsAnEmptyLastBoard) {
  run_.BestResult.Clear();
  const std::vector<std::string> lines = FormatRunReport(run_, settings_);
  EXPECT_EQ(lines[20], "Utilization              : 0%");
  EXPECT_EQ(lines[21], "LAST BOARD UTILIZATION   : 0%");
  EXPECT_EQ(lines[25], "THE LAST BOARD WASTE AREA: 0.sq.mm.");
}

// A result of the deep search tells its bound and gap right after the options, in its own
// measure, and why the search ended when the machine decided it; the facts panel shows the
// same. A result without the deep search shows none of it.
TEST_F(ReportTest, DeepResultShowsItsBoundAndGap) {
  using TLines = std::vector<std::string>;
  const auto deepLines = [this](const TDeepSummary& deep) {
    run_.Deep = deep;
    const TLines lines = FormatRunReport(run_, settings_);
    return TLines(lines.begin() + 8, lines.begin() + 11);
  };
  EXPECT_EQ(deepLines({true, TDeepEnd::WorkDone, TDeepMeasure::Sheets, 2, 3}),
            (TLines{"Lower Bound              : 2", "Gap                      : 50%", "Sheets:"}));
  EXPECT_EQ(
      deepLines({true, TDeepEnd::TimeLimit, TDeepMeasure::Area, 2928200e6, 2928200e6}),
      (TLines{"Lower Bound              : 2928200.sq.mm", "Gap                      : 0% optimal",
              "Deep search ended by its time limit"}));
  EXPECT_EQ(deepLines({true, TDeepEnd::Stopped, TDeepMeasure::Cost, 25000, 37500}),
            (TLines{"Lower Bound              : 25", "Gap                      : 50%",
                    "Deep search ended by the Stop button"}));
  const TLayoutFacts facts = LayoutFactsOf(run_.BestResult[0], settings_, run_.Deep);
  EXPECT_EQ(facts.LowerBound, "25");
  EXPECT_EQ(facts.Gap, "50%");
  run_.Deep = {};
  EXPECT_EQ(FormatRunReport(run_, settings_)[8], "Sheets:");
  EXPECT_EQ(LayoutFactsOf(run_.BestResult[0], settings_, run_.Deep).LowerBound, "");
}

TEST(PercentText, RoundsToTwoDecimalsHalfToEven) {
  EXPECT_EQ(PercentText(0), "0%");
  EXPECT_EQ(PercentText(100), "100%");
  EXPECT_EQ(PercentText(99.999), "100%");
  EXPECT_EQ(PercentText(33.10000786), "33.1%");
  EXPECT_EQ(PercentText(50.375), "50.38%");
  // 50.125 / 0.01 is 5012.5 exactly: the even 5012 wins, and 50.120000000000005 is
  // written with 15 significant digits.
  EXPECT_EQ(PercentText(50.125), "50.12%");
  EXPECT_EQ(PercentText(0.005), "0%");
}

}  // namespace
}  // namespace vexlin
