#pragma once

#include <chrono>
#include <cstddef>
#include <cstdint>
#include <functional>
#include <vector>

#include "optimizer/deep/deep_job.h"
#include "optimizer/deep/deep_search.h"
#include "optimizer/deep/pattern_pool.h"
#include "optimizer/deep/plan_builder.h"
#include "optimizer/schemes.h"

namespace vexlin {

class TVexlin;

// One deep search: chains of plans fill a pool of sheet fillings round by round; then the
// cheapest cover of the job by the pool's fillings is chosen while ruin and recreate moves
// try to cut the best plan from fewer sheets. The pool starts with the engine's result and
// candidate layouts, so the result is never worse than the one the search starts from.
class TDeepRun {
 public:
  TDeepRun(TVexlin& engine, const TDeepSettings& settings);
  TDeepSummary Run();

 private:
  using TClock = std::chrono::steady_clock;

  bool StartCutsEveryPart() const;
  void PoolEngineLayouts();
  std::vector<int64_t> UsesOf(const TSchemes& result);
  size_t Cores() const;
  void RunRound();
  void RunStepping(const std::vector<std::function<void()>>& jobs);
  void PoolPlans(std::vector<std::vector<TPattern>>& chainPatterns,
                 std::vector<std::vector<size_t>>& chainPlanEnds);
  std::vector<size_t> CoverColumns() const;
  void CoverAndEliminate();
  double CoverCost(const std::vector<int64_t>& uses) const;
  double CoverValue(const std::vector<int64_t>& uses) const;
  bool CoverFeasible(const std::vector<int64_t>& uses) const;
  void OfferCover(std::vector<int64_t> uses);
  void EliminateSheets();
  void InstallBestCover();
  bool Interrupted() const;
  bool OutOfTime() const { return TClock::now() >= deadline_; }
  bool Stopped() const;
  bool AtBound() const;

  TVexlin& engine_;
  TDeepSettings settings_;
  TDeepJob job_;
  TDeepSummary summary_;
  TSchemes start_;       // the result the search starts from
  TSchemes candidates_;  // the engine's candidate layouts that fit the job
  TPatternPool pool_;
  std::vector<int64_t> bestUses_;  // the best cover so far, per filling of the pool
  double bestCost_ = 0.0;
  TClock::time_point deadline_;
  bool timedOut_ = false;
  std::vector<TPlanBuilder> chains_;
};

}  // namespace vexlin
