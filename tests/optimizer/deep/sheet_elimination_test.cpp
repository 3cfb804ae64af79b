#include <gtest/gtest.h>

#include <optional>
#include <vector>

#include "model/geometry.h"
#include "optimizer/corner_sets.h"
#include "optimizer/deep/cover_layouts.h"
#include "optimizer/deep/sheet_eliminator.h"
#include "optimizer/vexlin.h"

namespace vexlin {
namespace {

TDeepPart Part(int32_t length, int32_t width, bool rotatable, int64_t demand) {
  return {length, width, rotatable, demand, static_cast<double>(length) * width};
}

// Sheets of 100 x 100 and pieces that fill two exactly: two upright-only halves, three
// squares and two quarter strips.
TDeepJob SmallJob() {
  TDeepJob job;
  job.Parts = {Part(100, 50, false, 2), Part(50, 50, true, 3), Part(50, 25, true, 2)};
  job.Sheets = {{100, 100, 5, 1.0, 10000.0}};
  return job;
}

TPattern Sheet(std::vector<TDeepPiece> pieces) {
  TPattern pattern;
  pattern.Pieces = std::move(pieces);
  return pattern;
}

TRect PieceRect(const TDeepJob& job, const TDeepPiece& piece) {
  const TDeepPart& part = job.Parts[static_cast<size_t>(piece.Part)];
  const int32_t length = piece.Turned ? part.Width : part.Length;
  const int32_t width = piece.Turned ? part.Length : part.Width;
  return {piece.X, piece.Y, piece.X + length, piece.Y + width};
}

// Each part's demand exactly, every piece inside its sheet and apart from the others, and
// only rotatable parts turned.
void ExpectValidPlan(const TDeepJob& job, const std::vector<TPattern>& plan) {
  std::vector<int64_t> cut(job.Parts.size(), 0);
  const TRect board{0, 0, job.Sheets[0].Length, job.Sheets[0].Width};
  for (const TPattern& sheet : plan) {
    for (size_t k = 0; k < sheet.Pieces.size(); ++k) {
      const TDeepPiece& piece = sheet.Pieces[k];
      ++cut[static_cast<size_t>(piece.Part)];
      EXPECT_TRUE(Contains(board, PieceRect(job, piece)));
      EXPECT_TRUE(!piece.Turned || job.Parts[static_cast<size_t>(piece.Part)].Rotatable);
      for (size_t j = 0; j < k; ++j) {
        EXPECT_FALSE(Intersects(PieceRect(job, sheet.Pieces[j]), PieceRect(job, piece)));
      }
    }
  }
  for (size_t i = 0; i < cut.size(); ++i) EXPECT_EQ(cut[i], job.Parts[i].Demand) << i;
}

const auto kNeverStop = [](int64_t) { return false; };

// Both halves lie across the middle of their sheets, so the emptier one's half finds no
// room until the halves share a sheet and the squares and strips the other.
TEST(SheetEliminator, RearrangesThreeSheetsOntoTwoOrFailsToTheLastMove) {
  const TDeepJob job = SmallJob();
  const std::vector<TPattern> plan = {
      Sheet({{2, 0, 0, false}, {0, 0, 25, false}, {2, 0, 75, false}}), Sheet({{0, 0, 25, false}}),
      Sheet({{1, 0, 0, false}, {1, 50, 0, false}, {1, 0, 50, false}})};
  TSheetEliminator eliminator(job, plan, 1);
  ASSERT_TRUE(eliminator.Run(20000, kNeverStop));
  EXPECT_GT(eliminator.Moves(), 0);
  EXPECT_EQ(eliminator.Sheets().size(), 2U);
  ExpectValidPlan(job, eliminator.Sheets());

  TDeepJob squares;
  squares.Parts = {Part(60, 60, true, 3)};
  squares.Sheets = SmallJob().Sheets;
  const TPattern one = Sheet({{0, 0, 0, false}});
  TSheetEliminator stuck(squares, {one, one, one}, 1);
  EXPECT_FALSE(stuck.Run(300, kNeverStop));
  EXPECT_EQ(stuck.Moves(), 300);
  TSheetEliminator stopped(squares, {one, one, one}, 1);
  EXPECT_FALSE(stopped.Run(300, [](int64_t move) { return move == 7; }));
  EXPECT_EQ(stopped.Moves(), 7);
}

// The engine's layouts give their pieces to the moves, a turned piece as turned; a layout
// of overlapping pieces (nested profiles) gives none, so that it stays as the engine made it.
TEST(SheetEliminator, TakesPiecesOffEngineLayoutsButNotOverlappingOnes) {
  TVexlin engine;
  ASSERT_EQ(engine.AddSheet("S", 1000, 1000, 2, 0), "");
  ASSERT_EQ(engine.AddPart("P", 400, 200, true, 3, kShapeRectangle), "");
  const TDeepJob job = TDeepJob::FromEngine(engine, false, false);
  TPacket layout = MakeSheetPacket(engine.Sheets[0], engine.Parts);
  T2DStock piece = engine.Parts[0];
  piece.SetIndex(0).SetCount(1).SetOrigin({0, 0});
  layout.PlacePart(piece);
  piece.Turn();
  piece.SetOrigin({500, 0});
  layout.PlacePart(piece);
  TPattern pattern;
  pattern.Layout = &layout;
  const std::optional<std::vector<TDeepPiece>> pieces = PatternPieces(job, pattern);
  ASSERT_TRUE(pieces.has_value());
  ASSERT_EQ(pieces->size(), 2U);
  EXPECT_FALSE((*pieces)[0].Turned);
  EXPECT_TRUE((*pieces)[1].Turned);
  EXPECT_EQ((*pieces)[1].X, 500);

  piece.SetOrigin({550, 100});
  layout.PlacePart(piece);
  EXPECT_FALSE(PatternPieces(job, pattern).has_value());
}

}  // namespace
}  // namespace vexlin
