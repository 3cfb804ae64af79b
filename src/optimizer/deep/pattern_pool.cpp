#include "optimizer/deep/pattern_pool.h"

namespace vexlin {

size_t TPatternPool::Add(TPattern pattern) {
  const auto [it, added] = known_.try_emplace({pattern.Sheet, pattern.Counts}, items_.size());
  if (added) items_.push_back(std::move(pattern));
  return it->second;
}

}  // namespace vexlin
