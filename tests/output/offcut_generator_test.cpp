#include "output/offcut_generator.h"

#include <gtest/gtest.h>

#include <initializer_list>
#include <string>
#include <vector>

#include "model/packet.h"

namespace vexlin {
namespace {

struct TLabelledRect {
  std::string Label;
  TRect Rect;

  friend bool operator==(const TLabelledRect&, const TLabelledRect&) = default;
};

void PrintTo(const TLabelledRect& piece, std::ostream* out) {
  *out << piece.Label << " (" << piece.Rect.Left << ", " << piece.Rect.Top << ", "
       << piece.Rect.Right << ", " << piece.Rect.Bottom << ")";
}

// A sheet of one part type with parts given as {left, top, right, bottom}.
TPacket Layout(int32_t length, int32_t width, std::initializer_list<TRect> parts) {
  TPanels demand;
  demand.AddCopy(T2DStock{}.SetIndex(0).SetCount(10));
  TPacket sheet(demand);
  sheet.SetLength(length).SetWidth(width);
  sheet.ResetFreeSpace();
  for (const TRect& rect : parts) {
    T2DStock part;
    part.SetRect(rect);
    part.SetIndex(0).SetCount(1).SetLabel("P");
    sheet.PlacePart(part);
  }
  return sheet;
}

// The pieces added after the first `parts` pieces.
std::vector<TLabelledRect> Offcuts(const TPacket& layout, size_t parts) {
  std::vector<TLabelledRect> offcuts;
  for (size_t i = parts; i < layout.Pieces.Size(); ++i) {
    offcuts.push_back({layout.Pieces[i].Label, layout.Pieces[i].GetRect()});
  }
  return offcuts;
}

TEST(GenerateOffcutParts, BestScoringRemnantFirstNumberedFromOne) {
  TPacket layout = Layout(1000, 500, {{0, 0, 300, 200}});
  GenerateOffcutParts(layout, 0, false);
  // The right strip scores 700 x 500 / 1200, above the bottom strip's 1000 x 300 / 1300.
  EXPECT_EQ(Offcuts(layout, 1), (std::vector<TLabelledRect>{
                                    {"OFFCUT_1", {300, 0, 1000, 500}},
                                    {"OFFCUT_2", {0, 200, 300, 500}},
                                }));
  EXPECT_TRUE(layout.FreeRects.Empty());
  EXPECT_EQ(layout.TotalCount(), 1);
}

TEST(GenerateOffcutParts, EqualScoresKeepListOrder) {
  TPacket layout = Layout(100, 100, {{0, 0, 50, 50}});
  GenerateOffcutParts(layout, 0, false);
  EXPECT_EQ(Offcuts(layout, 1), (std::vector<TLabelledRect>{
                                    {"OFFCUT_1", {50, 0, 100, 100}},
                                    {"OFFCUT_2", {0, 50, 50, 100}},
                                }));
}

TEST(GenerateOffcutParts, ScoresCompareExactly) {
  // Free squares of side 288024002 and a 288012002 x 288036003 rectangle beside it: the
  // rectangle's score is larger by about 1.7e-9, which doubles round away.
  TPacket layout =
      Layout(576036005, 288036003,
             {{288024002, 0, 288024003, 288036003}, {0, 288024002, 288024002, 288036003}});
  GenerateOffcutParts(layout, 0, false);
  EXPECT_EQ(Offcuts(layout, 2), (std::vector<TLabelledRect>{
                                    {"OFFCUT_1", {288024003, 0, 576036005, 288036003}},
                                    {"OFFCUT_2", {0, 0, 288024002, 288024002}},
                                }));
}

TEST(GenerateOffcutParts, SliversAreNumberedApartFromOffcuts) {
  // A 1000 x 5 strip along the bottom and a 6 x 6 hole in the top right corner: the strip
  // scores higher but is no wider than the blade, the hole is just wider.
  TPacket layout = Layout(1000, 505, {{0, 0, 994, 500}, {994, 6, 1000, 500}});
  GenerateOffcutParts(layout, 5, false);
  EXPECT_EQ(Offcuts(layout, 2), (std::vector<TLabelledRect>{
                                    {"ZEROOFFCUT_1", {0, 500, 1000, 505}},
                                    {"OFFCUT_1", {994, 0, 1000, 6}},
                                }));
}

TEST(GenerateOffcutParts, SliverRuleHoldsForEitherSide) {
  TPacket tall = Layout(105, 100, {{0, 0, 100, 100}});
  GenerateOffcutParts(tall, 5, false);
  TPacket flat = Layout(100, 105, {{0, 0, 100, 100}});
  GenerateOffcutParts(flat, 5, false);
  TPacket wider = Layout(106, 100, {{0, 0, 100, 100}});
  GenerateOffcutParts(wider, 5, false);
  EXPECT_EQ(Offcuts(tall, 1), (std::vector<TLabelledRect>{{"ZEROOFFCUT_1", {100, 0, 105, 100}}}));
  EXPECT_EQ(Offcuts(flat, 1), (std::vector<TLabelledRect>{{"ZEROOFFCUT_1", {0, 100, 100, 105}}}));
  EXPECT_EQ(Offcuts(wider, 1), (std::vector<TLabelledRect>{{"OFFCUT_1", {100, 0, 106, 100}}}));
}

TEST(GenerateOffcutParts, CoveredLayoutGetsNothing) {
  TPacket full = Layout(100, 100, {{0, 0, 100, 100}});
  GenerateOffcutParts(full, 0, true);
  EXPECT_EQ(full.Pieces.Size(), 1u);

  TPacket layout = Layout(1000, 500, {{0, 0, 300, 200}});
  GenerateOffcutParts(layout, 0, false);
  GenerateOffcutParts(layout, 0, false);
  EXPECT_EQ(layout.Pieces.Size(), 3u);
}

TEST(GenerateOffcutParts, ZeroAreaFreeSpaceEndsGeneration) {
  TPacket empty;
  GenerateOffcutParts(empty, 0, false);
  GenerateOffcutParts(empty, 0, true);
  EXPECT_TRUE(empty.Pieces.Empty());
}

// Three arms of a pinwheel on a 500 x 500 sheet; the fourth arm's place (0, 200)-(200, 500)
// outscores the strip (0, 200)-(300, 300) but would close the pinwheel.
TPacket ThreeArms() {
  return Layout(500, 500, {{0, 0, 300, 200}, {300, 0, 500, 300}, {200, 300, 500, 500}});
}

TEST(GenerateOffcutParts, WithoutGuillotineTheFourthArmIsTaken) {
  TPacket layout = ThreeArms();
  GenerateOffcutParts(layout, 0, false);
  EXPECT_EQ(Offcuts(layout, 3), (std::vector<TLabelledRect>{
                                    {"OFFCUT_1", {0, 200, 200, 500}},
                                    {"OFFCUT_2", {200, 200, 300, 300}},
                                }));
}

TEST(GenerateOffcutParts, GuillotinePassesOverRemnantThatBreaksCuttability) {
  TPacket layout = ThreeArms();
  GenerateOffcutParts(layout, 0, true);
  EXPECT_EQ(Offcuts(layout, 3), (std::vector<TLabelledRect>{
                                    {"OFFCUT_1", {0, 200, 300, 300}},
                                    {"OFFCUT_2", {0, 300, 200, 500}},
                                }));
}

TEST(GenerateOffcutParts, GuillotineFallbackTakesRemnantsInListOrder) {
  // A full pinwheel between two thin strips cannot be cut edge to edge whatever is added.
  // The strips come first in the free list though its hole scores higher; the fallback
  // takes the first free rectangle while fewer than the remnants it started with have been
  // taken and some are left, so the hole stays free.
  TPacket layout = Layout(
      520, 500, {{10, 0, 310, 200}, {310, 0, 510, 300}, {210, 300, 510, 500}, {10, 200, 210, 500}});
  ASSERT_EQ(layout.FreeRects.Size(), 3u);
  GenerateOffcutParts(layout, 10, true);
  EXPECT_EQ(Offcuts(layout, 4), (std::vector<TLabelledRect>{
                                    {"ZEROOFFCUT_1", {0, 0, 10, 500}},
                                    {"ZEROOFFCUT_2", {510, 0, 520, 500}},
                                }));
  ASSERT_EQ(layout.FreeRects.Size(), 1u);
  EXPECT_EQ(layout.FreeRects[0], (TRect{210, 200, 310, 300}));
}

}  // namespace
}  // namespace vexlin
