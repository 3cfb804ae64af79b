#pragma once

#include <cstddef>
#include <cstdint>
#include <vector>

#include "model/geometry.h"

namespace vexlin {

// How a free rectangle is chosen for a piece; lower scores win.
enum class TFitRule : uint8_t { ShortSide, LongSide, Area, BottomLeft };

// Where a piece would go: its rectangle, whether it is turned, and how well it fits.
struct TFitChoice {
  TRect Place;
  bool Turned = false;
  size_t Free = 0;
  int64_t Score = 0;
  int64_t TieScore = 0;
};

// The free space of one sheet as the deep search fills it. Without guillotine cuts it
// keeps every maximal free rectangle; with them it keeps disjoint free rectangles, each
// placement splitting one in two by a straight cut, so that every filling can be cut edge
// to edge.
class TSheetPacker {
 public:
  TSheetPacker(int32_t length, int32_t width, bool guillotine, bool splitAcross);

  // The best place for a piece of these sides (turned too when allowed); false if none.
  bool Find(int32_t length, int32_t width, bool rotatable, TFitRule rule, TFitChoice& choice) const;
  void Place(const TFitChoice& choice);

 private:
  void Consider(int32_t length, int32_t width, bool turned, TFitRule rule, TFitChoice& best,
                bool& found) const;
  void PlaceMaximal(const TRect& piece);
  void PlaceGuillotine(const TFitChoice& choice);
  void DropContained();
  void NoteLongestSides();

  bool guillotine_;
  bool splitAcross_;  // guillotine split: the cut runs along the piece's longer leftover
  std::vector<TRect> free_;
  // The longest sides among the free rectangles: a piece longer on either cannot fit.
  int32_t longestLength_ = 0;
  int32_t longestWidth_ = 0;
};

}  // namespace vexlin
