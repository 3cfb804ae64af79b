#include "optimizer/index_seeds.h"

#include <gtest/gtest.h>

#include <utility>
#include <vector>

#include "model/packet.h"

namespace vexlin {
namespace {

TPacket Block(int32_t length, int32_t width) {
  TPacket block;
  block.SetLength(length).SetWidth(width);
  return block;
}

// Each group as its key followed by its seed numbers.
std::vector<std::vector<int32_t>> Groups(const TIndexSeedsSet& index) {
  std::vector<std::vector<int32_t>> groups;
  for (size_t g = 0; g < index.Size(); ++g) {
    std::vector<int32_t> group{index.Key(g)};
    for (size_t k = 0; k < index[g].Count(); ++k) group.push_back(index[g].Get(k));
    groups.push_back(group);
  }
  return groups;
}

class IndexSeedsTest : public ::testing::Test {
 protected:
  IndexSeedsTest() {
    const std::pair<int32_t, int32_t> sizes[] = {{500, 90}, {1000, 80}, {500, 80}, {700, 95}};
    int16_t number = 1;
    for (const auto& [length, width] : sizes) {
      byLength.AddSeed(Block(length, width), number);
      byWidth.AddSeed(Block(length, width), number);
      ++number;
    }
  }

  TIndexSeedsSet byLength{true};
  TIndexSeedsSet byWidth{false};
};

TEST_F(IndexSeedsTest, GroupsHoldEqualKeysInDescendingOrder) {
  EXPECT_EQ(Groups(byLength),
            (std::vector<std::vector<int32_t>>{{1000, 2}, {700, 4}, {500, 1, 3}}));
  EXPECT_EQ(Groups(byWidth), (std::vector<std::vector<int32_t>>{{95, 4}, {90, 1}, {80, 2, 3}}));
  EXPECT_EQ(byLength[0].LengthKey, 1000);
  EXPECT_EQ(byLength[0].WidthKey, 0);
  EXPECT_EQ(byWidth[0].WidthKey, 95);
  EXPECT_EQ(byWidth[0].LengthKey, 0);
}

TEST_F(IndexSeedsTest, FindPositionGivesTheFirstGroupNoLargerThanTheKey) {
  EXPECT_EQ(byLength.FindPosition(600), 2u);
  EXPECT_EQ(byLength.FindPosition(1200), 0u);
  EXPECT_EQ(byLength.FindPosition(100), 3u);
  EXPECT_EQ(byLength.FindPosition(700), 1u);
  EXPECT_EQ(byLength.FindPosition(699), 2u);
  EXPECT_EQ(TIndexSeedsSet(true).FindPosition(10), 0u);
}

TEST_F(IndexSeedsTest, ReadingOutsideAGroupGivesZeroAndClearEmpties) {
  EXPECT_EQ(byLength[2].Get(2), 0);
  byLength.Clear();
  EXPECT_EQ(byLength.Size(), 0u);
  byLength.AddSeed(Block(300, 10), 7);
  EXPECT_EQ(Groups(byLength), (std::vector<std::vector<int32_t>>{{300, 7}}));
}

}  // namespace
}  // namespace vexlin
