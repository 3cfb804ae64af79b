#include "optimizer/seeds.h"

#include <algorithm>
#include <charconv>
#include <cmath>
#include <limits>
#include <utility>

#include "model/random.h"
#include "model/run_options.h"
#include "model/trapezium_list.h"
#include "optimizer/schemes.h"
#include "optimizer/search_counters.h"

namespace vexlin {
namespace {

// Seed numbers are 16-bit in the indexes.
constexpr size_t kLastSeedNumber = std::numeric_limits<int16_t>::max();
constexpr int kMaxRefills = 20;

bool FirstPieceIsProfile(const TPacket& seed) {
  return !seed.Pieces.Empty() && seed.Pieces[0].Shape == kShapeProfile;
}

void AppendNumber(std::string& text, int64_t value) {
  char digits[24];
  const auto result = std::to_chars(digits, digits + sizeof digits, value);
  text.append(digits, result.ptr);
}

// A free rectangle is searched, and an index group taken, only on 5 draws in 11 while the
// random switch is on.
bool TakenByChance(bool randomSwitch) {
  return !randomSwitch || Random(11) > 5;
}

// Empties a block and gives it a new size.
void ResetBlock(TPacket& block, int64_t length, int64_t width) {
  static_cast<T2DStock&>(block) = T2DStock{};
  block.Count = 1;
  block.Length = static_cast<int32_t>(length);
  block.Width = static_cast<int32_t>(width);
  block.ClearPacket();
}

// Pieces are paired head to tail: odd columns upright, even ones turned half round.
struct TRowPitch {
  int64_t Pitch;     // length of one pair
  int64_t OddEnd;    // end allowance of an odd piece
  int64_t EvenStep;  // where an even piece starts behind its pair's start
  int64_t EvenEnd;   // end allowance after an even piece

  int64_t RowLength(int64_t n) const { return n / 2 * Pitch + (n % 2 != 0 ? OddEnd : EvenEnd); }
  int64_t ColumnX(int64_t k) const { return k / 2 * Pitch + (k % 2 != 0 ? 0 : EvenStep); }
};

// The longest row of at most count pieces that is no longer than reach; 0 when none is.
int64_t LongestRow(const TRowPitch& row, int64_t count, int64_t reach) {
  int64_t longest = 0;
  const int64_t shortestEnd = std::min(row.OddEnd, row.EvenEnd);
  for (int64_t n = 1; n <= count && n / 2 * row.Pitch + shortestEnd <= reach; ++n) {
    if (row.RowLength(n) <= reach) longest = n;
  }
  return longest;
}

}  // namespace

TSeeds::TSeeds() {
  SeedList.reserve(4096);
  SeedCounter = 0;
}

void TSeeds::Clear() {
  SeedList.clear();
  LengthIndex.Clear();
  WidthIndex.Clear();
  KnownSignatures.clear();
  PendingSeeds.clear();
  pendingJoins_.clear();
  shapes_.clear();
  counts_.clear();
}

void TSeeds::AddSeed(const TPacket& seed) {
  AppendSeed(TPacket(seed));
}

void TSeeds::AppendSeed(TPacket&& seed) {
  const auto number = static_cast<int16_t>(SeedList.size());
  SeedList.push_back(std::move(seed));
  LengthIndex.AddSeed(SeedList.back(), number);
  WidthIndex.AddSeed(SeedList.back(), number);
}

bool TSeeds::FitsLimits(const TPacket& block) const {
  return block.Length <= MaxLength && block.Width <= MaxWidth;
}

bool TSeeds::QueueIfNew(const TPacket& block) {
  if (!KnownSignatures.insert(block.Signature()).second) return false;
  PendingSeeds.push_back(block);
  ++SeedCounter;
  return true;
}

void TSeeds::GenBaseSeeds() {
  const int32_t reach = std::max(MaxLength, MaxWidth);
  SeedCounter = 0;
  TPacket block(SeedParts);
  for (const T2DStock& part : SeedParts) {
    const TTrapezium* shape =
        part.Shape == kShapeProfile ? ProfileShapes().FindByName(part.Label) : nullptr;
    if (shape != nullptr && (shape->FirstGap > 0 || shape->SecondGap > 0)) {
      GenPairedRows(part, *shape, reach, block);
      continue;
    }
    GenGridPass(part, block);
    if (part.Rotatable && part.Length != part.Width) {
      T2DStock turned = part;
      turned.Turn();
      GenGridPass(turned, block);
    }
  }
}

void TSeeds::GenPairedRows(const T2DStock& part, const TTrapezium& shape, int32_t reach,
                           TPacket& block) {
  const int64_t blade = BladeWidth;
  TRowPitch row{};
  row.Pitch = int64_t{shape.FirstBase} + shape.SecondBase + 2 * blade;
  row.OddEnd = int64_t{shape.FirstBase} + shape.FirstGap + blade;
  row.EvenEnd = shape.SecondOffset;
  row.EvenStep = shape.SecondOffset - row.OddEnd;
  const int64_t longest = LongestRow(row, part.Count, reach);
  const int64_t rows = reach / part.Width;
  for (int64_t n = 1; n <= longest; ++n) {
    for (int64_t m = 1; m <= rows && n * m <= part.Count; ++m) {
      if (n == 1 && m >= 2) break;  // a single piece makes one row only
      ResetBlock(block, row.RowLength(n), m * part.Width);
      const double areaFactor =
          static_cast<double>(n * m) * part.MaterialArea() / block.GrossArea();
      T2DStock piece = part;
      piece.Count = 1;
      piece.SetAreaFactor(areaFactor);
      piece.Selectable = n == 1;
      for (int64_t k = 1; k <= n; ++k) {
        T2DStock column = piece;
        if (k % 2 == 0) column.FlipHalfTurn();
        for (int64_t r = 0; r < m; ++r) {
          column.Origin =
              TPoint{static_cast<int32_t>(row.ColumnX(k)), static_cast<int32_t>(r * part.Width)};
          block.PlacePart(column);
        }
      }
      block.ShrinkLengths(shape.LengthTrim1);
      if (KnownSignatures.contains(block.Signature())) continue;
      if (FitsLimits(block)) QueueIfNew(block);
      block.Transpose();
      if (FitsLimits(block)) QueueIfNew(block);
    }
  }
}

void TSeeds::GenGridPass(const T2DStock& part, TPacket& block) {
  T2DStock piece = part;
  piece.Count = 1;
  for (int32_t i = 1; i <= MaxLength / part.Length && i <= part.Count; ++i) {
    for (int32_t j = 1; j <= MaxWidth / part.Width && int64_t{i} * j <= part.Count; ++j) {
      ResetBlock(block, int64_t{i} * part.Length, int64_t{j} * part.Width);
      // Column by column: the pieces of one column first, from the top.
      for (int32_t a = 0; a < i; ++a) {
        for (int32_t b = 0; b < j; ++b) {
          piece.Origin = TPoint{a * part.Length, b * part.Width};
          block.PlacePart(piece);
        }
      }
      QueueIfNew(block);
    }
  }
}

void TSeeds::GenerateSeeds() {
  // Many pending seeds last time: join only blocks of exactly matching sides.
  const double factor = SeedCounter <= 256 ? 1.03 : 1.0;
  Clear();
  SeedList.emplace_back(SeedParts);
  GenBaseSeeds();
  std::reverse(PendingSeeds.begin(), PendingSeeds.end());
  if (SeedCounter >= 512) {
    AddAllPending();
  } else {
    JoinPending(factor);
  }
  PendingSeeds.clear();
  pendingJoins_.clear();
}

void TSeeds::AddAllPending() {
  while (!PendingSeeds.empty() && SeedList.size() <= kLastSeedNumber) {
    AppendSeed(std::move(PendingSeeds.front()));
    PendingSeeds.pop_front();
    --SeedCounter;
  }
}

void TSeeds::JoinPending(double factor) {
  while (!PendingSeeds.empty() || !pendingJoins_.empty()) {
    if (SeedList.size() >= 1024 || SeedCounter > 4095) return;
    if (SeedList.size() % 10 == 0 && ProgressStep) ProgressStep();
    TPacket s = TakeOldestPending();
    JoinWithIndexed(s, true, factor);
    JoinWithIndexed(s, false, factor);
    AppendSeed(std::move(s));
    --SeedCounter;
  }
}

TPacket TSeeds::TakeOldestPending() {
  TPacket oldest;
  if (!PendingSeeds.empty()) {
    oldest = std::move(PendingSeeds.front());
    PendingSeeds.pop_front();
    return oldest;
  }
  const TPendingJoin join = pendingJoins_.front();
  pendingJoins_.pop_front();
  oldest.JoinPackets(join.Vertical, SeedList[static_cast<size_t>(join.First)],
                     SeedList[static_cast<size_t>(join.Second)]);
  return oldest;
}

// Vertical: t is stacked below s across the width, found by its length; otherwise t is set
// behind s along the length, found by its width. t may be shorter than s by the factor.
void TSeeds::JoinWithIndexed(const TPacket& s, bool vertical, double factor) {
  const TIndexSeedsSet& index = vertical ? LengthIndex : WidthIndex;
  const int32_t side = vertical ? s.Length : s.Width;
  const int32_t sSingleType = s.SingleTypeIndex();
  for (size_t g = index.FindPosition(side); g < index.Size(); ++g) {
    if (index.Key(g) * factor < side) return;
    const TIndexSeeds& group = index[g];
    for (size_t k = 0; k < group.Count(); ++k) TryJoin(s, group.Get(k), vertical, sSingleType);
  }
}

// s is the seed being added: it will take the next number of the library.
void TSeeds::TryJoin(const TPacket& s, int16_t number, bool vertical, int32_t sSingleType) {
  const TPacket& t = SeedList[static_cast<size_t>(number)];
  const int32_t length = vertical ? s.Length : s.Length + t.Length;
  const int32_t width = vertical ? s.Width + t.Width : s.Width;
  if (vertical ? width > MaxWidth : length > MaxLength) return;
  if (SumExceedsDemand(s, t)) return;
  // Blocks of one and the same part type come from the grids already.
  if (sSingleType >= 0 && t.SingleTypeIndex() == sSingleType) return;
  if (FirstPieceIsProfile(s) && FirstPieceIsProfile(t)) return;
  BuildJoinSignature(length, width, s, t);
  if (!KnownSignatures.insert(signature_).second) return;
  pendingJoins_.push_back({static_cast<int16_t>(SeedList.size()), number, vertical});
  ++SeedCounter;
}

bool TSeeds::SumExceedsDemand(const TPacket& s, const TPacket& t) const {
  for (size_t i = 0; i < SeedParts.Size(); ++i) {
    if (int64_t{s.TypeCounts[i].Count} + t.TypeCounts[i].Count > SeedParts[i].Count) return true;
  }
  return false;
}

// The signature the joined block will have, built without building the block.
void TSeeds::BuildJoinSignature(int32_t length, int32_t width, const TPacket& s, const TPacket& t) {
  signature_.clear();
  AppendNumber(signature_, length);
  signature_ += ' ';
  AppendNumber(signature_, width);
  for (size_t i = 0; i < s.TypeCounts.Size(); ++i) {
    signature_ += ' ';
    AppendNumber(signature_, int64_t{s.TypeCounts[i].Count} + t.TypeCounts[i].Count);
  }
}

void TSeeds::GenSchemesForSheet(const TPanels& available, const TPacket& sheet, int32_t level,
                                int corner, bool random, TSchemes& target) {
  if (ProgressStep) ProgressStep();
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
  for (size_t n = 1; n < SeedList.size(); ++n) {
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
  const T2DStock& free = workSheet_.FreeRects[freeRect];
  const int32_t side = reduced.Side(free);
  // Every seed of a group has the group's key as its side.
  const double fill = static_cast<double>(reduced.Keys[group]) / side * 100;
  for (size_t i = reduced.Begin[group]; i < reduced.Begin[group + 1]; ++i) {
    const auto n = static_cast<size_t>(reduced.Seeds[i]);
    const TSeedShape& shape = shapes_[n];
    if (shape.Length > free.Length || shape.Width > free.Width) continue;
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
