#include "model/guillotine_memo.h"

#include <gtest/gtest.h>

#include "model/packet.h"
#include "support/piece_layout.h"

namespace vexlin {
namespace {

TEST(GuillotineMemo, RemembersEachArrangementApart) {
  TGuillotineMemo memo;
  const TPacket pinwheel =
      PieceLayout(30, 30, {{0, 0, 20, 10}, {20, 0, 10, 20}, {10, 20, 20, 10}, {0, 10, 10, 20}});
  const TPacket rows = PieceLayout(30, 30, {{0, 0, 30, 10}, {0, 10, 30, 10}});
  // The same pieces on a wider sheet leave a free column that a cut runs down.
  const TPacket widerRows = PieceLayout(40, 30, {{0, 0, 30, 10}, {0, 10, 30, 10}});
  // A prefix of the pinwheel's pieces: equal leading values must not pass for a match.
  const TPacket part = PieceLayout(30, 30, {{0, 0, 20, 10}, {20, 0, 10, 20}});
  for (int round = 0; round < 2; ++round) {
    EXPECT_FALSE(memo.IsGuillotine(pinwheel));
    EXPECT_TRUE(memo.IsGuillotine(rows));
    EXPECT_TRUE(memo.IsGuillotine(widerRows));
    EXPECT_TRUE(memo.IsGuillotine(part));
  }
  memo.Clear();
  EXPECT_FALSE(memo.IsGuillotine(pinwheel));
}

}  // namespace
}  // namespace vexlin
