// Every public job's result, in each mode, compared with the one stored under
// tests/data/golden. A change that alters one must be a deliberate fix; refresh the files
// with scripts/update-golden.sh and say why in the commit.

#include <gtest/gtest.h>

#include <nlohmann/json.hpp>

#include "cli/batch_process.h"
#include "support/temp_folder.h"

namespace vexlin {
namespace {

struct TGoldenCase {
  const char* Job;
  const char* Mode;
};

// The stored results are those of the current search alone, whatever a job's options say.
std::vector<std::string> ModeArguments(const std::string& mode) {
  if (mode == "fast") return {"--fast", "--no-cost", "--no-guillotine", "--no-deep"};
  if (mode == "cost") return {"--no-fast", "--cost", "--no-guillotine", "--no-deep"};
  if (mode == "guillotine") return {"--no-fast", "--no-cost", "--guillotine", "--no-deep"};
  return {"--no-fast", "--no-cost", "--no-guillotine", "--no-deep"};
}

class GoldenResults : public ::testing::TestWithParam<TGoldenCase> {};

TEST_P(GoldenResults, MatchTheStoredResult) {
  const TGoldenCase& golden = GetParam();
  TempFolder folder;
  const std::string jsonPath = folder.PathOf("result.json");
  std::vector<std::string> arguments = ModeArguments(golden.Mode);
  arguments.insert(arguments.end(), {"--json", jsonPath,
                                     std::string(VEXLIN_TEST_DATA_DIR) + "/jobs/" + golden.Job});
  const TBatchProcess run = RunBatchProgram(arguments);
  ASSERT_EQ(run.ExitCode, 0) << run.Err;
  auto result = nlohmann::json::parse(ReadWholeFile(jsonPath));
  result["seconds"] = 0;
  const std::string goldenPath = std::string(VEXLIN_TEST_DATA_DIR) + "/golden/" + golden.Job +
                                 "-" + golden.Mode + ".json";
  const auto expected = nlohmann::json::parse(ReadWholeFile(goldenPath), nullptr, false);
  ASSERT_FALSE(expected.is_discarded()) << "missing or broken " << goldenPath;
  EXPECT_TRUE(result == expected) << "result differs from " << goldenPath;
}

std::vector<TGoldenCase> AllCases() {
  std::vector<TGoldenCase> cases;
  for (const char* job :
       {"drawers_guil", "kitchen_small", "office_cost", "shopfit_40types", "wardrobe_trim"}) {
    for (const char* mode : {"normal", "fast", "cost", "guillotine"}) cases.push_back({job, mode});
  }
  return cases;
}

INSTANTIATE_TEST_SUITE_P(PublicJobs, GoldenResults, ::testing::ValuesIn(AllCases()),
                         [](const auto& info) {
                           return std::string(info.param.Job) + "_" + info.param.Mode;
                         });

}  // namespace
}  // namespace vexlin
