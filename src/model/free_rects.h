#pragma once

#include <cstddef>
#include <vector>

#include "model/geometry.h"
#include "model/stock2d.h"

namespace vexlin {

// The free rectangles of a packet as bare rectangles, in list order. Sheet filling cuts
// them millions of times, so they are not kept as full records; Record gives one as such.
class TFreeRects {
 public:
  TFreeRects() = default;
  // Copies the list only: the cutting scratch is work space, not content.
  TFreeRects(const TFreeRects& source)
      : rects_(source.rects_), firstIsSheet_(source.firstIsSheet_) {}
  TFreeRects& operator=(const TFreeRects& source);
  TFreeRects(TFreeRects&&) = default;
  TFreeRects& operator=(TFreeRects&&) = default;

  size_t Size() const { return rects_.size(); }
  bool Empty() const { return rects_.empty(); }
  TRect& operator[](size_t i) { return rects_[i]; }
  const TRect& operator[](size_t i) const { return rects_[i]; }
  auto begin() { return rects_.begin(); }
  auto end() { return rects_.end(); }
  auto begin() const { return rects_.begin(); }
  auto end() const { return rects_.end(); }

  void ClearAll();
  // The packet's whole outline as the one free rectangle; its record counts one sheet.
  void ResetToSheet(const TRect& sheet);
  // Replaces every rectangle the cut overlaps by its strips beside the cut.
  void Cut(const TRect& cut);
  // Appends a rectangle unless a listed one contains it; listed ones inside it become it.
  void Add(const TRect& rect);
  // Free rectangle i as a plain record, the way offcuts are placed from it.
  T2DStock Record(size_t i) const;

 private:
  std::vector<TRect> rects_;
  std::vector<TRect> scratch_;  // the list before the last cut
  bool firstIsSheet_ = false;   // rects_[0] came from ResetToSheet and was not cleared since
};

}  // namespace vexlin
