#include <gtest/gtest.h>

#include "model/random.h"
#include "model/run_options.h"
#include "optimizer/corner_sets.h"
#include "optimizer/search_counters.h"
#include "optimizer/search_test_jobs.h"
#include "optimizer/vexlin.h"

namespace vexlin::testjobs {
namespace {

constexpr const char* kCantGetResult =
    "Can't Get result , because of too small sheets size, too large parts size , or less "
    "sheets qualify";

using BestResultSearch = SearchTest;

TEST_F(BestResultSearch, CutsTheWholeDemandOnTheSheetsInStock) {
  for (bool fast : {false, true}) {
    SCOPED_TRACE(fast ? "fast" : "normal");
    FastMode = fast;
    RestartSequences();
    ASSERT_EQ(RunJob(engine_, CabinetJob(10)), "");
    ASSERT_FALSE(engine_.BestResult.Empty());
    ExpectCompleteResult(engine_);
  }
}

TEST_F(BestResultSearch, ScarceSheetsAreUsedWithoutExceedingTheStock) {
  // The large sheet takes four squares, the small one the fifth: one sheet of each type, and
  // neither layout is full enough until the refills accept sparser layouts.
  const TJob job{{{"SMALL", 1000 * kMm, 1000 * kMm, 1, 0}, {"LARGE", 1300 * kMm, 1300 * kMm, 1, 0}},
                 {{"SQUARE", 600 * kMm, 600 * kMm, 5}}};
  ASSERT_EQ(RunJob(engine_, job), "");
  ExpectCompleteResult(engine_);
  EXPECT_TRUE(engine_.SheetsLeft.AllCountsZero());
}

TEST_F(BestResultSearch, ADemandThatCannotBeCutIsReported) {
  // By area two squares fit the one sheet, by size only one does.
  const TJob job{{{"SHEET", 1000 * kMm, 1000 * kMm, 1, 0}}, {{"SQUARE", 600 * kMm, 600 * kMm, 2}}};
  for (bool fast : {false, true}) {
    FastMode = fast;
    EXPECT_EQ(RunJob(engine_, job), kCantGetResult);
    EXPECT_TRUE(engine_.BestResult.Empty());
  }
}

TEST_F(BestResultSearch, SameStartGivesTheSameResult) {
  ASSERT_EQ(RunJob(engine_, CabinetJob(10)), "");
  const std::string first = DescribeResult(engine_.BestResult);
  const uint32_t firstState = ProcessRandom().State();
  RestartSequences();
  TVexlin again;
  ASSERT_EQ(RunJob(again, CabinetJob(10)), "");
  EXPECT_EQ(DescribeResult(again.BestResult), first);
  EXPECT_EQ(ProcessRandom().State(), firstState);
}

TEST_F(BestResultSearch, OnlyTheNormalModeDrawsWeights) {
  for (bool fast : {true, false}) {
    SCOPED_TRACE(fast ? "fast" : "normal");
    FastMode = fast;
    const TJob job = CabinetJob(10);
    ASSERT_EQ(RunJob(engine_, job), "");
    const uint32_t before = ProcessRandom().State();
    ASSERT_EQ(engine_.GenBestResult(), "");
    EXPECT_EQ(ProcessRandom().State() == before, fast);
  }
}

TEST_F(BestResultSearch, AnExactFillIsCutOnOneSheet) {
  BladeWidth = 0;
  const TJob job{{{"SHEET", 1000 * kMm, 500 * kMm, 3, 0}}, {{"HALF", 500 * kMm, 500 * kMm, 2}}};
  ASSERT_EQ(RunJob(engine_, job), "");
  ASSERT_EQ(engine_.BestResult.Size(), 1u);
  EXPECT_EQ(engine_.BestResult[0].Count, 1);
  EXPECT_EQ(engine_.SheetsLeft[0].Count, 2);
}

// A layout on a sheet of the engine's sheet type with the given parts side by side.
TPacket SideBySide(const TVexlin& engine, size_t sheet, const std::vector<size_t>& parts) {
  TPacket layout = MakeSheetPacket(engine.Sheets[sheet], engine.Parts);
  int32_t x = 0;
  for (size_t i : parts) {
    T2DStock piece = engine.Parts[i];
    piece.SetCount(1).SetOrigin({x, 0});
    layout.PlacePart(piece);
    x += piece.Length;
  }
  return layout;
}

TEST_F(BestResultSearch, EqualValuesGoToTheFullerLayoutThenToTheEarlierOne) {
  // Counts 1, 1 and 0 make every weight 0, so every layout has the value 0.
  BladeWidth = 0;
  ASSERT_EQ(engine_.AddSheet("S", 1000, 1000, 2, 0), "");
  ASSERT_EQ(engine_.AddSheet("T", 1000, 1000, 2, 0), "");
  ASSERT_EQ(engine_.AddPart("A", 500, 500, true, 1, kShapeRectangle), "");
  ASSERT_EQ(engine_.AddPart("B", 500, 500, true, 1, kShapeRectangle), "");
  ASSERT_EQ(engine_.AddPart("C", 100, 100, true, 0, kShapeRectangle), "");
  ASSERT_EQ(engine_.CheckPartCount(), "");
  for (const TPacket& layout : {SideBySide(engine_, 0, {0}), SideBySide(engine_, 0, {0, 1}),
                                SideBySide(engine_, 1, {0, 1}), SideBySide(engine_, 1, {1})}) {
    engine_.AllSchemes.Items.push_back(layout);
  }
  ASSERT_EQ(engine_.GenBestResult(), "");
  ASSERT_EQ(engine_.BestResult.Size(), 1u);
  EXPECT_EQ(engine_.BestResult[0].Label, "S");
  EXPECT_EQ(engine_.BestResult[0].Count, 1);
  EXPECT_EQ(engine_.BestResult[0].Pieces.Size(), 2u);
}

using AllSchemesTest = SearchTest;

// How many sheet fillings the scheme phase makes for one sheet type depends on the sheet's
// share of the demand; fast mode makes no random trials, so the numbers are fixed.
TEST_F(AllSchemesTest, FillingsFollowTheSheetsShareOfTheDemand) {
  FastMode = true;
  BladeWidth = 0;
  struct TCase {
    int32_t squares;
    int32_t calls;
  };
  // Squares of 500: 6 make the 1000 x 1000 sheet 0.67 of the demand, 10 make it 0.4, 1
  // makes it 4 times the demand.
  for (const TCase& c : {TCase{6, 2 + 3 + 3}, TCase{10, 2 + 3 + 3 + 3}, TCase{1, 2 + 1}}) {
    SCOPED_TRACE(c.squares);
    const TJob job{{{"SHEET", 1000 * kMm, 1000 * kMm, 3, 0}},
                   {{"SQUARE", 500 * kMm, 500 * kMm, c.squares}}};
    ASSERT_EQ(RunJob(engine_, job), "");
    ExpectCompleteResult(engine_);
    SchemeCallCount = 0;
    engine_.GenAllSchemes();
    EXPECT_EQ(SchemeCallCount, c.calls);
  }
}

TEST_F(AllSchemesTest, ASheetTwiceTheDemandStillGetsASparseLayout) {
  // A lone part fills 5 % of the sheet: only the sparse filling keeps such a layout.
  const TJob job{{{"SHEET", 2000 * kMm, 2000 * kMm, 1, 0}}, {{"PANEL", 500 * kMm, 400 * kMm, 1}}};
  ASSERT_EQ(RunJob(engine_, job), "");
  ASSERT_EQ(engine_.AllSchemes.Size(), 1u);
  EXPECT_LT(engine_.AllSchemes[0].FillPercent(), 10.0);
  ExpectCompleteResult(engine_);
  EXPECT_EQ(engine_.BestResult.Size(), 1u);
  SchemeCallCount = 0;
  engine_.GenAllSchemes();
  EXPECT_EQ(SchemeCallCount, 8 + 1);
}

}  // namespace
}  // namespace vexlin::testjobs
