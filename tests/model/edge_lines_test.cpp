#include "model/edge_lines.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cstdint>
#include <vector>

namespace vexlin {
namespace {

// Every edge's line holds its value, and the lines are the distinct values in order.
void ExpectLinesOf(const std::vector<int32_t>& edges, const std::vector<int32_t>& lines,
                   const std::vector<uint32_t>& lineOf) {
  std::vector<int32_t> distinct = edges;
  std::sort(distinct.begin(), distinct.end());
  distinct.erase(std::unique(distinct.begin(), distinct.end()), distinct.end());
  EXPECT_EQ(lines, distinct);
  ASSERT_EQ(lineOf.size(), edges.size());
  for (size_t i = 0; i < edges.size(); ++i) {
    ASSERT_LT(lineOf[i], lines.size());
    EXPECT_EQ(lines[lineOf[i]], edges[i]) << "edge " << i;
  }
}

TEST(EdgeLines, RepeatedAndNegativeEdgesShareSortedLines) {
  TEdgeLines gatherer;
  std::vector<int32_t> lines;
  std::vector<uint32_t> lineOf;
  const std::vector<int32_t> edges = {300, 0, 300, -20, 1000, 0, INT32_MIN, INT32_MAX, -20};
  gatherer.Gather(edges, lines, lineOf);
  EXPECT_EQ(lines, (std::vector<int32_t>{INT32_MIN, -20, 0, 300, 1000, INT32_MAX}));
  ExpectLinesOf(edges, lines, lineOf);
}

TEST(EdgeLines, LaterCallsForgetEarlierEdgesAndGrowTheTable) {
  TEdgeLines gatherer;
  std::vector<int32_t> lines;
  std::vector<uint32_t> lineOf;
  gatherer.Gather({5, 7, 5}, lines, lineOf);
  ExpectLinesOf({5, 7, 5}, lines, lineOf);
  // Many values that collide under a power-of-two table size, more than its first size.
  std::vector<int32_t> many;
  for (int32_t i = 0; i < 500; ++i) many.push_back((i % 250) * 1024);
  gatherer.Gather(many, lines, lineOf);
  ExpectLinesOf(many, lines, lineOf);
  gatherer.Gather({7}, lines, lineOf);
  ExpectLinesOf({7}, lines, lineOf);
  gatherer.Gather({}, lines, lineOf);
  EXPECT_TRUE(lines.empty());
  EXPECT_TRUE(lineOf.empty());
}

}  // namespace
}  // namespace vexlin
