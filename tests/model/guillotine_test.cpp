#include "model/guillotine.h"

#include <gtest/gtest.h>

#include "model/packet.h"
#include "support/piece_layout.h"

namespace vexlin {
namespace {

TEST(Guillotine, EmptyAndSinglePieceLayoutsAreCuttable) {
  TGuillotine analyser;
  EXPECT_TRUE(analyser.IsGuillotine(PieceLayout(100, 100, {})));
  EXPECT_TRUE(analyser.IsGuillotine(PieceLayout(100, 100, {{0, 0, 30, 20}})));
  EXPECT_TRUE(analyser.IsGuillotine(PieceLayout(100, 100, {{40, 40, 20, 20}})));
  EXPECT_TRUE(analyser.IsGuillotine(PieceLayout(100, 100, {{0, 0, 100, 100}})));
}

TEST(Guillotine, RowsOfEqualHeightAreCuttable) {
  TGuillotine analyser;
  EXPECT_TRUE(analyser.IsGuillotine(PieceLayout(
      100, 50,
      {{0, 0, 30, 20}, {30, 0, 30, 20}, {60, 0, 40, 20}, {0, 20, 50, 20}, {50, 20, 45, 20}})));
}

TEST(Guillotine, PinwheelIsNotCuttable) {
  TGuillotine analyser;
  EXPECT_FALSE(analyser.IsGuillotine(
      PieceLayout(30, 30, {{0, 0, 20, 10}, {20, 0, 10, 20}, {10, 20, 20, 10}, {0, 10, 10, 20}})));
}

TEST(Guillotine, CutsRepeatUntilStableSoAHorizontalFirstCutIsFound) {
  // The vertical cut between the two lower pieces exists only once the cut under the
  // full-width top piece is made.
  TGuillotine analyser;
  EXPECT_TRUE(analyser.IsGuillotine(
      PieceLayout(100, 100, {{0, 0, 100, 50}, {0, 50, 40, 50}, {40, 50, 60, 50}})));
  EXPECT_TRUE(analyser.IsGuillotine(
      PieceLayout(100, 100, {{0, 0, 50, 100}, {50, 0, 50, 40}, {50, 40, 50, 60}})));
}

TEST(Guillotine, NestedCutsAlternateOverSeveralPasses) {
  // Each cut runs between two cuts of the pass before: x = 60, y = 60, x = 30, y = 30,
  // then x = 15 inside the lower left corner.
  TGuillotine analyser;
  EXPECT_TRUE(analyser.IsGuillotine(PieceLayout(100, 100,
                                                {{60, 0, 40, 100},
                                                 {0, 60, 60, 40},
                                                 {30, 0, 30, 60},
                                                 {0, 0, 30, 30},
                                                 {0, 30, 15, 30},
                                                 {15, 30, 15, 30}})));
  // The same nest around a pinwheel stays uncuttable however many passes run.
  EXPECT_FALSE(analyser.IsGuillotine(PieceLayout(100, 100,
                                                 {{60, 0, 40, 100},
                                                  {0, 60, 60, 40},
                                                  {30, 0, 30, 60},
                                                  {0, 0, 30, 30},
                                                  {0, 30, 20, 10},
                                                  {20, 30, 10, 20},
                                                  {10, 50, 20, 10},
                                                  {0, 40, 10, 20}})));
}

TEST(Guillotine, CutNeverCrossesAThinPieceBetweenNeighbouringLines) {
  // Below a legal cut at y = 40 lies a pinwheel whose top arm (0..70 x 40..50) is crossed
  // by the grid line x = 30. Running a cut on down x = 30 through that arm would wrongly
  // free the pinwheel.
  TGuillotine analyser;
  EXPECT_FALSE(analyser.IsGuillotine(PieceLayout(100, 100,
                                                 {{0, 0, 30, 40},
                                                  {30, 0, 70, 40},
                                                  {0, 40, 70, 10},
                                                  {70, 40, 30, 40},
                                                  {30, 80, 70, 20},
                                                  {0, 50, 30, 50}})));
}

TEST(Guillotine, AnalyserIsReusable) {
  TGuillotine analyser;
  const TPacket pinwheel =
      PieceLayout(30, 30, {{0, 0, 20, 10}, {20, 0, 10, 20}, {10, 20, 20, 10}, {0, 10, 10, 20}});
  const TPacket rows = PieceLayout(30, 30, {{0, 0, 30, 10}, {0, 10, 30, 10}});
  EXPECT_FALSE(analyser.IsGuillotine(pinwheel));
  EXPECT_TRUE(analyser.IsGuillotine(rows));
  EXPECT_FALSE(analyser.IsGuillotine(pinwheel));
}

}  // namespace
}  // namespace vexlin
