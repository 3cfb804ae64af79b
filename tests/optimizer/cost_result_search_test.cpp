#include <gtest/gtest.h>

#include "model/run_options.h"
#include "optimizer/search_counters.h"
#include "optimizer/search_test_jobs.h"
#include "optimizer/vexlin.h"

namespace vexlin::testjobs {
namespace {

class CostResultSearch : public SearchTest {
 protected:
  void SetUp() override {
    SearchTest::SetUp();
    CostMode = true;
  }
};

TEST_F(CostResultSearch, CutsTheWholeDemandWithEveryLayoutUsedAndRepeatably) {
  for (bool fast : {false, true}) {
    SCOPED_TRACE(fast ? "fast" : "normal");
    FastMode = fast;
    RestartSequences();
    ASSERT_EQ(RunJob(engine_, CabinetJob(10)), "");
    ASSERT_FALSE(engine_.BestResult.Empty());
    EXPECT_GE(engine_.BestCount, 1);
    ExpectCompleteResult(engine_);
    RestartSequences();
    TVexlin again;
    ASSERT_EQ(RunJob(again, CabinetJob(10)), "");
    EXPECT_EQ(DescribeResult(again.BestResult), DescribeResult(engine_.BestResult));
  }
}

TEST_F(CostResultSearch, FreeSheetsAreTakenBeforePaidOnesOfTheSameSize) {
  TJob job = CabinetJob(10);
  job.Sheets.push_back(job.Sheets[0]);
  job.Sheets[0].Label = "PAID";
  job.Sheets[0].Cost = 100 * kMm;
  job.Sheets[1].Label = "FREE";
  job.Sheets[1].Cost = 0;
  ASSERT_EQ(RunJob(engine_, job), "");
  ExpectCompleteResult(engine_);
  for (const TPacket& layout : engine_.BestResult.Items) {
    EXPECT_EQ(layout.Label, "FREE");
    EXPECT_EQ(layout.Cost, 0) << "a free sheet stays free in the result";
  }
  EXPECT_EQ(engine_.BestResult.TotalCost(), 0.0);
}

TEST_F(CostResultSearch, AnExactFillEndsTheSearchAtOnce) {
  BladeWidth = 0;
  const TJob job{{{"SHEET", 1000 * kMm, 500 * kMm, 3, 10 * kMm}},
                 {{"HALF", 500 * kMm, 500 * kMm, 2}}};
  ASSERT_EQ(RunJob(engine_, job), "");
  EXPECT_EQ(engine_.BestCount, 1);
  ASSERT_EQ(engine_.BestResult.Size(), 1u);
  EXPECT_EQ(engine_.BestResult[0].Count, 1);
  EXPECT_EQ(engine_.SheetsLeft[0].Count, 2);

  // The layout that cuts everything is laid out afresh once, and no further trial runs.
  SchemeCallCount = 0;
  ASSERT_EQ(engine_.GenBestCostResult(), "");
  EXPECT_EQ(SchemeCallCount, 1);
  EXPECT_EQ(engine_.BestCount, 1);
}

TEST_F(CostResultSearch, ADemandThatCannotBeCutIsReported) {
  const TJob job{{{"SHEET", 1000 * kMm, 1000 * kMm, 1, 0}}, {{"SQUARE", 600 * kMm, 600 * kMm, 2}}};
  for (bool fast : {false, true}) {
    FastMode = fast;
    EXPECT_EQ(RunJob(engine_, job),
              "Can't Get result , because of too small sheets size, too large parts size , or "
              "less sheets qualify");
    EXPECT_TRUE(engine_.BestResult.Empty());
    EXPECT_EQ(engine_.BestCount, 0);
  }
}

}  // namespace
}  // namespace vexlin::testjobs
