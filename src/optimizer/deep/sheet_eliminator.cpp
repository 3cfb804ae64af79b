#include "optimizer/deep/sheet_eliminator.h"

#include <algorithm>
#include <numeric>

namespace vexlin {
namespace {

// Measured on long-part shop jobs: a shorter memory stalls, a longer one drifts.
constexpr size_t kHistory = 100;
constexpr double kPairShare = 0.2;    // moves that empty two sheets
constexpr double kClearShare = 0.15;  // moves that empty one sheet
constexpr size_t kMostNear = 8;       // pieces taken near a point, at most
constexpr double kBlink = 0.05;       // share of pieces put back after the others
// A free sheet (cost mode) still holds its pieces' area as if it cost a little.
constexpr double kLeastCost = 1e-9;

TRect PieceRect(const TDeepJob& job, const TDeepPiece& piece) {
  const TDeepPart& part = job.Parts[static_cast<size_t>(piece.Part)];
  const int32_t length = piece.Turned ? part.Width : part.Length;
  const int32_t width = piece.Turned ? part.Length : part.Width;
  return TRect{piece.X, piece.Y, piece.X + length, piece.Y + width};
}

double Worth(const TDeepJob& job, const TPattern& pattern) {
  return pattern.UsedArea / std::max(job.PatternCost(pattern.Sheet), kLeastCost);
}

}  // namespace

TSheetEliminator::TSheetEliminator(const TDeepJob& job, std::vector<TPattern> sheets, uint64_t seed)
    : job_(job), random_(seed) {
  size_t emptiest = 0;
  for (size_t k = 1; k < sheets.size(); ++k) {
    if (Worth(job, sheets[k]) < Worth(job, sheets[emptiest])) emptiest = k;
  }
  for (size_t k = 0; k < sheets.size(); ++k) {
    if (k != emptiest) {
      sheets_.push_back(MakeSheet(std::move(sheets[k])));
      continue;
    }
    for (const TDeepPiece& piece : sheets[k].Pieces) left_.push_back(piece.Part);
  }
  touched_.assign(sheets_.size(), 0);
  if (!sheets_.empty()) Recreate();
  history_.assign(kHistory, leftArea_);
}

TSheetEliminator::TSheet TSheetEliminator::MakeSheet(TPattern pattern) const {
  const TDeepSheet& stock = job_.Sheets[static_cast<size_t>(pattern.Sheet)];
  TSheet sheet{std::move(pattern), TSheetPacker(stock.Length, stock.Width, false, false)};
  Rebuild(sheet);
  return sheet;
}

bool TSheetEliminator::Run(int64_t moves, const std::function<bool(int64_t)>& stop) {
  while (!left_.empty() && !sheets_.empty() && moves_ < moves && !stop(moves_)) {
    Move();
    ++moves_;
  }
  return left_.empty();
}

std::vector<TPattern> TSheetEliminator::Sheets() const {
  std::vector<TPattern> patterns;
  for (const TSheet& sheet : sheets_) {
    if (!sheet.Pattern.Pieces.empty()) patterns.push_back(sheet.Pattern);
  }
  return patterns;
}

void TSheetEliminator::Move() {
  saved_.clear();
  std::fill(touched_.begin(), touched_.end(), 0);
  savedLeft_ = left_;
  savedLeftArea_ = leftArea_;
  Ruin();
  Recreate();
  double& past = history_[static_cast<size_t>(moves_) % kHistory];
  if (leftArea_ > savedLeftArea_ && leftArea_ >= past) Undo();
  past = leftArea_;
}

void TSheetEliminator::Ruin() {
  const size_t first = Below(sheets_.size());
  const double kind = random_.Unit();
  if (kind < kPairShare && sheets_.size() > 1) {
    size_t second = Below(sheets_.size() - 1);
    if (second >= first) ++second;
    Clear(first);
    Clear(second);
  } else if (kind < kPairShare + kClearShare) {
    Clear(first);
  } else {
    TakeNear(first, 1 + Below(kMostNear));
  }
}

// Largest first, so that the hardest pieces get the room; a few blink and come last.
void TSheetEliminator::Recreate() {
  std::vector<int32_t> order = std::move(left_);
  left_.clear();
  std::stable_sort(order.begin(), order.end(), [this](int32_t a, int32_t b) {
    const double areaA = job_.Parts[static_cast<size_t>(a)].Area;
    const double areaB = job_.Parts[static_cast<size_t>(b)].Area;
    return areaA > areaB || (areaA == areaB && a < b);
  });
  std::vector<int32_t> later;
  for (const int32_t part : order) {
    if (random_.Unit() < kBlink) {
      later.push_back(part);
    } else {
      Put(part);
    }
  }
  for (const int32_t part : later) Put(part);
  leftArea_ = 0.0;
  for (const int32_t part : left_) leftArea_ += job_.Parts[static_cast<size_t>(part)].Area;
}

void TSheetEliminator::Put(int32_t part) {
  const TDeepPart& rect = job_.Parts[static_cast<size_t>(part)];
  TFitChoice best;
  size_t bestSheet = sheets_.size();
  for (size_t k = 0; k < sheets_.size(); ++k) {
    TFitChoice choice;
    if (!sheets_[k].Packer.Find(rect.Length, rect.Width, rect.Rotatable, TFitRule::ShortSide,
                                choice)) {
      continue;
    }
    if (bestSheet < sheets_.size() &&
        (choice.Score > best.Score ||
         (choice.Score == best.Score && choice.TieScore >= best.TieScore))) {
      continue;
    }
    best = choice;
    bestSheet = k;
  }
  if (bestSheet == sheets_.size()) {
    left_.push_back(part);
    return;
  }
  Touch(bestSheet);
  TSheet& sheet = sheets_[bestSheet];
  sheet.Packer.Place(best);
  sheet.Pattern.Pieces.push_back({part, best.Place.Left, best.Place.Top, best.Turned});
  ++sheet.Pattern.Counts[static_cast<size_t>(part)];
  sheet.Pattern.UsedArea += rect.Area;
}

void TSheetEliminator::Clear(size_t sheet) {
  Touch(sheet);
  TPattern& pattern = sheets_[sheet].Pattern;
  for (const TDeepPiece& piece : pattern.Pieces) left_.push_back(piece.Part);
  pattern.Pieces.clear();
  Rebuild(sheets_[sheet]);
}

// The pieces whose centres lie nearest to a random point of the sheet.
void TSheetEliminator::TakeNear(size_t sheet, size_t count) {
  Touch(sheet);
  TPattern& pattern = sheets_[sheet].Pattern;
  const TDeepSheet& stock = job_.Sheets[static_cast<size_t>(pattern.Sheet)];
  const int64_t x = static_cast<int64_t>(Below(static_cast<size_t>(stock.Length))) * 2;
  const int64_t y = static_cast<int64_t>(Below(static_cast<size_t>(stock.Width))) * 2;
  std::vector<int64_t> distance;
  for (const TDeepPiece& piece : pattern.Pieces) {
    const TRect rect = PieceRect(job_, piece);
    const int64_t dx = int64_t{rect.Left} + rect.Right - x;
    const int64_t dy = int64_t{rect.Top} + rect.Bottom - y;
    distance.push_back(dx * dx + dy * dy);
  }
  std::vector<size_t> nearest(pattern.Pieces.size());
  std::iota(nearest.begin(), nearest.end(), size_t{0});
  std::stable_sort(nearest.begin(), nearest.end(),
                   [&distance](size_t a, size_t b) { return distance[a] < distance[b]; });
  std::vector<uint8_t> taken(pattern.Pieces.size(), 0);
  for (size_t k = 0; k < std::min(count, nearest.size()); ++k) taken[nearest[k]] = 1;
  std::vector<TDeepPiece> kept;
  for (size_t k = 0; k < pattern.Pieces.size(); ++k) {
    if (taken[k] != 0) {
      left_.push_back(pattern.Pieces[k].Part);
    } else {
      kept.push_back(pattern.Pieces[k]);
    }
  }
  pattern.Pieces = std::move(kept);
  Rebuild(sheets_[sheet]);
}

// The free space, counts and area of a sheet from its pieces.
void TSheetEliminator::Rebuild(TSheet& sheet) const {
  const TDeepSheet& stock = job_.Sheets[static_cast<size_t>(sheet.Pattern.Sheet)];
  sheet.Packer = TSheetPacker(stock.Length, stock.Width, false, false);
  sheet.Pattern.Counts.assign(job_.Parts.size(), 0);
  sheet.Pattern.UsedArea = 0.0;
  for (const TDeepPiece& piece : sheet.Pattern.Pieces) {
    TFitChoice placed;
    placed.Place = PieceRect(job_, piece);
    sheet.Packer.Place(placed);
    ++sheet.Pattern.Counts[static_cast<size_t>(piece.Part)];
    sheet.Pattern.UsedArea += job_.Parts[static_cast<size_t>(piece.Part)].Area;
  }
}

void TSheetEliminator::Touch(size_t sheet) {
  if (touched_[sheet] != 0) return;
  touched_[sheet] = 1;
  saved_.emplace_back(sheet, sheets_[sheet]);
}

void TSheetEliminator::Undo() {
  for (auto& [index, sheet] : saved_) sheets_[index] = std::move(sheet);
  left_ = std::move(savedLeft_);
  leftArea_ = savedLeftArea_;
}

}  // namespace vexlin
