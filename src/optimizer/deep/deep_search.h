#pragma once

#include <atomic>
#include <cstdint>
#include <functional>

namespace vexlin {

class TVexlin;

// What a job's result is measured in: sheets when every sheet type has one size, the
// sheets' area (scaled units squared, blade width not included) when there are several
// sizes, the total sheet cost (scaled like every cost) in cost mode.
enum class TDeepMeasure { Sheets, Area, Cost };

// Why a deep search ended. Only TimeLimit and Stopped make a result depend on the machine.
enum class TDeepEnd { WorkDone, LowerBound, TimeLimit, Stopped, NothingToImprove };

// What a deep search proved and reached; kept with its result and saved with it.
struct TDeepSummary {
  bool Ran = false;
  TDeepEnd End = TDeepEnd::WorkDone;
  TDeepMeasure Measure = TDeepMeasure::Sheets;
  double LowerBound = 0.0;  // no plan can do better, in Measure
  double Achieved = 0.0;    // the result's own value, in Measure

  // How far above the bound the result is, in percent of the bound (0 when the bound is 0).
  double GapPercent() const;
  // The result cannot be beaten.
  bool Optimal() const;
};

struct TDeepSettings {
  bool CostMode = false;
  bool Guillotine = false;
  int32_t Seconds = 10;  // the time limit
  unsigned Threads = 0;  // 0: one per core
  const std::atomic<bool>* StopRequest = nullptr;
  std::function<void()> ProgressStep;  // called from the calling thread only
};

// Improves the engine's result (its BestResult, after GenBestResult or GenBestCostResult)
// with a second, slower search that starts from it. The result is never worse than the one
// it starts from; it is replaced only by a better one. The same job and settings give the
// same result on every machine and thread count unless the time limit or a stop ends it.
TDeepSummary RunDeepSearch(TVexlin& engine, const TDeepSettings& settings);

}  // namespace vexlin
