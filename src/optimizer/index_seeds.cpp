#include "optimizer/index_seeds.h"

#include <algorithm>

#include "model/packet.h"

namespace vexlin {

int16_t TIndexSeeds::Get(size_t position) const {
  return position < numbers_.size() ? numbers_[position] : int16_t{0};
}

TIndexSeedsSet::TIndexSeedsSet(bool byLength) : byLength_(byLength) {
  groups_.reserve(1024);
}

int32_t TIndexSeedsSet::Key(size_t i) const {
  return byLength_ ? groups_[i].LengthKey : groups_[i].WidthKey;
}

size_t TIndexSeedsSet::FindPosition(int32_t key) const {
  // The keys strictly decrease, so a binary search finds what a scan from the front finds.
  const auto found =
      std::partition_point(groups_.begin(), groups_.end(), [this, key](const TIndexSeeds& group) {
        return (byLength_ ? group.LengthKey : group.WidthKey) > key;
      });
  return static_cast<size_t>(found - groups_.begin());
}

void TIndexSeedsSet::AddSeed(const TPacket& seed, int16_t number) {
  const int32_t key = byLength_ ? seed.Length : seed.Width;
  const size_t position = FindPosition(key);
  if (position < groups_.size() && Key(position) == key) {
    groups_[position].Add(number);
    return;
  }
  TIndexSeeds group;
  (byLength_ ? group.LengthKey : group.WidthKey) = key;
  group.Add(number);
  groups_.insert(groups_.begin() + static_cast<std::ptrdiff_t>(position), std::move(group));
}

}  // namespace vexlin
