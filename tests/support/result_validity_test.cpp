#include "support/result_validity.h"

#include <gtest/gtest.h>

#include <functional>

#include "optimizer/vexlin.h"

namespace vexlin {
namespace {

T2DStock Piece(int32_t type, std::string_view label, TRect box) {
  T2DStock piece;
  piece.SetIndex(type).SetLabel(label).SetCount(1).SetRect(box);
  return piece;
}

// A valid result: two sheets cut alike, each with a turnable part A twice (once turned), a
// fixed part B and the offcut right of B.
TVexlin ValidResult() {
  TVexlin engine;
  engine.Sheets.AddCopy(
      T2DStock().SetIndex(0).SetLabel("S").SetLength(1000).SetWidth(500).SetCount(2));
  engine.Parts.AddCopy(
      T2DStock().SetIndex(0).SetLabel("A").SetLength(400).SetWidth(300).SetCount(4));
  engine.Parts.AddCopy(
      T2DStock().SetIndex(1).SetLabel("B").SetLength(200).SetWidth(300).SetCount(2));
  engine.Parts[1].Rotatable = false;
  TPacket layout(engine.Parts);
  layout.SetIndex(0).SetLength(1000).SetWidth(500).SetCount(2);
  layout.RecordPart(Piece(0, "A", {0, 0, 400, 300}));
  layout.RecordPart(Piece(0, "A", {400, 0, 700, 400}));
  layout.RecordPart(Piece(1, "B", {700, 0, 900, 300}));
  layout.Pieces.AddCopy(Piece(-1, "OFFCUT_1", {900, 0, 1000, 500}));
  engine.BestResult.Items.push_back(layout);
  return engine;
}

std::vector<std::string> FaultsAfter(const std::function<void(TVexlin&)>& damage,
                                     TValidityRules rules = {}) {
  TVexlin engine = ValidResult();
  damage(engine);
  return ResultFaults(engine, rules);
}

T2DStock& PieceOf(TVexlin& engine, size_t i) {
  return engine.BestResult[0].Pieces[i];
}

using Faults = std::vector<std::string>;

// Part B made a profile of two pieces per sheet whose boxes overlap in a column, as the
// engine pairs trapezia head to tail: the second with a half turn.
void PairB(TVexlin& engine, uint8_t shape, bool halfTurn) {
  engine.Parts[1].SetShape(shape).SetCount(4);
  TPacket& layout = engine.BestResult[0];
  layout.RecordPart(Piece(1, "B", {700, 200, 900, 500}));
  for (T2DStock& piece : layout.Pieces) {
    if (piece.Index == 1) piece.SetShape(shape).SetOrientation(0);
  }
  if (halfTurn) layout.Pieces.Back().FlipHalfTurn();
}

TEST(ResultValidity, AcceptsAValidResultAndNamesEveryHandMadeFault) {
  EXPECT_EQ(FaultsAfter([](TVexlin&) {}, {.Guillotine = true}), Faults{});
  EXPECT_EQ(FaultsAfter([](TVexlin& e) { PieceOf(e, 2).Origin.X = 650; }),
            Faults{"layout 1, piece 3 (B): overlaps piece 2"});
  EXPECT_EQ(FaultsAfter([](TVexlin& e) { PieceOf(e, 3).Origin.X = 850; }),
            Faults{"layout 1, piece 4 (OFFCUT_1): overlaps piece 3"});
  EXPECT_EQ(FaultsAfter([](TVexlin& e) { PairB(e, kShapeProfile, true); }), Faults{});
  EXPECT_EQ(FaultsAfter([](TVexlin& e) { PairB(e, kShapeProfile, false); }),
            Faults{"layout 1, piece 5 (B): overlaps piece 3"});
  EXPECT_EQ(FaultsAfter([](TVexlin& e) { PairB(e, kShapeRectangle, true); }),
            Faults{"layout 1, piece 5 (B): overlaps piece 3"});
  EXPECT_EQ(FaultsAfter([](TVexlin& e) { PieceOf(e, 2).Origin.Y = 250; }),
            Faults{"layout 1, piece 3 (B): not inside the sheet"});
  EXPECT_EQ(FaultsAfter([](TVexlin& e) { PieceOf(e, 3).Origin.X = 950; }),
            Faults{"layout 1, piece 4 (OFFCUT_1): not inside the sheet"});
  EXPECT_EQ(FaultsAfter([](TVexlin& e) {
              PieceOf(e, 2).SetRect({700, 0, 1000, 200});
            }),
            Faults({"layout 1, piece 3 (B): turned, but its part type may not turn",
                    "layout 1, piece 4 (OFFCUT_1): overlaps piece 3"}));
  EXPECT_EQ(FaultsAfter([](TVexlin& e) { PieceOf(e, 2).Length = 150; }),
            Faults{"layout 1, piece 3 (B): not the size of its part type"});
  EXPECT_EQ(FaultsAfter([](TVexlin& e) { e.Parts[0].Count = 5; }),
            Faults{"part type 1 (A): 4 pieces cut, 5 demanded"});
  EXPECT_EQ(FaultsAfter([](TVexlin& e) { e.Parts[0].Count = 5; }, {.StockShort = true}), Faults{});
  EXPECT_EQ(FaultsAfter([](TVexlin& e) { e.Parts[0].Count = 3; }, {.StockShort = true}),
            Faults{"part type 1 (A): 4 pieces cut, 3 demanded"});
  EXPECT_EQ(FaultsAfter([](TVexlin& e) { e.BestResult[0].TypeCounts[1].Count = 2; }),
            Faults{"layout 1: counts 2 of part type 2 but holds 1"});
  EXPECT_EQ(FaultsAfter([](TVexlin& e) { e.Sheets[0].Count = 1; }),
            Faults{"sheet type 1 (S): 2 sheets used, 1 in stock"});
  EXPECT_EQ(FaultsAfter([](TVexlin& e) { e.BestResult[0].Width = 400; }),
            Faults({"layout 1: its sheet is not one of the job's sheet types",
                    "layout 1, piece 4 (OFFCUT_1): not inside the sheet"}));
}

// Four pieces around a hole: no straight cut crosses the sheet without cutting a piece.
TEST(ResultValidity, RefusesAPinwheelOnlyInGuillotineMode) {
  TVexlin engine;
  engine.Sheets.AddCopy(
      T2DStock().SetIndex(0).SetLabel("S").SetLength(300).SetWidth(300).SetCount(1));
  engine.Parts.AddCopy(
      T2DStock().SetIndex(0).SetLabel("P").SetLength(200).SetWidth(100).SetCount(4));
  TPacket layout(engine.Parts);
  layout.SetIndex(0).SetLength(300).SetWidth(300).SetCount(1);
  for (const TRect& box : {TRect{0, 0, 200, 100}, TRect{200, 0, 300, 200},
                           TRect{100, 200, 300, 300}, TRect{0, 100, 100, 300}}) {
    layout.RecordPart(Piece(0, "P", box));
  }
  engine.BestResult.Items.push_back(layout);
  EXPECT_EQ(ResultFaults(engine, {}), Faults{});
  EXPECT_EQ(ResultFaults(engine, {.Guillotine = true}),
            Faults{"layout 1: cannot be cut with guillotine cuts"});
}

}  // namespace
}  // namespace vexlin
