#include "optimizer/seeds.h"

#include <algorithm>
#include <charconv>
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
// The most pieces all base blocks together may hold. Parts of very large counts would
// otherwise fill memory with grids of thousands of pieces each, and every block is a start
// of every sheet fill; ordinary jobs stay far below it. A block of one piece is always
// made, so every part type can be placed.
constexpr int64_t kBasePieceBudget = 100'000;

bool FirstPieceIsProfile(const TPacket& seed) {
  return !seed.Pieces.Empty() && seed.Pieces[0].Shape == kShapeProfile;
}

void AppendNumber(std::string& text, int64_t value) {
  char digits[24];
  const auto result = std::to_chars(digits, digits + sizeof digits, value);
  text.append(digits, result.ptr);
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
  basePieces_ += static_cast<int64_t>(block.Pieces.Size());
  ++SeedCounter;
  return true;
}

bool TSeeds::WithinPieceBudget(int64_t pieces) {
  if (pieces == 1 || basePieces_ + pieces <= kBasePieceBudget) return true;
  overBudget_ = true;
  return false;
}

void TSeeds::GenBaseSeeds() {
  const int32_t reach = std::max(MaxLength, MaxWidth);
  SeedCounter = 0;
  basePieces_ = 0;
  overBudget_ = false;
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
      if (!WithinPieceBudget(n * m)) break;
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
      if (!WithinPieceBudget(int64_t{i} * j)) break;
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
  // Joined blocks of a job beyond the budget would hold its large grids many times over.
  if (SeedCounter >= 512 || overBudget_) {
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
    if (StopRequested()) return;
    if (SeedList.size() >= 1024 || SeedCounter > 4095) {
      AddBaseSeedsLeft();
      return;
    }
    if (SeedList.size() % 10 == 0 && ProgressStep) ProgressStep();
    TPacket s = TakeOldestPending();
    JoinWithIndexed(s, true, factor);
    JoinWithIndexed(s, false, factor);
    AppendSeed(std::move(s));
    --SeedCounter;
  }
}

// The library stopped growing before every base block was taken: the blocks of the first
// part types wait longest, and a type without any block could never be placed. Such
// types get all their base blocks; types that have a block keep the library as it was.
// The counter stays as the stop left it, so that the next run joins as it would have.
void TSeeds::AddBaseSeedsLeft() {
  std::vector<bool> placeable(SeedParts.Size(), false);
  for (const TPacket& seed : SeedList) {
    for (size_t i = 0; i < placeable.size(); ++i) {
      placeable[i] = placeable[i] || seed.TypeCounts[i].Count > 0;
    }
  }
  for (TPacket& seed : PendingSeeds) {
    if (SeedList.size() > kLastSeedNumber) break;
    const int32_t type = seed.SingleTypeIndex();
    if (type >= 0 && !placeable[static_cast<size_t>(type)]) AppendSeed(std::move(seed));
  }
  PendingSeeds.clear();
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

}  // namespace vexlin
