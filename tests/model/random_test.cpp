#include "model/random.h"

#include <gtest/gtest.h>

namespace vexlin {
namespace {

TEST(RandomGenerator, DrawsTheHighWordOfTheProductAfterEachUpdate) {
  TRandomGenerator generator;
  EXPECT_EQ(generator.Random(100), 0u);  // x = 1
  EXPECT_EQ(generator.Random(100), 3u);  // x = 134775814
  EXPECT_EQ(generator.Random(0), 0u);    // advances all the same
  EXPECT_EQ(generator.Random(100), 20u);
  EXPECT_EQ(generator.Random(7), 1u);
  EXPECT_EQ(generator.Random(1000), 671u);
}

TEST(RandomGenerator, SequenceIsReproducibleFromZero) {
  TRandomGenerator generator;
  for (int i = 0; i < 1000; ++i) generator.Random(10);
  EXPECT_EQ(generator.State(), 1995684248u);
  generator.Reset();
  EXPECT_EQ(generator.State(), 0u);
  EXPECT_EQ(generator.Random(100), 0u);
}

TEST(RandomGenerator, ProcessInstanceIsShared) {
  ResetRandomForTests();
  EXPECT_EQ(Random(100), 0u);
  EXPECT_EQ(ProcessRandom().State(), 1u);
  EXPECT_EQ(Random(100), 3u);
  ResetRandomForTests();
}

}  // namespace
}  // namespace vexlin
