#include "model/edge_lines.h"

#include <algorithm>

namespace vexlin {

void TEdgeLines::Gather(const std::vector<int32_t>& edges, std::vector<int32_t>& lines,
                        std::vector<uint32_t>& lineOf) {
  Prepare(edges.size());
  lines.clear();
  lineOf.resize(edges.size());
  // First every edge notes its slot, then the slots learn their lines.
  for (size_t i = 0; i < edges.size(); ++i) {
    const size_t slot = Find(edges[i]);
    if (slots_[slot].Stamp != stamp_) {
      slots_[slot] = TSlot{edges[i], 0, stamp_};
      lines.push_back(edges[i]);
    }
    lineOf[i] = static_cast<uint32_t>(slot);
  }
  std::sort(lines.begin(), lines.end());
  for (size_t line = 0; line < lines.size(); ++line) {
    slots_[Find(lines[line])].Line = static_cast<uint32_t>(line);
  }
  for (uint32_t& entry : lineOf) entry = slots_[entry].Line;
}

// Keeps the table at most a quarter full and starts a new stamp, so that no slot of an
// earlier call counts as taken.
void TEdgeLines::Prepare(size_t edges) {
  size_t size = 64;
  while (size < 4 * edges) size *= 2;
  if (++stamp_ == 0 || slots_.size() < size) {
    slots_.assign(std::max(size, slots_.size()), TSlot{});
    stamp_ = 1;
  }
}

size_t TEdgeLines::Find(int32_t value) const {
  const size_t mask = slots_.size() - 1;
  size_t slot = (static_cast<uint32_t>(value) * 2654435761u >> 7) & mask;
  while (slots_[slot].Stamp == stamp_ && slots_[slot].Value != value) slot = (slot + 1) & mask;
  return slot;
}

}  // namespace vexlin
