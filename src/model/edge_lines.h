#pragma once

#include <cstddef>
#include <cstdint>
#include <vector>

namespace vexlin {

// Gathers the edge coordinates of one axis into sorted distinct lines and tells the line
// of every edge. Edges share few distinct values, so they are told apart by hashing and
// only the distinct ones are sorted. Reused between calls to keep its table.
class TEdgeLines {
 public:
  void Gather(const std::vector<int32_t>& edges, std::vector<int32_t>& lines,
              std::vector<uint32_t>& lineOf);

 private:
  struct TSlot {
    int32_t Value = 0;
    uint32_t Line = 0;
    uint32_t Stamp = 0;  // the slot is taken in the call whose stamp it holds
  };

  void Prepare(size_t edges);
  // The slot holding value, or the free slot where it belongs.
  size_t Find(int32_t value) const;

  std::vector<TSlot> slots_;  // a power of two, open addressing
  uint32_t stamp_ = 0;
};

}  // namespace vexlin
