// Filling one sheet from the seed library: every fitting seed starts a layout, the best
// fitting seeds fill its free rectangles, and each filled sheet is offered to the target.

#include <algorithm>
#include <cmath>

#include "model/random.h"
#include "model/run_options.h"
#include "optimizer/schemes.h"
#include "optimizer/search_counters.h"
#include "optimizer/seeds.h"

namespace vexlin {
namespace {

constexpr int kMaxRefills = 20;

// A free rectangle is searched, and an index group taken, only on 5 draws in 11 while the
// random switch is on.
bool TakenByChance(bool randomSwitch) {
  return !randomSwitch || Random(11) > 5;
}

}  // namespace

void TSeeds::GenSchemesForSheet(const TPanels& available, const TPacket& sheet, int32_t level,
                                int corner, bool random, TSchemes& target) {
  if (ProgressStep) ProgressStep();
  if (StopRequested()) return;
  ++SchemeCallCount;
  if (target.Size() >= (FastMode ? 513u : 1025u)) return;
  // Seeds hold no negative counts, so a negative available count leaves no seed within it.
  if (std::any_of(available.begin(), available.end(),
                  [](const T2DStock& entry) { return entry.Count < 0; })) {
    return;
  }
  const TFillCall call{available, sheet, level, corner, random, target};
  PrepareFilling(call);
  target.BeginOffers();
  int refills = 0;
  for (size_t n = 1; n < SeedList.size() && !StopRequested(); ++n) {
    const TSeedShape& shape = shapes_[n];
    if (shape.Length > sheet.Length || shape.Width > sheet.Width) continue;
    if (!SeedCountsWithin(n, available_)) continue;
    FillSheetFrom(n, call, refills);
  }
  target.EndOffers();
}

void TSeeds::RefreshShapes() {
  // A library only grows until it is cleared, so a new seed shows in its size.
  if (shapes_.size() == SeedList.size()) return;
  shapes_.clear();
  counts_.clear();
  for (const TPacket& seed : SeedList) {
    TSeedShape shape{seed.Length, seed.Width, counts_.size(), 0};
    for (size_t i = 0; i < seed.TypeCounts.Size(); ++i) {
      if (seed.TypeCounts[i].Count != 0) counts_.push_back({i, seed.TypeCounts[i].Count});
    }
    shape.EndCount = counts_.size();
    shapes_.push_back(shape);
  }
}

void TSeeds::PrepareFilling(const TFillCall& call) {
  RefreshShapes();
  available_.clear();
  for (const T2DStock& entry : call.Available) available_.push_back(entry.Count);
  remaining_ = available_;
  // What remains never exceeds what is available, except that refilling at level 0 may
  // allow one piece of any type.
  limits_ = available_;
  if (call.Level == 0) {
    for (int32_t& limit : limits_) limit = std::max(limit, 1);
  }
  ReduceIndex(LengthIndex, call.Sheet, lengthCall_);
  ReduceIndex(WidthIndex, call.Sheet, widthCall_);
  workSheet_.TypeCounts = call.Available;
  for (T2DStock& entry : workSheet_.TypeCounts) entry.Count = 0;
}

void TSeeds::ReduceIndex(const TIndexSeedsSet& index, const TPacket& sheet,
                         TCallIndex& reduced) const {
  constexpr int32_t kNone = std::numeric_limits<int32_t>::max();
  reduced.ByLength = index.ByLength();
  reduced.Known.assign(512, TCallIndex::TKnownPosition{});
  reduced.Keys.clear();
  reduced.Begin.clear();
  reduced.Seeds.clear();
  reduced.MinOtherSide.clear();
  for (size_t g = 0; g < index.Size(); ++g) {
    reduced.Keys.push_back(index.Key(g));
    reduced.Begin.push_back(reduced.Seeds.size());
    int32_t least = kNone;
    const TIndexSeeds& group = index[g];
    for (size_t k = 0; k < group.Count(); ++k) {
      const int16_t number = group.Get(k);
      const TSeedShape& shape = shapes_[static_cast<size_t>(number)];
      if (shape.Length > sheet.Length || shape.Width > sheet.Width) continue;
      if (!SeedCountsWithin(static_cast<size_t>(number), limits_)) continue;
      reduced.Seeds.push_back(number);
      least = std::min(least, index.ByLength() ? shape.Width : shape.Length);
    }
    reduced.MinOtherSide.push_back(least);
  }
  reduced.Begin.push_back(reduced.Seeds.size());
  const size_t groups = reduced.MinOtherSide.size();
  reduced.NextLower.assign(groups, groups);
  for (size_t g = groups; g-- > 0;) {
    size_t next = g + 1;
    while (next < groups && reduced.MinOtherSide[next] >= reduced.MinOtherSide[g]) {
      next = reduced.NextLower[next];
    }
    reduced.NextLower[g] = next;
  }
}

// The keys strictly decrease, so a binary search (here without branches in its loop) finds
// what a scan from the front finds.
size_t TSeeds::TCallIndex::FindPosition(int32_t key) const {
  TKnownPosition& known = Known[static_cast<uint32_t>(key) * 2654435761u >> 23];
  if (known.Key != key) known = TKnownPosition{key, SearchPosition(key)};
  return known.Position;
}

size_t TSeeds::TCallIndex::SearchPosition(int32_t key) const {
  if (Keys.empty()) return 0;
  const int32_t* base = Keys.data();
  size_t size = Keys.size();
  while (size > 1) {
    const size_t half = size / 2;
    base = base[half] > key ? base + half : base;
    size -= half;
  }
  return static_cast<size_t>(base - Keys.data()) + (*base > key ? 1 : 0);
}

// Counts of 0 are within any limits that are not negative, so only the others are tested.
bool TSeeds::SeedCountsWithin(size_t seed, const std::vector<int32_t>& limits) const {
  const TSeedShape& shape = shapes_[seed];
  for (size_t c = shape.FirstCount; c < shape.EndCount; ++c) {
    if (counts_[c].Count > limits[counts_[c].Type]) return false;
  }
  return true;
}

// The lexicographic comparison of two count vectors, walking their non-zero counts.
bool TSeeds::SparseCountsAbove(size_t seed, size_t other) const {
  constexpr size_t kEnd = std::numeric_limits<size_t>::max();
  const TSeedShape& a = shapes_[seed];
  const TSeedShape& b = shapes_[other];
  size_t i = a.FirstCount;
  size_t j = b.FirstCount;
  while (i < a.EndCount || j < b.EndCount) {
    const size_t typeA = i < a.EndCount ? counts_[i].Type : kEnd;
    const size_t typeB = j < b.EndCount ? counts_[j].Type : kEnd;
    if (typeA < typeB) return counts_[i].Count > 0;
    if (typeB < typeA) return counts_[j].Count < 0;
    if (counts_[i].Count != counts_[j].Count) return counts_[i].Count > counts_[j].Count;
    ++i;
    ++j;
  }
  return false;
}

void TSeeds::FillSheetFrom(size_t seed, const TFillCall& call, int& refills) {
  bool randomSwitch = call.Random;
  remaining_ = available_;
  static_cast<T2DStock&>(workSheet_) = call.Sheet;
  workSheet_.ClearPacket();
  StampSeed(SeedList[seed], SeedList[seed].Origin);
  SubtractFromRemaining(seed);
  TBestSeed best;
  while (!NothingRemains()) {
    ++FillWork;
    if (FindBestSeed(randomSwitch, best)) {
      PlaceBest(best, call.Corner);
      continue;
    }
    if (call.Level != 0) break;
    // Refill: allow one more of a part that still has room, beyond what is available.
    const int32_t type = RefillType();
    if (type >= 0) {
      remaining_[static_cast<size_t>(type)] = 1;
      randomSwitch = false;
      if (++refills < kMaxRefills) continue;
    }
    refills = 0;
    break;
  }
  call.Target.OfferScheme(workSheet_, GuillotineMode, call.Level);
}

// The seed's pieces go into the sheet moved by offset, as if the seed stood there.
void TSeeds::StampSeed(const TPacket& seed, TPoint offset) {
  FillWork += static_cast<int64_t>(seed.Pieces.Size());
  for (const T2DStock& piece : seed.Pieces) {
    workSheet_.RecordPart(piece);
    T2DStock& placed = workSheet_.Pieces.Back();
    placed.Origin.X += offset.X;
    placed.Origin.Y += offset.Y;
    workSheet_.CutFreeSpace(placed);
  }
}

void TSeeds::SubtractFromRemaining(size_t seed) {
  const TSeedShape& shape = shapes_[seed];
  for (size_t c = shape.FirstCount; c < shape.EndCount; ++c) {
    remaining_[counts_[c].Type] -= counts_[c].Count;
  }
}

bool TSeeds::NothingRemains() const {
  return std::none_of(remaining_.begin(), remaining_.end(), [](int32_t n) { return n > 0; });
}

bool TSeeds::FindBestSeed(bool randomSwitch, TBestSeed& best) const {
  best = TBestSeed{};
  for (size_t f = 0; f < workSheet_.FreeRects.Size(); ++f) {
    if (!TakenByChance(randomSwitch)) continue;
    ScanIndex(lengthCall_, f, randomSwitch, best);
    ScanIndex(widthCall_, f, randomSwitch, best);
  }
  return best.Found;
}

// Walks the groups that fit the free rectangle from the largest key down; the first group
// taken ends the walk once a best seed exists.
void TSeeds::ScanIndex(const TCallIndex& reduced, size_t freeRect, bool randomSwitch,
                       TBestSeed& best) const {
  const size_t g = reduced.FindPosition(reduced.Side(workSheet_.FreeRects[freeRect]));
  if (randomSwitch) {
    WalkGroupsWithDraws(reduced, g, freeRect, best);
  } else {
    WalkGroups(reduced, g, freeRect, best);
  }
}

// Every group visited takes a draw; only a group that holds a seed no longer than the
// other side of the free rectangle is searched when taken.
void TSeeds::WalkGroupsWithDraws(const TCallIndex& reduced, size_t g, size_t freeRect,
                                 TBestSeed& best) const {
  TRandomGenerator& generator = ProcessRandom();
  const int32_t otherSide = reduced.OtherSide(workSheet_.FreeRects[freeRect]);
  size_t fitting = reduced.FirstFitting(g, otherSide);
  for (; g < reduced.Keys.size(); ++g) {
    const bool taken = generator.Random(11) > 5;
    if (g == fitting) {
      if (taken) ScanGroup(reduced, g, freeRect, best);
      fitting = reduced.FirstFitting(g + 1, otherSide);
    }
    if (taken && best.Found) return;
  }
}

// Without draws every group is taken: groups without a seed that fits are passed over
// until a best seed exists, and from then on the first group ends the walk.
void TSeeds::WalkGroups(const TCallIndex& reduced, size_t g, size_t freeRect,
                        TBestSeed& best) const {
  const int32_t otherSide = reduced.OtherSide(workSheet_.FreeRects[freeRect]);
  if (best.Found) {
    if (g < reduced.Keys.size() && reduced.MinOtherSide[g] <= otherSide) {
      ScanGroup(reduced, g, freeRect, best);
    }
    return;
  }
  for (g = reduced.FirstFitting(g, otherSide); g < reduced.Keys.size();
       g = reduced.FirstFitting(g + 1, otherSide)) {
    ScanGroup(reduced, g, freeRect, best);
    if (best.Found) return;
  }
}

void TSeeds::ScanGroup(const TCallIndex& reduced, size_t group, size_t freeRect,
                       TBestSeed& best) const {
  const TRect& free = workSheet_.FreeRects[freeRect];
  const int32_t side = reduced.Side(free);
  // Every seed of a group has the group's key as its side.
  const double fill = static_cast<double>(reduced.Keys[group]) / side * 100;
  for (size_t i = reduced.Begin[group]; i < reduced.Begin[group + 1]; ++i) {
    const auto n = static_cast<size_t>(reduced.Seeds[i]);
    const TSeedShape& shape = shapes_[n];
    if (shape.Length > free.Length() || shape.Width > free.Width()) continue;
    if (!SeedCountsWithin(n, remaining_)) continue;
    const double gain = fill - best.Fill;
    if (gain > 1 || (std::fabs(gain) <= 1 && SparseCountsAbove(n, best.Seed))) {
      best = TBestSeed{n, freeRect, fill, true};
    }
  }
}

void TSeeds::PlaceBest(const TBestSeed& best, int corner) {
  const TPacket& seed = SeedList[best.Seed];
  T2DStock outline;
  outline.Length = seed.Length;
  outline.Width = seed.Width;
  workSheet_.PlaceAtCorner(outline, best.FreeRect, corner);
  StampSeed(seed, outline.Origin);
  SubtractFromRemaining(best.Seed);
}

int32_t TSeeds::RefillType() const {
  for (size_t i = 0; i < SeedParts.Size(); ++i) {
    const T2DStock& part = SeedParts[i];
    if (workSheet_.TypeCounts[i].Count < part.Count && !workSheet_.NoRoomFor(part)) {
      return static_cast<int32_t>(i);
    }
  }
  return -1;
}

}  // namespace vexlin
