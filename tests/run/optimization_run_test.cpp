#include "run/optimization_run.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <atomic>
#include <chrono>
#include <nlohmann/json.hpp>
#include <string>
#include <vector>

#include "cli/result_json.h"
#include "input/option_values.h"
#include "model/random.h"
#include "model/run_options.h"
#include "optimizer/deep/lower_bound.h"
#include "optimizer/search_counters.h"
#include "optimizer/vexlin.h"
#include "output/report.h"
#include "support/result_validity.h"

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

// Small parts of many types, one of each: the seed library once stopped growing before
// the first types had a block of their own, so such jobs were refused.
TEST_F(OptimizationRun, CutsEveryPieceOfJobsWithManyPartTypes) {
  options_.BladeWidth = 3200;
  ApplyOptionValues(options_);
  sheets_[0].SetLength(2800000).SetWidth(2070000).SetCount(8);
  for (const int32_t types : {66, 100, 300}) {
    parts_.ClearAll();
    for (int32_t i = 1; i <= types; ++i) {
      parts_.AddCopy(T2DStock()
                         .SetLabel("P" + std::to_string(i))
                         .SetLength(30000 + 1000 * i)
                         .SetWidth(20000)
                         .SetCount(1));
    }
    ASSERT_EQ(RunOptimization(engine_, sheets_, parts_, TPanels(), options_, {}), "") << types;
    int64_t cut = 0;
    for (const TPacket& layout : engine_.BestResult.Items)
      cut += layout.TotalCount() * layout.Count;
    EXPECT_EQ(cut, types);
  }
}

// Grids of a part of 10,000 pieces once filled memory with gigabytes of blocks, and the
// large part was never placed.
TEST_F(OptimizationRun, CutsAPartOfTenThousandPiecesBesideALargeOne) {
  sheets_[0].SetLength(3000000).SetWidth(1500000).SetCount(1);
  parts_[0].SetLength(500000).SetWidth(300000).SetCount(2);
  parts_.AddCopy(T2DStock().SetLabel("T").SetLength(10000).SetWidth(13000).SetCount(10000));
  ASSERT_EQ(RunOptimization(engine_, sheets_, parts_, TPanels(), options_, {}), "");
  ASSERT_EQ(engine_.BestResult.Size(), 1u);
  EXPECT_EQ(engine_.BestResult[0].TypeCounts[0].Count, 2);
  EXPECT_EQ(engine_.BestResult[0].TypeCounts[1].Count, 10000);
}

std::vector<std::string> Layouts(const TSchemes& result) {
  std::vector<std::string> layouts;
  for (const TPacket& layout : result.Items) {
    layouts.push_back(std::to_string(layout.Count) + "x " + layout.Signature());
  }
  return layouts;
}

// A stop seen anywhere in the run ends it without a result, and leaves the random sequence
// and the seed counter as it found them: the next run is the one it would have been.
TEST_F(OptimizationRun, AStoppedRunLeavesNoResultAndNoTrace) {
  parts_.AddCopy(T2DStock().SetLabel("Q").SetLength(450000).SetWidth(330000).SetCount(7));
  SeedCounter = 0;
  int total = 0;
  ASSERT_EQ(RunOptimization(engine_, sheets_, parts_, TPanels(), options_, [&total] { ++total; }),
            "");
  const std::vector<std::string> finished = Layouts(engine_.BestResult);
  ASSERT_GT(total, 10);
  for (const int stopAt : {1, total / 2, total}) {
    ResetRandomForTests();
    SeedCounter = 0;
    std::atomic<bool> stop{false};
    int steps = 0;
    const TRunControl control{[&] { stop = stop || ++steps == stopAt; }, &stop};
    const TRunOutcome outcome =
        RunStoppableOptimization(engine_, sheets_, parts_, TPanels(), options_, control);
    EXPECT_EQ(outcome.End, TRunEnd::Stopped) << stopAt;
    EXPECT_EQ(outcome.Error, "");
    EXPECT_TRUE(engine_.BestResult.Empty());
    EXPECT_EQ(ProcessRandom().State(), 0u);
    EXPECT_EQ(SeedCounter, 0);
    ASSERT_EQ(RunOptimization(engine_, sheets_, parts_, TPanels(), options_, {}), "");
    EXPECT_EQ(Layouts(engine_.BestResult), finished) << stopAt;
  }
}

// Some two thousand pieces of 120 types: the fast search takes a moment, the deep search
// many seconds.
void AddManyPartTypes(TPanels& parts) {
  parts.ClearAll();
  for (int32_t i = 1; i <= 120; ++i) {
    parts.AddCopy(T2DStock()
                      .SetLabel("P" + std::to_string(i))
                      .SetLength(300000 + i * 137 % 1500 * 1000)
                      .SetWidth(100000 + i * 89 % 450 * 1000)
                      .SetCount(10 + i % 15));
  }
}

// A stop while the deep search works ends the run with the best result found so far, soon:
// the run has finished, and its report says what ended the search. The deep search steps
// the progress on while it works, or the stop would never come.
TEST_F(OptimizationRun, AStopDuringTheDeepSearchKeepsItsBestResult) {
  using TClock = std::chrono::steady_clock;
  sheets_[0].SetCount(5000);
  AddManyPartTypes(parts_);
  int currentSteps = 0;
  ASSERT_EQ(RunOptimization(engine_, sheets_, parts_, TPanels(), options_,
                            [&currentSteps] { ++currentSteps; }),
            "");
  const double currentSheets = ResultValue(engine_.BestResult, TDeepMeasure::Sheets);
  options_.DeepOptimize = true;
  options_.DeepSeconds = 600;
  ResetRandomForTests();
  std::atomic<bool> stop{false};
  int steps = 0;
  TClock::time_point stoppedAt = TClock::now();
  const TRunControl control{[&] {
                              if (++steps != currentSteps + 10) return;
                              stop = true;
                              stoppedAt = TClock::now();
                            },
                            &stop};
  const TRunOutcome outcome =
      RunStoppableOptimization(engine_, sheets_, parts_, TPanels(), options_, control);
  EXPECT_LT(TClock::now() - stoppedAt, std::chrono::seconds(2));
  ASSERT_TRUE(stop);
  EXPECT_EQ(outcome.End, TRunEnd::Finished);
  EXPECT_EQ(engine_.Deep.End, TDeepEnd::Stopped);
  EXPECT_EQ(ResultFaults(engine_, {}), std::vector<std::string>{});
  EXPECT_LE(ResultValue(engine_.BestResult, TDeepMeasure::Sheets), currentSheets);
  const std::vector<std::string> report =
      FormatRunReport(engine_, ReportSettingsOf(options_, false));
  EXPECT_NE(std::find(report.begin(), report.end(), "Deep search ended by the Stop button"),
            report.end());
}

// A deep search longer than its time limit ends within a moment of it with a valid result,
// and the report and the JSON say that the limit ended it.
TEST_F(OptimizationRun, TheTimeLimitEndsALongDeepSearch) {
  sheets_[0].SetCount(5000);
  AddManyPartTypes(parts_);
  options_.DeepOptimize = true;
  options_.DeepSeconds = 1;
  const auto started = std::chrono::steady_clock::now();
  ASSERT_EQ(RunOptimization(engine_, sheets_, parts_, TPanels(), options_, {}), "");
  EXPECT_LT(std::chrono::steady_clock::now() - started, std::chrono::seconds(4));
  EXPECT_EQ(ResultFaults(engine_, {}), std::vector<std::string>{});
  const TReportSettings settings = ReportSettingsOf(options_, false);
  const std::vector<std::string> report = FormatRunReport(engine_, settings);
  EXPECT_NE(std::find(report.begin(), report.end(), "Deep search ended by its time limit"),
            report.end());
  EXPECT_EQ(nlohmann::json::parse(ResultJson(engine_, {"", settings, 1.0}))["deep_end"],
            "time limit");
}

TEST_F(OptimizationRun, RefusesSizesAndCountsBeyondTheLimitsWithTheFieldsMessage) {
  options_.LengthEdge = 1'500'000'000;  // twice that wraps round in 32 bits
  EXPECT_EQ(RunOptimization(engine_, sheets_, parts_, TPanels(), options_, {}),
            "Current sheet Length format error.");
  options_.LengthEdge = 0;
  sheets_[0].Width = 100'000'001;
  EXPECT_EQ(RunOptimization(engine_, sheets_, parts_, TPanels(), options_, {}),
            "Current sheet Width format error.");
  sheets_[0].Width = 1220000;
  parts_[0].Count = 1'000'001;
  EXPECT_EQ(RunOptimization(engine_, sheets_, parts_, TPanels(), options_, {}),
            "Current part quantity format error.");
  parts_[0].Count = 5;
  TPanels profiles;
  profiles.AddCopy(T2DStock()
                       .SetLabel("T")
                       .SetShape(kShapeProfile)
                       .SetLength(200'000'000)
                       .SetWidth(1000)
                       .SetCount(1));
  EXPECT_EQ(RunOptimization(engine_, sheets_, parts_, profiles, options_, {}),
            "Current part Length format error.");
}

}  // namespace
}  // namespace vexlin
