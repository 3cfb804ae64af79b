#include <algorithm>
#include <cstdint>
#include <limits>
#include <vector>

#include "model/random.h"
#include "model/rounding.h"
#include "model/run_options.h"
#include "model/text_table.h"
#include "optimizer/corner_sets.h"
#include "optimizer/search_counters.h"
#include "optimizer/vexlin.h"

namespace vexlin {
namespace {

constexpr int32_t kBaseWeight = 10000;
// Weights stay this close to the base so that a weight less the base cannot wrap round;
// only parts of enormous area reach it.
constexpr int64_t kMaxWeightSpread = std::numeric_limits<int32_t>::max() - kBaseWeight;
// Scores this close count as equal; evenness decides between them.
constexpr double kScoreTolerance = 1.0;
constexpr double kPoolFloor = -99999.0;
constexpr double kRefillFloor = -999999.0;
constexpr int kFastWeightSteps = 10;
constexpr int kWeightSteps = 40;
constexpr int kWeightSchemes = 2;
constexpr int kTrialsPerStep = 6;
constexpr int32_t kFastImprovements = 10;
constexpr int32_t kImprovements = 20;
constexpr int kStallTrials = 41;
constexpr int32_t kFastCallCap = 200;
constexpr int32_t kCallCap = 100000;
constexpr int32_t kRefillLevel = 9;

// The mean sheet area one money unit buys; a free sheet counts as costing 1.
double AreaPerCost(const TPanels& sheets) {
  double sum = 0.0;
  for (const T2DStock& sheet : sheets) {
    sum += sheet.NetArea() / (sheet.Cost == 0 ? 1 : sheet.Cost);
  }
  return sum / static_cast<double>(sheets.Size());
}

// What the greedy choice needs of each layout of a list, worked out once.
struct TScoredList {
  std::vector<double> Plain;       // area per cost and fill, without the weights
  std::vector<int64_t> Deviation;  // how unevenly the layout serves the demand
  std::vector<double> Weighted;    // plain score plus the bonus of the current weights
};

TScoredList ScoreList(const TSchemes& list, const TPanels& parts, double areaPerCost) {
  TScoredList scored;
  for (const TPacket& layout : list.Items) {
    scored.Plain.push_back(layout.LayoutScore(true, areaPerCost));
    scored.Deviation.push_back(parts.ShareDeviation(layout.TypeCounts));
  }
  return scored;
}

void WeighList(const TSchemes& list, const TPanels& weights, TScoredList& scored) {
  scored.Weighted.clear();
  for (size_t k = 0; k < list.Size(); ++k) {
    int64_t bonus = 0;
    const TPanels& counts = list[k].TypeCounts;
    for (size_t i = 0; i < counts.Size(); ++i) {
      bonus += int64_t{weights[i].Count - kBaseWeight} * counts[i].Count;
    }
    scored.Weighted.push_back(scored.Plain[k] + static_cast<double>(bonus));
  }
}

// Builds complete results greedily under randomised and learned part weights and keeps
// the cheapest.
class TCostSearch {
 public:
  explicit TCostSearch(TVexlin& engine);
  void Run();

 private:
  void SetWeights(int scheme, int step);
  bool RunTrial();
  void CutFromPool();
  bool CutFromRefills();
  bool Refill();
  int Pick(const TSchemes& list, const TScoredList& scored, double floor,
           bool leaveExactCover) const;
  bool Evener(const TSchemes& list, const TScoredList& scored, size_t k, size_t best) const;
  void Take(const TPacket& layout, double plain);
  void LearnFrom(const TPacket& layout, double plain);
  bool TrialEndsSearch();
  void LearnWeights();

  TVexlin& engine_;
  const double areaPerCost_;
  TScoredList pool_;
  TPanels weights_;
  TPanels adjustments_;
  TPanels remaining_;
  TPanels sheetsLeft_;
  TSchemes chosen_;
  std::vector<double> chosenScores_;  // plain score of each chosen layout
  TSchemes refills_;
  TScoredList refillScores_;
  int stall_ = 0;
};

TCostSearch::TCostSearch(TVexlin& engine)
    : engine_(engine),
      areaPerCost_(AreaPerCost(engine.Sheets)),
      pool_(ScoreList(engine.AllSchemes, engine.Parts, areaPerCost_)),
      weights_(engine.Parts),
      adjustments_(engine.Parts) {}

void TCostSearch::Run() {
  const int steps = FastMode ? kFastWeightSteps : kWeightSteps;
  for (int scheme = 0; scheme < kWeightSchemes; ++scheme) {
    for (int step = 0; step <= steps; ++step) {
      SetWeights(scheme, step);
      for (int trial = 0; trial < kTrialsPerStep; ++trial) {
        if (!RunTrial() || engine_.Seeds.StopRequested() || TrialEndsSearch()) return;
        LearnWeights();
      }
    }
  }
}

// The first scheme favours parts that are large for their outline, the second the parts
// early in the list; the spread grows with the step, from none at step 0.
void TCostSearch::SetWeights(int scheme, int step) {
  const TPanels& parts = engine_.Parts;
  for (size_t i = 0; i < parts.Size(); ++i) {
    const T2DStock& part = parts[i];
    const int64_t spread =
        scheme == 0 ? RoundHalfEven(step * part.GrossArea() /
                                    static_cast<double>(int64_t{part.Length} + part.Width))
                    : int64_t{step} * static_cast<int64_t>(parts.Size() - i);
    const auto drawn = Random(static_cast<uint32_t>(std::min(spread, kMaxWeightSpread)));
    weights_[i].Count = static_cast<int32_t>(drawn + kBaseWeight);
  }
}

// One greedy result; false when a sheet type left in stock yields no layout at all.
bool TCostSearch::RunTrial() {
  if (engine_.Seeds.ProgressStep) engine_.Seeds.ProgressStep();
  for (T2DStock& adjustment : adjustments_) adjustment.Count = kBaseWeight;
  remaining_ = engine_.Parts;
  sheetsLeft_ = engine_.Sheets;
  chosen_.Clear();
  chosenScores_.clear();
  WeighList(engine_.AllSchemes, weights_, pool_);
  CutFromPool();
  return CutFromRefills();
}

void TCostSearch::CutFromPool() {
  while (!remaining_.AllCountsZero()) {
    const int k = Pick(engine_.AllSchemes, pool_, kPoolFloor, true);
    if (k < 0) return;
    Take(engine_.AllSchemes[static_cast<size_t>(k)], pool_.Plain[static_cast<size_t>(k)]);
  }
}

bool TCostSearch::CutFromRefills() {
  refills_.Clear();
  refillScores_ = {};
  bool refilled = false;
  while (!remaining_.AllCountsZero() && !sheetsLeft_.AllCountsZero()) {
    const int k = Pick(refills_, refillScores_, kRefillFloor, false);
    if (k >= 0) {
      Take(refills_[static_cast<size_t>(k)], refillScores_.Plain[static_cast<size_t>(k)]);
      refilled = false;
      continue;
    }
    // Fresh layouts of which none can be chosen would come back the same for ever.
    if (refilled || !Refill()) return false;
    refilled = true;
  }
  return true;
}

// Sparse layouts for exactly what is left, on every sheet type still in stock.
bool TCostSearch::Refill() {
  refills_.Clear();
  for (size_t i = 0; i < engine_.Sheets.Size(); ++i) {
    if (sheetsLeft_[i].Count == 0) continue;
    engine_.Seeds.GenSchemesForSheet(remaining_, MakeSheetPacket(engine_.Sheets[i], engine_.Parts),
                                     kRefillLevel, 1, false, refills_);
    if (refills_.Empty()) return false;
  }
  refillScores_ = ScoreList(refills_, engine_.Parts, areaPerCost_);
  WeighList(refills_, weights_, refillScores_);
  return true;
}

// The best-scoring layout that can still be cut; -1 if none. A layout that would cut
// everything left ends the scan without a choice when leaveExactCover is set, so that the
// rest is laid out afresh.
int TCostSearch::Pick(const TSchemes& list, const TScoredList& scored, double floor,
                      bool leaveExactCover) const {
  int best = -1;
  double bestScore = floor;
  for (size_t k = 0; k < list.Size(); ++k) {
    const TPacket& layout = list[k];
    if (sheetsLeft_[static_cast<size_t>(layout.Index)].Count < 1 ||
        !layout.TypeCounts.CountsWithin(remaining_)) {
      continue;
    }
    if (leaveExactCover && remaining_.CountsWithin(layout.TypeCounts)) return -1;
    const double score = scored.Weighted[k];
    const bool better = score - bestScore > kScoreTolerance;
    const bool close = best >= 0 && score - bestScore >= -kScoreTolerance;
    if (better || (close && Evener(list, scored, k, static_cast<size_t>(best)))) {
      best = static_cast<int>(k);
      bestScore = score;
    }
  }
  return best;
}

bool TCostSearch::Evener(const TSchemes& list, const TScoredList& scored, size_t k,
                         size_t best) const {
  if (scored.Deviation[k] != scored.Deviation[best]) {
    return scored.Deviation[k] < scored.Deviation[best];
  }
  return list[best].TypeCounts.CountsAbove(list[k].TypeCounts);
}

void TCostSearch::Take(const TPacket& layout, double plain) {
  LearnFrom(layout, plain);
  const size_t before = chosen_.Size();
  chosen_.AddUsage(layout);
  if (chosen_.Size() > before) chosenScores_.push_back(plain);
  remaining_.SubtractCounts(layout.TypeCounts);
  --sheetsLeft_[static_cast<size_t>(layout.Index)].Count;
}

// When an earlier choice scored better than this one, the parts this one adds over it
// gain weight and the parts it leaves out lose some.
void TCostSearch::LearnFrom(const TPacket& layout, double plain) {
  for (size_t h = chosen_.Size(); h-- > 0;) {
    if (chosenScores_[h] > plain) {
      const TPanels& earlier = chosen_[h].TypeCounts;
      for (size_t i = 0; i < adjustments_.Size(); ++i) {
        adjustments_[i].Count = SaturateInt32(int64_t{adjustments_[i].Count} +
                                              layout.TypeCounts[i].Count - earlier[i].Count);
      }
      return;
    }
  }
}

bool TCostSearch::TrialEndsSearch() {
  ++stall_;
  const bool fast = FastMode;
  if (remaining_.AllCountsZero() &&
      (engine_.BestCount == 0 || chosen_.TotalCost() < engine_.BestResult.TotalCost())) {
    engine_.BestResult.Assign(chosen_);
    ++engine_.BestCount;
    stall_ = 0;
    const TSchemes& best = engine_.BestResult;
    if (engine_.BestCount >= (fast ? kFastImprovements : kImprovements)) return true;
    if (best.Size() == 1 && best[0].Count == 1) return true;
  }
  if (stall_ >= kStallTrials && engine_.BestCount >= 1) return true;
  return SchemeCallCount > (fast ? kFastCallCap : kCallCap);
}

void TCostSearch::LearnWeights() {
  for (size_t i = 0; i < weights_.Size(); ++i) {
    const int64_t learned = weights_[i].Count + (int64_t{adjustments_[i].Count} - kBaseWeight) / 2;
    weights_[i].Count = static_cast<int32_t>(
        std::clamp(learned, kBaseWeight - kMaxWeightSpread, kBaseWeight + kMaxWeightSpread));
  }
}

}  // namespace

std::string TVexlin::GenBestCostResult() {
  BestCount = 0;
  BestResult.Clear();
  TCostSearch(*this).Run();
  if (BestResult.Empty()) return Texts().Text("MSG_CANT_GET_RESULT");
  FinishResult(false);
  return {};
}

}  // namespace vexlin
