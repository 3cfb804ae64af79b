#include "optimizer/deep/deep_run.h"

#include <algorithm>
#include <array>
#include <condition_variable>
#include <functional>
#include <mutex>
#include <numeric>
#include <optional>
#include <thread>

#include "model/guillotine.h"
#include "optimizer/deep/cover_layouts.h"
#include "optimizer/deep/lower_bound.h"
#include "optimizer/deep/sheet_cover.h"
#include "optimizer/deep/sheet_elimination.h"
#include "optimizer/vexlin.h"

namespace vexlin {
namespace {

// The fixed amount of work: rounds of plans per chain, then a cover of the pool.
constexpr int32_t kRounds = 6;
constexpr int32_t kPlansPerRound = 6;
constexpr int32_t kCoverNodes = 50;
constexpr size_t kCoverColumns = 3000;
// A filling of a free sheet is worth its area as if the sheet cost a little.
constexpr double kLeastCost = 1e-9;
constexpr double kCostTolerance = 1e-9;
constexpr auto kProgressInterval = std::chrono::milliseconds(25);
constexpr uint64_t kEliminationSeed = 0xe1170000ULL;

constexpr std::array<TChainStyle, 8> kChainStyles = {{
    {TFitRule::ShortSide, false, 0.05, 0.5},
    {TFitRule::Area, true, 0.1, 0.5},
    {TFitRule::BottomLeft, false, 0.1, 0.5},
    {TFitRule::LongSide, true, 0.1, 0.5},
    {TFitRule::ShortSide, true, 0.2, 0.3},
    {TFitRule::Area, false, 0.2, 0.7},
    {TFitRule::ShortSide, false, 0.3, 0.5},
    {TFitRule::BottomLeft, true, 0.3, 0.5},
}};

TPattern LayoutPattern(const TPacket& layout, const TDeepJob& job) {
  TPattern pattern;
  pattern.Sheet = layout.Index;
  pattern.Layout = &layout;
  for (size_t i = 0; i < layout.TypeCounts.Size(); ++i) {
    pattern.Counts.push_back(layout.TypeCounts[i].Count);
    pattern.UsedArea += layout.TypeCounts[i].Count * job.Parts[i].Area;
  }
  return pattern;
}

bool WithinDemand(const TPacket& layout, const TDeepJob& job) {
  for (size_t i = 0; i < layout.TypeCounts.Size(); ++i) {
    if (layout.TypeCounts[i].Count > job.Parts[i].Demand) return false;
  }
  return !layout.Pieces.Empty();
}

}  // namespace

TDeepRun::TDeepRun(TVexlin& engine, const TDeepSettings& settings)
    : engine_(engine),
      settings_(settings),
      job_(TDeepJob::FromEngine(engine, settings.CostMode, settings.Guillotine)),
      deadline_(TClock::now() + std::chrono::seconds(settings.Seconds)) {
  const TLowerBound bound = JobLowerBound(engine.Parts, engine.Sheets, settings.CostMode);
  summary_.Ran = true;
  summary_.Measure = bound.Measure;
  summary_.LowerBound = bound.Value;
  start_.Assign(engine.BestResult);
}

TDeepSummary TDeepRun::Run() {
  summary_.Achieved = ResultValue(start_, summary_.Measure);
  if (!StartCutsEveryPart()) {
    summary_.End = TDeepEnd::NothingToImprove;
    return summary_;
  }
  PoolEngineLayouts();
  for (size_t k = 0; k < kChainStyles.size(); ++k) {
    chains_.emplace_back(job_, kChainStyles[k], 0x5eed0000ULL + k);
  }
  for (int32_t round = 0; round < kRounds && !AtBound() && !Interrupted(); ++round) {
    RunRound();
    if (settings_.ProgressStep) settings_.ProgressStep();
  }
  // The plans themselves are cheap; the cover once, over everything they found.
  if (!AtBound() && !Interrupted()) CoverAndEliminate();
  InstallBestCover();
  summary_.Achieved = ResultValue(engine_.BestResult, summary_.Measure);
  if (summary_.Optimal()) {
    summary_.End = TDeepEnd::LowerBound;
  } else if (Stopped()) {
    summary_.End = TDeepEnd::Stopped;
  } else if (timedOut_ || OutOfTime()) {
    summary_.End = TDeepEnd::TimeLimit;
  } else {
    summary_.End = TDeepEnd::WorkDone;
  }
  return summary_;
}

bool TDeepRun::StartCutsEveryPart() const {
  std::vector<int64_t> cut(job_.Parts.size(), 0);
  for (const TPacket& layout : start_.Items) {
    for (size_t i = 0; i < cut.size(); ++i)
      cut[i] += int64_t{layout.Count} * layout.TypeCounts[i].Count;
  }
  for (size_t i = 0; i < cut.size(); ++i) {
    if (cut[i] != job_.Parts[i].Demand) return false;
  }
  return true;
}

// The start's layouts first, so that the start itself is a cover of the pool.
void TDeepRun::PoolEngineLayouts() {
  for (const TPacket& layout : start_.Items) pool_.Add(LayoutPattern(layout, job_));
  TGuillotine guillotine;
  for (const TPacket& layout : engine_.AllSchemes.Items) {
    if (!WithinDemand(layout, job_)) continue;
    if (job_.Guillotine && !guillotine.IsGuillotine(layout)) continue;
    candidates_.Items.push_back(layout);
  }
  for (const TPacket& layout : candidates_.Items) pool_.Add(LayoutPattern(layout, job_));
  bestUses_ = UsesOf(start_);
  bestUses_.resize(pool_.Size(), 0);
  bestCost_ = CoverCost(bestUses_);
}

std::vector<int64_t> TDeepRun::UsesOf(const TSchemes& result) {
  std::vector<int64_t> uses(pool_.Size(), 0);
  for (const TPacket& layout : result.Items) {
    uses[pool_.Add(LayoutPattern(layout, job_))] += layout.Count;
  }
  return uses;
}

void TDeepRun::RunRound() {
  const size_t chains = chains_.size();
  std::vector<std::vector<TPattern>> patterns(chains);
  std::vector<std::vector<size_t>> planEnds(chains);
  const size_t workers = std::min<size_t>(Cores(), chains);
  const auto interrupted = [this] { return Interrupted(); };
  std::vector<std::function<void()>> jobs;
  for (size_t w = 0; w < workers; ++w) {
    jobs.emplace_back([&, w] {
      for (size_t k = w; k < chains; k += workers) {
        for (int32_t plan = 0; plan < kPlansPerRound && !Interrupted(); ++plan) {
          if (chains_[k].NextPlan(patterns[k], interrupted)) {
            planEnds[k].push_back(patterns[k].size());
          }
        }
      }
    });
  }
  RunStepping(jobs);
  PoolPlans(patterns, planEnds);
}

size_t TDeepRun::Cores() const {
  return settings_.Threads > 0 ? settings_.Threads
                               : std::max(1U, std::thread::hardware_concurrency());
}

// Each job on a thread of its own; the calling thread steps the progress meanwhile.
void TDeepRun::RunStepping(const std::vector<std::function<void()>>& jobs) {
  std::mutex mutex;
  std::condition_variable jobDone;
  size_t finished = 0;
  std::vector<std::thread> threads;
  for (size_t j = 0; j < jobs.size(); ++j) {
    threads.emplace_back([&, j] {
      jobs[j]();
      const std::lock_guard lock(mutex);
      ++finished;
      jobDone.notify_one();
    });
  }
  std::unique_lock lock(mutex);
  while (!jobDone.wait_for(lock, kProgressInterval, [&] { return finished == jobs.size(); })) {
    lock.unlock();
    if (settings_.ProgressStep) settings_.ProgressStep();
    lock.lock();
  }
  lock.unlock();
  for (std::thread& thread : threads) thread.join();
}

// Chains are taken in their fixed order, so the pool does not depend on the threads.
void TDeepRun::PoolPlans(std::vector<std::vector<TPattern>>& chainPatterns,
                         std::vector<std::vector<size_t>>& chainPlanEnds) {
  for (size_t k = 0; k < chainPatterns.size(); ++k) {
    size_t begin = 0;
    for (const size_t end : chainPlanEnds[k]) {
      std::vector<size_t> plan;
      for (size_t p = begin; p < end; ++p)
        plan.push_back(pool_.Add(std::move(chainPatterns[k][p])));
      begin = end;
      std::vector<int64_t> uses(pool_.Size(), 0);
      for (const size_t p : plan) ++uses[p];
      OfferCover(std::move(uses));
    }
  }
  bestUses_.resize(pool_.Size(), 0);
}

void TDeepRun::OfferCover(std::vector<int64_t> uses) {
  const double cost = CoverCost(uses);
  if (cost >= bestCost_ - kCostTolerance || !CoverFeasible(uses)) return;
  bestCost_ = cost;
  bestUses_ = std::move(uses);
}

// The fillings the cover may choose from: those of the best cover so far, then the
// fullest for their cost, at most kCoverColumns in all, so that the integer programme's
// work stays bounded on large jobs.
std::vector<size_t> TDeepRun::CoverColumns() const {
  std::vector<size_t> columns(pool_.Size());
  std::iota(columns.begin(), columns.end(), size_t{0});
  const auto worth = [this](size_t p) {
    const TPattern& pattern = pool_.Items()[p];
    return pattern.UsedArea / std::max(job_.PatternCost(pattern.Sheet), kLeastCost);
  };
  std::stable_sort(columns.begin(), columns.end(), [&](size_t a, size_t b) {
    if ((bestUses_[a] > 0) != (bestUses_[b] > 0)) return bestUses_[a] > 0;
    return worth(a) > worth(b);
  });
  columns.resize(std::min(columns.size(), kCoverColumns));
  return columns;
}

// The integer programme runs on one core; meanwhile the others try to give up sheets of
// the best plan so far. Its cover is offered after theirs, so the order is fixed.
void TDeepRun::CoverAndEliminate() {
  const std::vector<size_t> columns = CoverColumns();
  std::vector<TPattern> patterns;
  std::vector<int64_t> start;
  for (const size_t p : columns) {
    patterns.push_back(pool_.Items()[p]);
    start.push_back(bestUses_[p]);
  }
  const double seconds = std::chrono::duration<double>(deadline_ - TClock::now()).count();
  std::optional<TCover> cover;
  const auto chooseCover = [&] {
    cover = ChooseCover(job_, patterns, start, kCoverNodes, seconds);
  };
  const auto eliminate = [this] {
    if (!job_.Guillotine) EliminateSheets();
  };
  if (Cores() > 1) {
    RunStepping({chooseCover, eliminate});
  } else {
    RunStepping({[&] {
      chooseCover();
      eliminate();
    }});
  }
  if (!cover) return;
  timedOut_ = timedOut_ || cover->TimedOut;
  std::vector<int64_t> uses(pool_.Size(), 0);
  for (size_t c = 0; c < columns.size(); ++c) uses[columns[c]] = cover->Uses[c];
  OfferCover(std::move(uses));
}

double TDeepRun::CoverCost(const std::vector<int64_t>& uses) const {
  double cost = 0.0;
  for (size_t p = 0; p < uses.size(); ++p) {
    if (uses[p] > 0)
      cost += static_cast<double>(uses[p]) * job_.PatternCost(pool_.Items()[p].Sheet);
  }
  return cost;
}

double TDeepRun::CoverValue(const std::vector<int64_t>& uses) const {
  double value = 0.0;
  for (size_t p = 0; p < uses.size(); ++p) {
    const T2DStock& sheet = engine_.Sheets[static_cast<size_t>(pool_.Items()[p].Sheet)];
    if (uses[p] > 0) value += static_cast<double>(uses[p]) * SheetValue(sheet, summary_.Measure);
  }
  return value;
}

bool TDeepRun::CoverFeasible(const std::vector<int64_t>& uses) const {
  std::vector<int64_t> cut(job_.Parts.size(), 0);
  std::vector<int64_t> sheets(job_.Sheets.size(), 0);
  for (size_t p = 0; p < uses.size(); ++p) {
    const TPattern& pattern = pool_.Items()[p];
    if (uses[p] < 0) return false;
    sheets[static_cast<size_t>(pattern.Sheet)] += uses[p];
    for (size_t i = 0; i < cut.size(); ++i) cut[i] += uses[p] * pattern.Counts[i];
  }
  for (size_t i = 0; i < cut.size(); ++i) {
    if (cut[i] < job_.Parts[i].Demand) return false;
  }
  for (size_t t = 0; t < sheets.size(); ++t) {
    if (sheets[t] > job_.Sheets[t].Stock) return false;
  }
  return true;
}

// Gives up one sheet after another while ruin and recreate moves find room for its pieces
// on the others. Free rectangles of any shape are used, so not in guillotine mode.
void TDeepRun::EliminateSheets() {
  const auto interrupted = [this] { return Interrupted(); };
  const size_t workers = std::max<size_t>(1, Cores() - 1);
  for (uint64_t attempt = 0; !AtBound() && !Interrupted(); ++attempt) {
    std::vector<size_t> kept;
    const std::vector<TPattern> loose = CoverSheets(job_, pool_.Items(), bestUses_, kept);
    const std::optional<std::vector<TPattern>> plan =
        EliminateOneSheet(job_, loose, kEliminationSeed + attempt * 0x100, workers, interrupted);
    if (!plan) return;
    std::vector<size_t> members = std::move(kept);
    for (const TPattern& sheet : *plan) members.push_back(pool_.Add(sheet));
    std::vector<int64_t> uses(pool_.Size(), 0);
    for (const size_t p : members) ++uses[p];
    const double before = bestCost_;
    OfferCover(std::move(uses));
    bestUses_.resize(pool_.Size(), 0);
    if (bestCost_ >= before) return;
  }
}

// The cover replaces the start only when its layouts are really better: less of the
// measure, or as much on fewer sheets.
void TDeepRun::InstallBestCover() {
  TSchemes result;
  result.Items = CoverLayouts(engine_, job_, pool_.Items(), bestUses_);
  if (job_.Guillotine) {
    TGuillotine guillotine;
    for (const TPacket& layout : result.Items) {
      if (!guillotine.IsGuillotine(layout)) return;
    }
  }
  const double value = ResultValue(result, summary_.Measure);
  const double startValue = ResultValue(start_, summary_.Measure);
  const double tolerance = 1e-9 * std::max(1.0, startValue);
  const bool better =
      value < startValue - tolerance ||
      (value <= startValue + tolerance &&
       ResultValue(result, TDeepMeasure::Sheets) < ResultValue(start_, TDeepMeasure::Sheets));
  if (!better) return;
  engine_.BestResult = std::move(result);
  engine_.FinishResult(true);
}

bool TDeepRun::Stopped() const {
  return settings_.StopRequest != nullptr && settings_.StopRequest->load(std::memory_order_relaxed);
}

bool TDeepRun::Interrupted() const {
  return Stopped() || OutOfTime();
}

bool TDeepRun::AtBound() const {
  return CoverValue(bestUses_) <= summary_.LowerBound;
}

}  // namespace vexlin
