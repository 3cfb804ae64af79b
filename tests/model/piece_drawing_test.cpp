#include "model/piece_drawing.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "model/run_options.h"
#include "model/trapezium_list.h"
#include "support/recording_canvas.h"

namespace vexlin {
namespace {

using Calls = std::vector<std::string>;

constexpr TColor kPartColor = 0x0000FF;
constexpr TColor kOffcutColor = 0x00FF00;
constexpr TDrawSwitches kAll{true, true, true};
constexpr TDrawSwitches kLabelsOnly{true, false, false};

class PieceDrawingTest : public ::testing::Test {
 protected:
  void SetUp() override { BladeWidth = 0; }
  void TearDown() override {
    BladeWidth = 0;
    ProfileShapes().ClearList();
  }

  Calls Drawn(const T2DStock& piece, TPoint offset, const TDrawSwitches& switches, double scale) {
    TRecordingCanvas canvas;
    DrawOnCanvas(piece, offset, canvas, kOffcutColor, kPartColor, switches, scale);
    return canvas.Calls;
  }

  Calls Printed(const T2DStock& piece, TPoint offset, const TDrawSwitches& switches, double scale) {
    TRecordingCanvas canvas;
    PrintOnCanvas(piece, offset, canvas, switches, scale);
    return canvas.Calls;
  }
};

T2DStock Piece(TPoint origin, int32_t length, int32_t width, const std::string& label,
               uint8_t shape = kShapeRectangle) {
  T2DStock piece;
  piece.SetOrigin(origin).SetLength(length).SetWidth(width).SetLabel(label).SetShape(shape);
  return piece;
}

Calls RectangleOutline(int32_t x0, int32_t y0, int32_t x1, int32_t y1) {
  const auto point = [](const char* call, int32_t x, int32_t y) {
    return std::string(call) + " " + std::to_string(x) + " " + std::to_string(y);
  };
  return {point("MoveTo", x0, y0), point("LineTo", x1, y0), point("LineTo", x1, y1),
          point("LineTo", x0, y1), point("LineTo", x0, y0)};
}

Calls Joined(Calls head, const Calls& tail) {
  head.insert(head.end(), tail.begin(), tail.end());
  return head;
}

TEST_F(PieceDrawingTest, RectangleWithEveryTextUsesNetSizes) {
  BladeWidth = 5000;
  // Net 600 x 401: the odd width makes the label's centring truncate.
  const T2DStock piece = Piece({100000, 50000}, 605000, 406000, "P1");
  const Calls expected =
      Joined({"Pen 0000FF", "Text 404 265 P1", "Text 111 71 (100,50)", "Text 111 460 600X401"},
             RectangleOutline(110, 70, 710, 471));
  EXPECT_EQ(Drawn(piece, {10, 20}, kAll, 0.001), expected);
}

TEST_F(PieceDrawingTest, TextsNeedTwoUnitsOfRoomBothWays) {
  // "AB" is 12 x 10 on the recording canvas: it fits in 15 x 13, not in 14 x 13 or 15 x 12.
  EXPECT_EQ(Drawn(Piece({}, 15, 13, "AB"), {}, kLabelsOnly, 1.0)[1], "Text 1 1 AB");
  EXPECT_EQ(Drawn(Piece({}, 14, 13, "AB"), {}, kLabelsOnly, 1.0),
            Joined({"Pen 0000FF"}, RectangleOutline(0, 0, 14, 13)));
  EXPECT_EQ(Drawn(Piece({}, 15, 12, "AB"), {}, kLabelsOnly, 1.0),
            Joined({"Pen 0000FF"}, RectangleOutline(0, 0, 15, 12)));
}

TEST_F(PieceDrawingTest, SmallPieceShowsOnlyItsOutline) {
  const T2DStock piece = Piece({20000, 0}, 30000, 10000, "LONG LABEL");
  EXPECT_EQ(Drawn(piece, {}, kAll, 0.001), Joined({"Pen 0000FF"}, RectangleOutline(20, 0, 50, 10)));
}

TEST_F(PieceDrawingTest, SizeTextSitsInTheLowerLeftCorner) {
  const T2DStock piece = Piece({0, 0}, 600000, 400000, "");
  const TDrawSwitches sizesOnly{false, false, true};
  EXPECT_EQ(Drawn(piece, {5, 5}, sizesOnly, 0.001)[1], "Text 6 394 600X400");
}

TEST_F(PieceDrawingTest, CoordinatesRoundHalfToEvenFromTheSheetCorner) {
  // 0.5 -> 0 and 1.5 -> 2; the far corner is 3 (from 30000), not x0 + L = 0 + 2.
  const T2DStock piece = Piece({5000, 15000}, 25000, 25000, "");
  EXPECT_EQ(Printed(piece, {}, kAll, 0.0001), RectangleOutline(0, 2, 3, 4));
}

TEST_F(PieceDrawingTest, OffcutsTakeTheirColourOnScreenAndThePrinterPenOnPaper) {
  const T2DStock offcut = Piece({}, 1000, 1000, "OFFCUT_1");
  EXPECT_EQ(Drawn(offcut, {}, kAll, 0.01)[0], "Pen 00FF00");
  EXPECT_EQ(Drawn(Piece({}, 1000, 1000, "P"), {}, kAll, 0.01)[0], "Pen 0000FF");

  TRecordingCanvas printer;
  printer.SetPenColor(0x123456);
  printer.Calls.clear();
  PrintOnCanvas(offcut, {}, printer, kAll, 0.01);
  EXPECT_EQ(printer.PenColor(), 0x123456u);
  EXPECT_EQ(printer.Calls, RectangleOutline(0, 0, 10, 10));
}

TEST_F(PieceDrawingTest, DiscIsOneWholeEllipseWithoutPositionOrSize) {
  const T2DStock disc = Piece({}, 100000, 60000, "D", kShapeDisc);
  const Calls expected{"Text 47 25 D", "Arc 0 0 100 60 100 30 100 30"};
  EXPECT_EQ(Printed(disc, {}, kAll, 0.001), expected);
}

TEST_F(PieceDrawingTest, UnknownShapesAndProfilesDrawNothing) {
  EXPECT_TRUE(Drawn(Piece({}, 1000, 1000, "X", 3), {}, kAll, 1.0).empty());
  EXPECT_TRUE(Drawn(Piece({}, 1000, 1000, "NOT LISTED", kShapeProfile), {}, kAll, 1.0).empty());
}

// A half disc standing on its diameter: the arc runs clockwise from the left end over the
// top to the right end. Three records (two vertices and the loop end).
TExtPolyline HalfDisc() {
  TExtPolyline outline;
  outline.AddSegment({0, 10000}, false, false, false, false, {});
  outline.AddSegment({20000, 10000}, true, false, false, true, {10000, 10000});
  outline.AddSegment({}, false, true, false, false, {});
  outline.SetExtentX(20000);
  outline.SetExtentY(10000);
  return outline;
}

TEST_F(PieceDrawingTest, ProfilePieceDrawsItsOrientedOutline) {
  TTrapezium shape;
  shape.Name = "HALF";
  shape.Outlines[1][2] = HalfDisc();
  ProfileShapes().AddOrReplace(shape);
  T2DStock piece = Piece({100000, 200000}, 20000, 10000, "HALF", kShapeProfile);
  piece.SetOrientation(2);

  // Sizes are chords: 20, not the arc's 31.4. With three records the label centres on
  // (ExtentX / 3, ExtentY / 3) = (6666, 3333), drawn at (107, 203).
  const Calls expected{"Pen 0000FF",
                       "Text 100 210 (100,210)",
                       "Text 110 210 20",
                       "Text 120 210 (120,210)",
                       "Text 110 210 20",
                       "Text 95 198 HALF",
                       "Arc 100 200 120 220 120 210 100 210",
                       "MoveTo 120 210",
                       "LineTo 100 210"};
  EXPECT_EQ(Drawn(piece, {}, kAll, 0.001), expected);
}

// A quarter disc around (0, 0) with one extra vertex on its top edge; the arc runs
// counter-clockwise from the bottom end to the right end. Five records.
TExtPolyline QuarterDisc() {
  TExtPolyline outline;
  outline.AddSegment({0, 0}, false, false, false, false, {});
  outline.AddSegment({0, 10000}, false, false, false, false, {});
  outline.AddSegment({10000, 0}, true, false, false, false, {0, 0});
  outline.AddSegment({5000, 0}, false, false, false, false, {});
  outline.AddSegment({}, false, true, false, false, {});
  outline.SetExtentX(10000);
  outline.SetExtentY(10000);
  return outline;
}

TEST_F(PieceDrawingTest, OutlineOfManyRecordsCentresItsLabelOnTheVertexSums) {
  const TDrawSwitches labelsAndSizes{true, false, true};
  // Label centre (15000 / 5, 10000 / 5) = (3000, 2000); the arc's chord 14142.1 rounds to
  // 14142.
  const Calls expected{
      "Text 0 50 10", "Text 50 50 14.142", "Text 75 0 5",  "Text 25 0 5",
      "Text 27 15 Q", "MoveTo 0 0",        "LineTo 0 100", "Arc -100 -100 100 100 0 100 100 0",
      "MoveTo 100 0", "LineTo 50 0",       "MoveTo 50 0",  "LineTo 0 0"};
  TRecordingCanvas screen;
  DrawOutline(QuarterDisc(), {}, {}, kPartColor, labelsAndSizes, "Q", 0.01, screen);
  EXPECT_EQ(screen.Calls, Joined({"Pen 0000FF"}, expected));

  TRecordingCanvas printer;
  PrintOutline(QuarterDisc(), {}, {}, labelsAndSizes, "Q", 0.01, printer);
  EXPECT_EQ(printer.Calls, expected);
}

}  // namespace
}  // namespace vexlin
