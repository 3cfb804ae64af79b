#pragma once

#include <cstddef>
#include <cstdint>
#include <string_view>
#include <vector>

#include "model/stock2d.h"

namespace vexlin {

class TIniFile;

// An owned, ordered list of records. Lists aligned with the demand list (entry i stands
// for part type i) form count vectors, which the search adds, subtracts and compares.
class TPanels {
 public:
  size_t Size() const { return items_.size(); }
  bool Empty() const { return items_.empty(); }
  T2DStock& operator[](size_t i) { return items_[i]; }
  const T2DStock& operator[](size_t i) const { return items_[i]; }
  auto begin() { return items_.begin(); }
  auto end() { return items_.end(); }
  auto begin() const { return items_.begin(); }
  auto end() const { return items_.end(); }
  T2DStock& Back() { return items_.back(); }

  void ClearAll() { items_.clear(); }
  // Appends a copy of the record's own fields; returns its position.
  size_t AddCopy(const T2DStock& record) {
    items_.push_back(record);
    return items_.size() - 1;
  }
  // Appends a plain record covering the rectangle.
  void AddRect(const TRect& rect) { items_.emplace_back().SetRect(rect); }
  void Delete(size_t i);
  void Exchange(size_t i, size_t j);

  // Count-vector arithmetic; other must be index-aligned and at least as long as self.
  void AddCountOf(const T2DStock& record);
  void SubtractCountOf(const T2DStock& record);
  void AddCounts(const TPanels& other);
  void SubtractCounts(const TPanels& other);
  int64_t TotalCount() const;
  bool AllCountsZero() const;
  bool AnyCountExceeds(const TPanels& other) const;
  bool CountsWithin(const TPanels& other) const;
  bool SameCounts(const TPanels& other) const;
  // Lexicographic: the first differing count decides.
  bool CountsAbove(const TPanels& other) const;
  // How unevenly a layout's counts (other) serve the demand (self).
  int64_t ShareDeviation(const TPanels& other) const;
  // The value of a layout's counts (self) against what is left; -1 when it needs more.
  int64_t DemandValue(const TPanels& remaining, const TPanels& demand,
                      const TPanels& weights) const;

  // Appends the stored entries to the list (it is not emptied first).
  void LoadFromIni(const TIniFile& ini, std::string_view prefix);
  void SaveToIni(TIniFile& ini, std::string_view prefix) const;

 private:
  std::vector<T2DStock> items_;
};

}  // namespace vexlin
