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
      if (n == 1 && m >= 2) continue;
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
  joinBlock_ = TPacket(SeedParts);
  SeedList.emplace_back(SeedParts);
  GenBaseSeeds();
  std::reverse(PendingSeeds.begin(), PendingSeeds.end());
  if (SeedCounter >= 512) {
    AddAllPending();
  } else {
    JoinPending(factor);
  }
  PendingSeeds.clear();
  joinBlock_ = TPacket();
}

void TSeeds::AddAllPending() {
  while (!PendingSeeds.empty() && SeedList.size() <= kLastSeedNumber) {
    AppendSeed(std::move(PendingSeeds.front()));
    PendingSeeds.pop_front();
    --SeedCounter;
  }
}

void TSeeds::JoinPending(double factor) {
  while (!PendingSeeds.empty()) {
    if (SeedList.size() >= 1024 || SeedCounter > 4095) return;
    if (SeedList.size() % 10 == 0 && ProgressStep) ProgressStep();
    TPacket s = std::move(PendingSeeds.front());
    PendingSeeds.pop_front();
    JoinWithIndexed(s, true, factor);
    JoinWithIndexed(s, false, factor);
    AppendSeed(std::move(s));
    --SeedCounter;
  }
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
    for (size_t k = 0; k < group.Count(); ++k) {
      TryJoin(s, SeedList[static_cast<size_t>(group.Get(k))], vertical, sSingleType);
    }
  }
}

void TSeeds::TryJoin(const TPacket& s, const TPacket& t, bool vertical, int32_t sSingleType) {
  const int32_t length = vertical ? s.Length : s.Length + t.Length;
  const int32_t width = vertical ? s.Width + t.Width : s.Width;
  if (vertical ? width > MaxWidth : length > MaxLength) return;
  if (SumExceedsDemand(s, t)) return;
  // Blocks of one and the same part type come from the grids already.
  if (sSingleType >= 0 && t.SingleTypeIndex() == sSingleType) return;
  if (FirstPieceIsProfile(s) && FirstPieceIsProfile(t)) return;
  BuildJoinSignature(length, width, s, t);
  if (KnownSignatures.contains(signature_)) return;
  joinBlock_.JoinPackets(vertical, s, t);
  KnownSignatures.insert(signature_);
  PendingSeeds.push_back(joinBlock_);
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
  // A negative count leaves no seed within the available parts.
  for (const T2DStock& entry : available) {
    if (entry.Count < 0) return;
  }
  PrepareFilling(available);
  const TFillCall call{available, sheet, level, corner, random, target};
  int refills = 0;
  for (size_t n = 1; n < SeedList.size(); ++n) {
    const TSeedShape& shape = shapes_[n];
    if (shape.Length > sheet.Length || shape.Width > sheet.Width) continue;
    if (!SeedCountsWithin(n, available)) continue;
    FillSheetFrom(n, call, refills);
  }
}

void TSeeds::PrepareFilling(const TPanels& available) {
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
  GroupMinima(LengthIndex, lengthGroupMinWidth_);
  GroupMinima(WidthIndex, widthGroupMinLength_);
  remaining_.resize(available.Size());
  workSheet_.TypeCounts = available;
  for (T2DStock& entry : workSheet_.TypeCounts) entry.Count = 0;
}

// Per group the smallest other side of its seeds: a group none of whose seeds fits a free
// rectangle is passed over without looking at the seeds.
void TSeeds::GroupMinima(const TIndexSeedsSet& index, std::vector<int32_t>& minima) const {
  minima.assign(index.Size(), std::numeric_limits<int32_t>::max());
  for (size_t g = 0; g < index.Size(); ++g) {
    const TIndexSeeds& group = index[g];
    for (size_t k = 0; k < group.Count(); ++k) {
      const TSeedShape& shape = shapes_[static_cast<size_t>(group.Get(k))];
      minima[g] = std::min(minima[g], index.ByLength() ? shape.Width : shape.Length);
    }
  }
}

// Counts of 0 are within any list without negative counts, so only the others are tested.
bool TSeeds::SeedCountsWithin(size_t seed, const TPanels& available) const {
  const TSeedShape& shape = shapes_[seed];
  for (size_t c = shape.FirstCount; c < shape.EndCount; ++c) {
    if (counts_[c].Count > available[counts_[c].Type].Count) return false;
  }
  return true;
}

bool TSeeds::SeedFitsRemaining(size_t seed) const {
  const TSeedShape& shape = shapes_[seed];
  for (size_t c = shape.FirstCount; c < shape.EndCount; ++c) {
    if (counts_[c].Count > remaining_[counts_[c].Type]) return false;
  }
  return true;
}

void TSeeds::FillSheetFrom(size_t seed, const TFillCall& call, int& refills) {
  bool randomSwitch = call.Random;
  for (size_t i = 0; i < remaining_.size(); ++i) remaining_[i] = call.Available[i].Count;
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
    ScanIndex(LengthIndex, lengthGroupMinWidth_, f, randomSwitch, best);
    ScanIndex(WidthIndex, widthGroupMinLength_, f, randomSwitch, best);
  }
  return best.Found;
}

// Walks the groups that fit the free rectangle from the largest key down; the first group
// taken ends the walk once a best seed exists.
void TSeeds::ScanIndex(const TIndexSeedsSet& index, const std::vector<int32_t>& minima,
                       size_t freeRect, bool randomSwitch, TBestSeed& best) const {
  const T2DStock& free = workSheet_.FreeRects[freeRect];
  const int32_t side = index.ByLength() ? free.Length : free.Width;
  const int32_t otherSide = index.ByLength() ? free.Width : free.Length;
  for (size_t g = index.FindPosition(side); g < index.Size(); ++g) {
    if (!TakenByChance(randomSwitch)) continue;
    if (minima[g] <= otherSide) {
      ScanGroup(index[g], freeRect, static_cast<double>(index.Key(g)) / side * 100, best);
    }
    if (best.Found) return;
  }
}

void TSeeds::ScanGroup(const TIndexSeeds& group, size_t freeRect, double fill,
                       TBestSeed& best) const {
  const T2DStock& free = workSheet_.FreeRects[freeRect];
  for (size_t k = 0; k < group.Count(); ++k) {
    const auto n = static_cast<size_t>(group.Get(k));
    const TSeedShape& shape = shapes_[n];
    if (shape.Length > free.Length || shape.Width > free.Width || !SeedFitsRemaining(n)) {
      continue;
    }
    const double gain = fill - best.Fill;
    if (gain > 1 || (std::fabs(gain) <= 1 &&
                     SeedList[n].TypeCounts.CountsAbove(SeedList[best.Seed].TypeCounts))) {
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
