#pragma once

#include <cstddef>
#include <cstdint>
#include <unordered_map>
#include <vector>

#include "model/guillotine.h"

namespace vexlin {

class TPacket;

// The guillotine test with its verdicts remembered by exact piece arrangement: the search
// offers the very same layout again and again, from other corners and repeated refills.
class TGuillotineMemo {
 public:
  bool IsGuillotine(const TPacket& packet);
  void Clear();

 private:
  void Describe(const TPacket& packet);
  bool Matches(size_t first) const;
  void Remember(uint64_t hash, bool verdict);

  TGuillotine test_;
  // The arrangement under test: the sheet's sides, then each piece's rectangle.
  std::vector<int32_t> arrangement_;
  // Arrangements remembered, one after another, each led by its size.
  std::vector<int32_t> stored_;
  // Where each remembered arrangement starts in stored_, and its verdict.
  std::unordered_multimap<uint64_t, std::pair<size_t, bool>> verdicts_;
};

// The memo of the calling thread; it lives as long as the thread.
TGuillotineMemo& ThreadGuillotineMemo();

}  // namespace vexlin
