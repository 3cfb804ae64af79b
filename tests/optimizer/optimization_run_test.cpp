#include "optimizer/optimization_run.h"

#include <gtest/gtest.h>

#include "input/option_values.h"
#include "model/random.h"
#include "model/run_options.h"
#include "optimizer/search_counters.h"
#include "optimizer/vexlin.h"

namespace vexlin {
namespace {

class OptimizationRun : public ::testing::Test {
 protected:
  void SetUp() override {
    ResetRandomForTests();
    options_.FastOptimize = true;
    ApplyOptionValues(options_);
    sheets_.AddCopy(T2DStock().SetLabel("S").SetLength(2440000).SetWidth(1220000).SetCount(3));
    parts_.AddCopy(T2DStock().SetLabel("P").SetLength(600000).SetWidth(400000).SetCount(5));
  }
  void TearDown() override { ApplyOptionValues(TOptionValues()); }

  TOptionValues options_;
  TPanels sheets_;
  TPanels parts_;
  TVexlin engine_;
};

TEST_F(OptimizationRun, TrimsTheSheetsAndGivesEveryLayoutItsOffcuts) {
  options_.LengthEdge = 10000;
  options_.WidthEdge = 5000;
  int steps = 0;
  SchemeCallCount = 77;
  const std::string error =
      RunOptimization(engine_, sheets_, parts_, TPanels(), options_, [&steps] { ++steps; });
  ASSERT_EQ(error, "");
  EXPECT_EQ(engine_.Sheets[0].Length, 2420000);
  EXPECT_EQ(engine_.Sheets[0].Width, 1210000);
  EXPECT_GT(steps, 5);
  EXPECT_LT(SchemeCallCount, 77);  // counted from 0 again for this run
  ASSERT_FALSE(engine_.BestResult.Empty());
  bool offcutFound = false;
  for (const T2DStock& piece : engine_.BestResult[0].Pieces) {
    offcutFound = offcutFound || IsOffcutLabel(piece.Label);
  }
  EXPECT_TRUE(offcutFound);
}

TEST_F(OptimizationRun, StopsAtTheFirstRefusalAndClearsThePreviousResult) {
  ASSERT_EQ(RunOptimization(engine_, sheets_, parts_, TPanels(), options_, {}), "");
  parts_[0].Count = 0;
  EXPECT_EQ(RunOptimization(engine_, sheets_, parts_, TPanels(), options_, {}),
            "Parts data is empty.");
  EXPECT_TRUE(engine_.BestResult.Empty());
  sheets_[0].Label.clear();
  EXPECT_EQ(RunOptimization(engine_, sheets_, parts_, TPanels(), options_, {}),
            "Current sheet Label can't be empty.");
  EXPECT_TRUE(engine_.Sheets.Empty());
}

}  // namespace
}  // namespace vexlin
