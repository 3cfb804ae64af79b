#include "model/guillotine_memo.h"

#include <algorithm>

#include "model/packet.h"

namespace vexlin {
namespace {

// Beyond this many stored values (8 MiB) the memo starts afresh.
constexpr size_t kMaxStoredValues = size_t{1} << 21;

uint64_t HashValues(const std::vector<int32_t>& values) {
  uint64_t hash = 14695981039346656037ull;
  for (const int32_t value : values)
    hash = (hash ^ static_cast<uint32_t>(value)) * 1099511628211ull;
  return hash ^ (hash >> 29);
}

}  // namespace

bool TGuillotineMemo::IsGuillotine(const TPacket& packet) {
  Describe(packet);
  const uint64_t hash = HashValues(arrangement_);
  const auto [begin, end] = verdicts_.equal_range(hash);
  for (auto it = begin; it != end; ++it) {
    if (Matches(it->second.first)) return it->second.second;
  }
  const bool verdict = test_.IsGuillotine(packet);
  Remember(hash, verdict);
  return verdict;
}

void TGuillotineMemo::Clear() {
  stored_.clear();
  verdicts_.clear();
}

void TGuillotineMemo::Describe(const TPacket& packet) {
  arrangement_.clear();
  arrangement_.push_back(packet.Length);
  arrangement_.push_back(packet.Width);
  for (const T2DStock& piece : packet.Pieces) {
    const TRect rect = piece.GetRect();
    arrangement_.insert(arrangement_.end(), {rect.Left, rect.Top, rect.Right, rect.Bottom});
  }
}

bool TGuillotineMemo::Matches(size_t first) const {
  if (static_cast<size_t>(stored_[first]) != arrangement_.size()) return false;
  return std::equal(arrangement_.begin(), arrangement_.end(), stored_.begin() + 1 + first);
}

void TGuillotineMemo::Remember(uint64_t hash, bool verdict) {
  // Reserved whole at once, the store never holds its old and new copies together.
  if (stored_.capacity() < kMaxStoredValues) stored_.reserve(kMaxStoredValues);
  if (stored_.size() + arrangement_.size() + 1 > kMaxStoredValues) Clear();
  verdicts_.emplace(hash, std::pair{stored_.size(), verdict});
  stored_.push_back(static_cast<int32_t>(arrangement_.size()));
  stored_.insert(stored_.end(), arrangement_.begin(), arrangement_.end());
}

TGuillotineMemo& ThreadGuillotineMemo() {
  thread_local TGuillotineMemo memo;
  return memo;
}

}  // namespace vexlin
