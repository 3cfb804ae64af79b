#include <algorithm>
#include <cstddef>
#include <cstdint>
#include <deque>
#include <unordered_map>
#include <vector>

#include "model/random.h"
#include "model/run_options.h"
#include "model/text_table.h"
#include "optimizer/corner_sets.h"
#include "optimizer/vexlin.h"

namespace vexlin {
namespace {

constexpr int kFastIterations = 6;
constexpr int kIterations = 31;
// Once the level passes this, a refill that yields nothing ends the iteration.
constexpr int32_t kLastRetryLevel = 10;
// Sheet-filling work after which no further iteration starts once a result is complete.
// The largest ordinary jobs need a sixth of it for the whole search; jobs of thousands
// of pieces on many sheets would otherwise run for many minutes.
constexpr int64_t kWorkBound = 20'000'000;

bool DrawsRandomWeights(int iteration) {
  switch (iteration) {
    case 13:
    case 16:
    case 19:
    case 22:
    case 25:
    case 27:
    case 30:
      return true;
    default:
      return false;
  }
}

// Layouts with the same sheet type and counts have the same key.
uint64_t UsageKey(const TPacket& layout) {
  uint64_t key = 14695981039346656037ull ^ static_cast<uint32_t>(layout.Index);
  for (const T2DStock& entry : layout.TypeCounts) {
    key = (key ^ static_cast<uint32_t>(entry.Count)) * 1099511628211ull;
  }
  return key;
}

// A part type a layout cuts, and how many.
struct TNeed {
  size_t Type;
  int32_t Count;
};

// The layouts the picking chooses from, with what it needs of each at hand, and how many
// sheets it has cut to each so far. The layouts themselves are shared, never copied.
struct TPool {
  const TSchemes* Layouts = nullptr;
  std::vector<double> Fill;
  std::vector<uint64_t> Keys;
  std::vector<int32_t> Counts;
  std::vector<TNeed> Needs;  // layout k's are Needs[FirstNeed[k] .. FirstNeed[k + 1])
  std::vector<size_t> FirstNeed;
};

TPool MakePool(const TSchemes& layouts) {
  TPool pool;
  pool.Layouts = &layouts;
  pool.FirstNeed.push_back(0);
  for (const TPacket& layout : layouts.Items) {
    pool.Fill.push_back(layout.FillPercent());
    pool.Keys.push_back(UsageKey(layout));
    for (size_t i = 0; i < layout.TypeCounts.Size(); ++i) {
      const int32_t count = layout.TypeCounts[i].Count;
      if (count != 0) pool.Needs.push_back({i, count});
    }
    pool.FirstNeed.push_back(pool.Needs.size());
  }
  pool.Counts.assign(layouts.Size(), 0);
  return pool;
}

// Most layouts need more than is left; their few non-zero counts tell so quickly.
bool NeedsMet(const TPool& pool, size_t k, const TPanels& remaining) {
  for (size_t n = pool.FirstNeed[k]; n < pool.FirstNeed[k + 1]; ++n) {
    if (pool.Needs[n].Count > remaining[pool.Needs[n].Type].Count) return false;
  }
  return true;
}

// One layout of the iteration's result and the sheets cut to it. A refilled layout may
// have lost its count list to save memory; Needs keeps its counts.
struct TUse {
  const TPacket* Layout;
  std::vector<TNeed> Needs;
  uint64_t Key;
  int32_t Count;
};

// The iteration's result: every layout that was in a pool, merged by sheet type and counts
// as the result list merges them.
class TUsage {
 public:
  void Clear();
  void Add(const TPool& pool, size_t k, int32_t count);
  TSchemes UsedLayouts(const TPanels& parts) const;

 private:
  std::vector<TUse> uses_;
  std::unordered_map<uint64_t, size_t> firstWithKey_;
};

void TUsage::Clear() {
  uses_.clear();
  firstWithKey_.clear();
}

void TUsage::Add(const TPool& pool, size_t k, int32_t count) {
  const TPacket& layout = (*pool.Layouts)[k];
  const uint64_t key = pool.Keys[k];
  const auto firstNeed = pool.Needs.begin() + static_cast<std::ptrdiff_t>(pool.FirstNeed[k]);
  const auto endNeed = pool.Needs.begin() + static_cast<std::ptrdiff_t>(pool.FirstNeed[k + 1]);
  const auto [first, isNew] = firstWithKey_.try_emplace(key, uses_.size());
  // A match has the key, so it cannot stand before the first use with that key.
  for (size_t u = isNew ? uses_.size() : first->second; u < uses_.size(); ++u) {
    TUse& use = uses_[u];
    if (use.Key == key && use.Layout->Index == layout.Index &&
        std::equal(use.Needs.begin(), use.Needs.end(), firstNeed, endNeed,
                   [](const TNeed& a, const TNeed& b) {
                     return a.Type == b.Type && a.Count == b.Count;
                   })) {
      use.Count += count;
      return;
    }
  }
  uses_.push_back({&layout, std::vector<TNeed>(firstNeed, endNeed), key, count});
}

// Layouts never cut weigh nothing in the comparison and are dropped from the result, so
// only the used ones are copied; a count list given up is made again from the parts.
TSchemes TUsage::UsedLayouts(const TPanels& parts) const {
  TSchemes result;
  for (const TUse& use : uses_) {
    if (use.Count == 0) continue;
    TPacket& layout = result.Items.emplace_back(*use.Layout);
    layout.Count = use.Count;
    if (!layout.TypeCounts.Empty()) continue;
    layout.TypeCounts = parts;
    for (T2DStock& entry : layout.TypeCounts) entry.Count = 0;
    for (const TNeed& need : use.Needs) layout.TypeCounts[need.Type].Count = need.Count;
  }
  return result;
}

// Repeats a greedy picking of one layout per sheet with changing part weights and keeps
// the complete result that wastes least.
class TBestResultSearch {
 public:
  explicit TBestResultSearch(TVexlin& engine);
  void Run(TSchemes& best);

 private:
  void SetWeights(int iteration);
  bool CutIteration();
  int PickLayout() const;
  void CutLayout(size_t k);
  void TallyPool();
  void RefillPool();

  TVexlin& engine_;
  const TPool initialPool_;
  const int64_t averageCount_;
  TPanels baseWeights_;
  TPanels weights_;
  TPanels remaining_;
  TPanels sheetsLeft_;
  int32_t level_ = 0;
  TPool pool_;
  std::deque<TSchemes> refills_;  // kept until the iteration's result is taken
  TUsage usage_;
};

TBestResultSearch::TBestResultSearch(TVexlin& engine)
    : engine_(engine),
      initialPool_(MakePool(engine.AllSchemes)),
      averageCount_(engine.Parts.Empty()
                        ? 0
                        : engine.Parts.TotalCount() / static_cast<int64_t>(engine.Parts.Size())),
      baseWeights_(engine.Parts) {
  for (T2DStock& weight : baseWeights_) weight.Count = static_cast<int32_t>(averageCount_);
}

void TBestResultSearch::Run(TSchemes& best) {
  const int iterations = FastMode ? kFastIterations : kIterations;
  const int64_t workAtStart = engine_.Seeds.FillWork;
  for (int iteration = 0; iteration < iterations && !engine_.Seeds.StopRequested(); ++iteration) {
    if (!best.Empty() && engine_.Seeds.FillWork - workAtStart > kWorkBound) return;
    usage_.Clear();
    refills_.clear();
    remaining_ = engine_.Parts;
    sheetsLeft_ = engine_.Sheets;
    SetWeights(iteration);
    pool_ = initialPool_;
    if (!CutIteration()) continue;
    TSchemes result = usage_.UsedLayouts(engine_.Parts);
    if (best.Empty() || result.AreaLessWorstWaste() < best.AreaLessWorstWaste()) {
      best = std::move(result);
    }
  }
}

void TBestResultSearch::SetWeights(int iteration) {
  if (!DrawsRandomWeights(iteration)) {
    weights_ = baseWeights_;
    return;
  }
  weights_ = engine_.Parts;
  for (T2DStock& weight : weights_) {
    weight.Count =
        static_cast<int32_t>(Random(static_cast<uint32_t>(averageCount_)) + averageCount_);
  }
}

// True when the whole demand was cut.
bool TBestResultSearch::CutIteration() {
  for (;;) {
    const int k = PickLayout();
    if (k >= 0) {
      CutLayout(static_cast<size_t>(k));
      continue;
    }
    TallyPool();
    if (remaining_.AllCountsZero()) return true;
    // Parts left over weigh more in later iterations.
    baseWeights_.AddCounts(remaining_);
    if (sheetsLeft_.AllCountsZero() || engine_.Seeds.StopRequested()) return false;
    RefillPool();
    if (level_ > kLastRetryLevel && pool_.Layouts->Empty()) return false;
  }
}

// The pool layout of highest value for what is left; the earliest wins ties; -1 if none.
int TBestResultSearch::PickLayout() const {
  int best = -1;
  int64_t bestValue = 0;
  const TSchemes& layouts = *pool_.Layouts;
  for (size_t k = 0; k < layouts.Size(); ++k) {
    const TPacket& layout = layouts[k];
    if (sheetsLeft_[static_cast<size_t>(layout.Index)].Count <= 0) continue;
    if (!NeedsMet(pool_, k, remaining_)) continue;
    const int64_t value = layout.TypeCounts.DemandValue(remaining_, engine_.Parts, weights_);
    if (value < 0) continue;
    if (best < 0 || value > bestValue ||
        (value == bestValue && pool_.Fill[k] > pool_.Fill[static_cast<size_t>(best)])) {
      best = static_cast<int>(k);
      bestValue = value;
    }
  }
  return best;
}

void TBestResultSearch::CutLayout(size_t k) {
  const TPacket& layout = (*pool_.Layouts)[k];
  remaining_.SubtractCounts(layout.TypeCounts);
  ++pool_.Counts[k];
  --sheetsLeft_[static_cast<size_t>(layout.Index)].Count;
}

void TBestResultSearch::TallyPool() {
  for (size_t k = 0; k < pool_.Layouts->Size(); ++k) usage_.Add(pool_, k, pool_.Counts[k]);
  // A refill is never picked from again: its count lists, the bulk of a layout of a job of
  // many part types, can go.
  if (pool_.Layouts == &engine_.AllSchemes) return;
  for (TPacket& layout : refills_.back().Items) layout.TypeCounts = TPanels();
}

// New layouts for what is left, on the sheet types still in stock; each refill accepts
// sparser layouts than the one before.
void TBestResultSearch::RefillPool() {
  TSchemes& layouts = refills_.emplace_back();
  for (size_t i = 0; i < engine_.Sheets.Size(); ++i) {
    if (sheetsLeft_[i].Count <= 0) continue;
    FillStandardCorners(engine_.Seeds, remaining_,
                        MakeSheetPacket(engine_.Sheets[i], engine_.Parts), level_, layouts);
  }
  ++level_;
  pool_ = MakePool(layouts);
}

}  // namespace

std::string TVexlin::GenBestResult() {
  BestResult.Clear();
  TBestResultSearch(*this).Run(BestResult);
  if (BestResult.Empty()) return Texts().Text("MSG_CANT_GET_RESULT");
  FinishResult(true);
  return {};
}

}  // namespace vexlin
