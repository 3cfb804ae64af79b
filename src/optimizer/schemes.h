#pragma once

#include <cstddef>
#include <vector>

#include "model/guillotine.h"
#include "model/packet.h"

namespace vexlin {

// A list of layouts: the candidate pool of a run, the work lists of the searches and
// the final result. Each layout's Count is the number of sheets cut to it.
class TSchemes {
 public:
  TSchemes();

  std::vector<TPacket> Items;

  size_t Size() const { return Items.size(); }
  bool Empty() const { return Items.empty(); }
  TPacket& operator[](size_t i) { return Items[i]; }
  const TPacket& operator[](size_t i) const { return Items[i]; }

  void Clear() { Items.clear(); }

 private:
  // Kept between offers so its arrays are reused.
  TGuillotine guillotine_;
};

}  // namespace vexlin
