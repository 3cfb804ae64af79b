// Every public job and the bundled example, in each mode, run as the batch tool runs them
// and held to the independent check of a result; a deep result is no worse than the
// current search's.

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "cli/batch_job.h"
#include "input/option_values.h"
#include "input/options_file.h"
#include "model/random.h"
#include "optimizer/deep/lower_bound.h"
#include "optimizer/vexlin.h"
#include "support/result_validity.h"

namespace vexlin {
namespace {

struct TJobCase {
  const char* Job;
  const char* Mode;
};

std::string JobFolder(const std::string& job) {
  const std::string data = VEXLIN_TEST_DATA_DIR;
  return job == "example" ? data + "/../../examples" : data + "/jobs/" + job;
}

// The current search alone, whatever a job's options say of the deep search; deep mode
// keeps the job's own options, fast deep mode only turns Fast on.
std::vector<std::string> ModeArguments(const std::string& mode) {
  if (mode == "fast") return {"--fast", "--no-cost", "--no-guillotine", "--no-deep"};
  if (mode == "cost") return {"--no-fast", "--cost", "--no-guillotine", "--no-deep"};
  if (mode == "guillotine") return {"--no-fast", "--no-cost", "--guillotine", "--no-deep"};
  if (mode == "deep") return {"--deep"};
  if (mode == "fast_deep") return {"--fast", "--deep"};
  return {"--no-fast", "--no-cost", "--no-guillotine", "--no-deep"};
}

// As a fresh batch process runs it: the random sequence from its start.
TBatchRun RunJob(const std::string& job, std::vector<std::string> arguments, TVexlin& engine) {
  ResetRandomForTests();
  arguments.push_back(JobFolder(job));
  std::string error;
  const TBatchOptions options = ParseBatchArguments(arguments, error);
  EXPECT_EQ(error, "");
  return RunBatchJob(options, engine, {});
}

// The result's sheets, area or cost, as the job's own options measure it.
double JobValue(const std::string& job, const TVexlin& engine) {
  const bool costMode = ReadOptionsFile(JobFolder(job) + "/default.opt").CostOptimize;
  return ResultValue(engine.BestResult, JobMeasure(engine.Sheets, costMode));
}

class ValidResults : public ::testing::TestWithParam<TJobCase> {
 protected:
  void TearDown() override { ApplyOptionValues(TOptionValues()); }
};

TEST_P(ValidResults, PassTheIndependentCheck) {
  const TJobCase& job = GetParam();
  TVexlin engine;
  const TBatchRun run = RunJob(job.Job, ModeArguments(job.Mode), engine);
  ASSERT_EQ(run.ExitCode, kBatchDone) << run.Error;
  ASSERT_FALSE(engine.BestResult.Empty());
  EXPECT_EQ(ResultFaults(engine, {.Guillotine = run.Values.Guillotine}),
            std::vector<std::string>{});
  std::vector<std::string> start = ModeArguments(job.Mode);
  if (start.back() != "--deep") return;
  // The deep search starts from the result of the same run without it.
  start.back() = "--no-deep";
  TVexlin current;
  ASSERT_EQ(RunJob(job.Job, start, current).ExitCode, kBatchDone);
  EXPECT_LE(JobValue(job.Job, engine), JobValue(job.Job, current));
}

std::vector<TJobCase> AllCases() {
  std::vector<TJobCase> cases;
  for (const char* job : {"drawers_guil", "kitchen_small", "office_cost", "shopfit_40types",
                          "wardrobe_trim", "example"}) {
    for (const char* mode : {"normal", "fast", "cost", "guillotine", "deep", "fast_deep"})
      cases.push_back({job, mode});
  }
  return cases;
}

INSTANTIATE_TEST_SUITE_P(Jobs, ValidResults, ::testing::ValuesIn(AllCases()), [](const auto& info) {
  return std::string(info.param.Job) + "_" + info.param.Mode;
});

}  // namespace
}  // namespace vexlin
