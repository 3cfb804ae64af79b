#include "optimizer/deep/sheet_packer.h"

#include <algorithm>
#include <utility>

namespace vexlin {
namespace {

std::pair<int64_t, int64_t> Scores(const TRect& free, int32_t length, int32_t width,
                                   TFitRule rule) {
  const int64_t leftX = free.Length() - length;
  const int64_t leftY = free.Width() - width;
  const int64_t shortSide = std::min(leftX, leftY);
  const int64_t longSide = std::max(leftX, leftY);
  switch (rule) {
    case TFitRule::ShortSide:
      return {shortSide, longSide};
    case TFitRule::LongSide:
      return {longSide, shortSide};
    case TFitRule::Area:
      return {free.Area() - int64_t{length} * width, shortSide};
    case TFitRule::BottomLeft:
      return {int64_t{free.Top} + width, free.Left};
  }
  return {0, 0};
}

}  // namespace

TSheetPacker::TSheetPacker(int32_t length, int32_t width, bool guillotine, bool splitAcross)
    : guillotine_(guillotine), splitAcross_(splitAcross) {
  free_.push_back(TRect{0, 0, length, width});
  NoteLongestSides();
}

bool TSheetPacker::Find(int32_t length, int32_t width, bool rotatable, TFitRule rule,
                        TFitChoice& choice) const {
  const bool upright = length <= longestLength_ && width <= longestWidth_;
  const bool turned = rotatable && width <= longestLength_ && length <= longestWidth_;
  if (!upright && !turned) return false;
  bool found = false;
  Consider(length, width, false, rule, choice, found);
  if (rotatable && length != width) Consider(width, length, true, rule, choice, found);
  return found;
}

void TSheetPacker::Consider(int32_t length, int32_t width, bool turned, TFitRule rule,
                            TFitChoice& best, bool& found) const {
  for (size_t k = 0; k < free_.size(); ++k) {
    const TRect& free = free_[k];
    if (free.Length() < length || free.Width() < width) continue;
    const auto [score, tie] = Scores(free, length, width, rule);
    if (found && (score > best.Score || (score == best.Score && tie >= best.TieScore))) continue;
    best = TFitChoice{TRect{free.Left, free.Top, free.Left + length, free.Top + width}, turned, k,
                      score, tie};
    found = true;
  }
}

void TSheetPacker::Place(const TFitChoice& choice) {
  if (guillotine_) {
    PlaceGuillotine(choice);
  } else {
    PlaceMaximal(choice.Place);
  }
  NoteLongestSides();
}

void TSheetPacker::NoteLongestSides() {
  longestLength_ = 0;
  longestWidth_ = 0;
  for (const TRect& free : free_) {
    longestLength_ = std::max(longestLength_, free.Length());
    longestWidth_ = std::max(longestWidth_, free.Width());
  }
}

void TSheetPacker::PlaceGuillotine(const TFitChoice& choice) {
  const TRect free = free_[choice.Free];
  const TRect& piece = choice.Place;
  free_.erase(free_.begin() + static_cast<std::ptrdiff_t>(choice.Free));
  // Cutting across the whole free rectangle first leaves the right part full height;
  // otherwise the lower part keeps the full length.
  const bool fullHeightRight =
      splitAcross_ == (free.Right - piece.Right > free.Bottom - piece.Bottom);
  const TRect right{piece.Right, free.Top, free.Right,
                    fullHeightRight ? free.Bottom : piece.Bottom};
  const TRect below{free.Left, piece.Bottom, fullHeightRight ? piece.Right : free.Right,
                    free.Bottom};
  if (!right.IsEmpty()) free_.push_back(right);
  if (!below.IsEmpty()) free_.push_back(below);
}

void TSheetPacker::PlaceMaximal(const TRect& piece) {
  const size_t count = free_.size();
  for (size_t k = 0; k < count; ++k) {
    const TRect free = free_[k];
    if (!Intersects(free, piece)) continue;
    if (piece.Left > free.Left) free_.push_back({free.Left, free.Top, piece.Left, free.Bottom});
    if (piece.Right < free.Right) free_.push_back({piece.Right, free.Top, free.Right, free.Bottom});
    if (piece.Top > free.Top) free_.push_back({free.Left, free.Top, free.Right, piece.Top});
    if (piece.Bottom < free.Bottom) {
      free_.push_back({free.Left, piece.Bottom, free.Right, free.Bottom});
    }
    free_[k] = TRect{};  // empty: dropped below
  }
  DropContained();
}

void TSheetPacker::DropContained() {
  std::erase_if(free_, [](const TRect& r) { return r.IsEmpty(); });
  std::vector<uint8_t> drop(free_.size(), 0);
  for (size_t a = 0; a < free_.size(); ++a) {
    for (size_t b = 0; b < free_.size() && drop[a] == 0; ++b) {
      if (a == b || drop[b] != 0 || !Contains(free_[b], free_[a])) continue;
      // Of two equal rectangles the later one goes.
      if (free_[a] != free_[b] || a > b) drop[a] = 1;
    }
  }
  size_t kept = 0;
  for (size_t a = 0; a < free_.size(); ++a) {
    if (drop[a] == 0) free_[kept++] = free_[a];
  }
  free_.resize(kept);
}

}  // namespace vexlin
