#include "output/layout_rearrange.h"

#include <gtest/gtest.h>

#include "input/option_values.h"
#include "model/packet.h"
#include "model/random.h"
#include "optimizer/vexlin.h"

namespace vexlin {
namespace {

T2DStock PartType(const char* label, int32_t side, int32_t index) {
  T2DStock part;
  part.SetLabel(label).SetLength(side).SetWidth(side).SetIndex(index);
  return part;
}

// A 1000 x 1000 sheet of type 4 cut 3 times, the run knowing the part types P and Q.
TPacket Layout() {
  TPanels demand;
  demand.AddCopy(PartType("P", 500000, 0));
  demand.AddCopy(PartType("Q", 300000, 1));
  TPacket layout(demand);
  layout.SetLabel("S").SetLength(1000000).SetWidth(1000000).SetCount(3).SetCost(20000);
  layout.SetIndex(4);
  layout.ResetFreeSpace();
  return layout;
}

void Place(TPacket& layout, TPoint origin) {
  T2DStock piece = layout.TypeCounts[0];
  piece.SetCount(1).SetOrigin(origin);
  layout.PlacePart(piece);
}

class LayoutRearrange : public ::testing::Test {
 protected:
  void SetUp() override {
    ResetRandomForTests();
    ApplyOptionValues(TOptionValues());
  }
  TVexlin second_;
};

TEST_F(LayoutRearrange, KeepsTheLayoutWhenThePartsCannotShareOneSheet) {
  TPacket layout = Layout();
  layout.TypeCounts[0].SetLength(600000).SetWidth(600000).SetCount(2);
  const std::string before = layout.Signature();
  EXPECT_FALSE(LayoutAgainClick(second_, layout));
  EXPECT_EQ(layout.Signature(), before);
  EXPECT_EQ(layout.Count, 3);
}

TEST_F(LayoutRearrange, ReplacesTheLayoutKeepingItsSheetTypeCountAndPartTypes) {
  TPacket layout = Layout();
  Place(layout, {0, 0});
  Place(layout, {500000, 500000});
  ASSERT_EQ(layout.TypeCounts[0].Count, 2);

  ASSERT_TRUE(LayoutAgainClick(second_, layout));
  EXPECT_EQ(layout.Count, 3);
  EXPECT_EQ(layout.Index, 4);
  EXPECT_EQ(layout.Label, "S");
  EXPECT_EQ(layout.Length, 1000000);
  ASSERT_EQ(layout.TypeCounts.Size(), 2u);
  EXPECT_EQ(layout.TypeCounts[0].Label, "P");
  EXPECT_EQ(layout.TypeCounts[0].Count, 2);
  EXPECT_EQ(layout.TypeCounts[1].Label, "Q");
  EXPECT_EQ(layout.TypeCounts[1].Count, 0);
  int parts = 0;
  bool offcuts = false;
  for (const T2DStock& piece : layout.Pieces) {
    if (IsOffcutLabel(piece.Label)) {
      offcuts = true;
      continue;
    }
    ++parts;
    // The search packs from a corner: no part is left floating at the sheet's centre.
    EXPECT_TRUE(piece.Origin.X == 0 || piece.Origin.Y == 0) << piece.DescribeText();
  }
  EXPECT_EQ(parts, 2);
  EXPECT_TRUE(offcuts);
  EXPECT_TRUE(layout.FreeRects.Empty());
}

}  // namespace
}  // namespace vexlin
