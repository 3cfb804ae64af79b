#include "model/guillotine_memo.h"

#include <gtest/gtest.h>

#include <initializer_list>

#include "model/packet.h"

namespace vexlin {
namespace {

// A sheet with pieces given as {x, y, length, width}.
TPacket Layout(int32_t length, int32_t width, std::initializer_list<TRect> pieces) {
  TPacket sheet;
  sheet.SetLength(length).SetWidth(width);
  for (const TRect& p : pieces) {
    T2DStock piece;
    piece.SetOrigin({p.Left, p.Top}).SetLength(p.Right).SetWidth(p.Bottom);
    sheet.Pieces.AddCopy(piece);
  }
  return sheet;
}

TEST(GuillotineMemo, RemembersEachArrangementApart) {
  TGuillotineMemo memo;
  const TPacket pinwheel =
      Layout(30, 30, {{0, 0, 20, 10}, {20, 0, 10, 20}, {10, 20, 20, 10}, {0, 10, 10, 20}});
  const TPacket rows = Layout(30, 30, {{0, 0, 30, 10}, {0, 10, 30, 10}});
  // The same pieces on a wider sheet leave a free column that a cut runs down.
  const TPacket widerRows = Layout(40, 30, {{0, 0, 30, 10}, {0, 10, 30, 10}});
  // A prefix of the pinwheel's pieces: equal leading values must not pass for a match.
  const TPacket part = Layout(30, 30, {{0, 0, 20, 10}, {20, 0, 10, 20}});
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
