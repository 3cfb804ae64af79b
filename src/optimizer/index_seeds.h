#pragma once

#include <cstddef>
#include <cstdint>
#include <vector>

namespace vexlin {

class TPacket;

// One group of an index: the numbers of all seeds with exactly one key, in the order
// they were added.
class TIndexSeeds {
 public:
  int32_t LengthKey = 0;
  int32_t WidthKey = 0;

  TIndexSeeds() { numbers_.reserve(64); }
  void Add(int16_t number) { numbers_.push_back(number); }
  // The number at a position; 0 outside.
  int16_t Get(size_t position) const;
  size_t Count() const { return numbers_.size(); }
  void Clear() { numbers_.clear(); }

 private:
  std::vector<int16_t> numbers_;
};

// Seed numbers grouped by seed length (or width), in strictly descending key order, so
// that the seeds no larger than a size are scanned from the largest down.
class TIndexSeedsSet {
 public:
  explicit TIndexSeedsSet(bool byLength);

  bool ByLength() const { return byLength_; }
  size_t Size() const { return groups_.size(); }
  const TIndexSeeds& operator[](size_t i) const { return groups_[i]; }
  int32_t Key(size_t i) const;

  // The first group whose key is at most key; Size() when every key is larger.
  size_t FindPosition(int32_t key) const;
  void AddSeed(const TPacket& seed, int16_t number);
  void Clear() { groups_.clear(); }

 private:
  bool byLength_;
  std::vector<TIndexSeeds> groups_;
};

}  // namespace vexlin
