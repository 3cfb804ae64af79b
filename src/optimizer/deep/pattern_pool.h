#pragma once

#include <cstddef>
#include <cstdint>
#include <map>
#include <utility>
#include <vector>

#include "optimizer/deep/deep_job.h"

namespace vexlin {

// The fillings found so far, each kind once: two fillings of one sheet type with the same
// pieces per part type are one choice for the cover, and the first found is kept.
class TPatternPool {
 public:
  // The position of the filling in the pool, added when new.
  size_t Add(TPattern pattern);
  const std::vector<TPattern>& Items() const { return items_; }
  size_t Size() const { return items_.size(); }

 private:
  std::map<std::pair<int32_t, std::vector<int32_t>>, size_t> known_;
  std::vector<TPattern> items_;
};

}  // namespace vexlin
