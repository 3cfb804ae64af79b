#include "output/layout_printing.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cstdio>
#include <string>
#include <vector>

#include "model/packet.h"
#include "model/run_options.h"
#include "model/text_table.h"
#include "optimizer/schemes.h"
#include "support/recording_canvas.h"

namespace vexlin {
namespace {

using Calls = std::vector<std::string>;

constexpr int32_t kBlade = 3000;
constexpr TDrawSwitches kLabels{true, false, false};

TDateTimeText FixedMoment() {
  return {"2026-12-08", "14:05:09"};
}

T2DStock Piece(const char* label, TPoint origin, int32_t length, int32_t width) {
  T2DStock piece;
  piece.SetLabel(label).SetOrigin(origin).SetLength(length).SetWidth(width).SetCount(1);
  return piece;
}

std::string At(const char* call, int32_t x, int32_t y) {
  return std::string(call) + " " + std::to_string(x) + " " + std::to_string(y);
}

std::string Text(int32_t x, int32_t y, const std::string& text) {
  return At("Text", x, y) + " " + text;
}

std::string Box(int32_t left, int32_t top, int32_t right, int32_t bottom) {
  return At("Rectangle", left, top) + " " + std::to_string(right) + " " + std::to_string(bottom);
}

// Sizes as held during a run (one blade width of 3 added): a 977 x 477 usable area, a
// trim of 10 all round, so the whole sheet is 997 x 497. A page 1168 pixels wide leaves
// 1000 pixels of room, one pixel per unit.
class LayoutPrintingTest : public ::testing::Test {
 protected:
  void SetUp() override {
    BladeWidth = kBlade;
    layout_.SetLabel("Birch").SetLength(980000).SetWidth(480000).SetCount(1);
    layout_.Pieces.AddCopy(Piece("Door", {0, 0}, 603000, 403000));
    layout_.Pieces.AddCopy(Piece("OFFCUT_1", {603000, 0}, 374000, 477000));
    layout_.Pieces.AddCopy(Piece("ZEROOFFCUT_1", {0, 403000}, 603000, 3000));
    settings_.UnitText = "mm";
    settings_.BladeWidth = kBlade;
    settings_.LengthEdge = 10000;
    settings_.WidthEdge = 10000;
  }

  void TearDown() override {
    BladeWidth = 0;
    Texts().ResetToDefaults();
  }

  Calls Scheme(const TPrintPage& page) const {
    TRecordingCanvas canvas;
    PrintScheme(layout_, 0, settings_, kLabels, page, canvas, FixedMoment);
    return canvas.Calls;
  }

  size_t ReportLineCount() const {
    return FormatOneLayoutReport(layout_, 0, settings_, FixedMoment).size();
  }

  // The top of the sheet on a page in a 12 pixel font: margin 84 below the report's last
  // line, the lines 16 apart from 12.
  int32_t SheetTop() const { return 84 + 12 + 16 * static_cast<int32_t>(ReportLineCount()); }

  // What follows the layout's report lines.
  Calls Drawing(const TPrintPage& page) const {
    const Calls calls = Scheme(page);
    return Calls(calls.begin() + static_cast<std::ptrdiff_t>(ReportLineCount()), calls.end());
  }

  TPacket layout_;
  TReportSettings settings_;
};

TEST(PrinterFontSize, ATextThatIsNoIntegerFallsBackTo12WordedForItsPage) {
  EXPECT_EQ(CheckPrinterFontSize("abc", TPrintedPage::Report).Message, "Printer Font Size 'abc'.");
  EXPECT_EQ(CheckPrinterFontSize("abc", TPrintedPage::Layout).Message, "Printer Font Size 'abc'");
  for (const char* typed : {"abc", "", "12.5", "+-9", "2147483648", "1 2"}) {
    const TPrinterFont font = CheckPrinterFontSize(typed, TPrintedPage::Report);
    EXPECT_EQ(font.Height, 12) << typed;
    EXPECT_FALSE(font.Message.empty()) << typed;
  }
}

TEST(PrinterFontSize, ASizeBelow8FallsBackTo12) {
  for (const char* typed : {"6", "7", "0", "-20"}) {
    const TPrinterFont font = CheckPrinterFontSize(typed, TPrintedPage::Layout);
    EXPECT_EQ(font.Height, 12);
    EXPECT_EQ(font.Message, "Printer Font Size '" + std::string(typed) + "' <8.");
  }
}

TEST(PrinterFontSize, AnIntegerOf8OrMoreIsTakenAsTyped) {
  EXPECT_EQ(CheckPrinterFontSize("8", TPrintedPage::Report).Height, 8);
  EXPECT_EQ(CheckPrinterFontSize(" +40 ", TPrintedPage::Report).Height, 40);
  EXPECT_TRUE(CheckPrinterFontSize("40", TPrintedPage::Layout).Message.empty());
}

TEST(PrinterFontSize, TheMessageNamesTheLabelAsCaptioned) {
  Texts().SetText("Printer Font Size Caption", "Schrift");
  EXPECT_EQ(CheckPrinterFontSize("x", TPrintedPage::Report).Message, "Schrift 'x'.");
  Texts().ResetToDefaults();
}

// A 13 pixel font: margin 91, line step 17; the caption's x is (1000 - 182) div 4 + 91 + 10.
TEST(PrintReport, CompanyLineCaptionAndLinesStandWhereTheFontPutsThem) {
  TRecordingCanvas canvas;
  PrintReport({"first", "second"}, {1000, 2000, 13}, canvas, FixedMoment);
  const Calls expected{Text(91, 13, "Vexlin cutting optimizer    2026-12-08  14:05:09"),
                       Text(305, 47, "Report"), Text(91, 81, "first"), Text(91, 98, "second")};
  EXPECT_EQ(canvas.Calls, expected);
}

TEST(PrintReport, LinesBelowThePageAreLeftOut) {
  TRecordingCanvas canvas;
  PrintReport({"a", "b", "c", "d"}, {1000, 100, 12}, canvas, FixedMoment);
  ASSERT_EQ(canvas.Calls.size(), 4u);
  EXPECT_EQ(canvas.Calls[3], Text(84, 92, "b"));
}

TEST_F(LayoutPrintingTest, TheReportLinesComeFirstOneStepApart) {
  const Calls calls = Scheme({1168, 2000, 12});
  EXPECT_EQ(calls[0], Text(84, 28, " "));
  EXPECT_EQ(calls[1], Text(84, 44, "------------ Layout 1 ------------"));
}

TEST_F(LayoutPrintingTest, SheetUsableAreaAndMarksOfBothTrims) {
  const int32_t t = SheetTop();
  const Calls drawing = Drawing({1168, 2000, 12});
  const Calls expected{Box(84, t, 1081, t + 497),   Box(94, t + 10, 1072, t + 488),
                       At("MoveTo", 84, t - 20),    At("LineTo", 84, t - 50),
                       At("MoveTo", 94, t - 20),    At("LineTo", 94, t - 50),
                       At("MoveTo", 1072, t - 20),  At("LineTo", 1072, t - 50),
                       Text(87, t - 53, "10"),      Text(583, t - 53, "977"),
                       At("MoveTo", 64, t),         At("LineTo", 34, t),
                       At("MoveTo", 64, t + 10),    At("LineTo", 34, t + 10),
                       At("MoveTo", 64, t + 488),   At("LineTo", 34, t + 488),
                       Text(31, t + 3, "10"),       Text(31, t + 249, "477"),
                       At("MoveTo", 84, t + 517),   At("LineTo", 84, t + 547),
                       At("MoveTo", 1081, t + 517), At("LineTo", 1081, t + 547),
                       Text(582, t + 500, "997"),   At("MoveTo", 1101, t),
                       At("LineTo", 1131, t),       At("MoveTo", 1101, t + 497),
                       At("LineTo", 1131, t + 497), Text(1084, t + 248, "497")};
  ASSERT_GE(drawing.size(), expected.size());
  EXPECT_EQ(Calls(drawing.begin(), drawing.begin() + static_cast<std::ptrdiff_t>(expected.size())),
            expected);
}

TEST_F(LayoutPrintingTest, WithBothTrims0OnlyTheBottomAndRightMarksAreDrawn) {
  settings_.LengthEdge = 0;
  settings_.WidthEdge = 0;
  layout_.Pieces.ClearAll();
  const int32_t t = SheetTop();
  // 1148 pixels wide leaves 980 of room for the 980 units of the stored length.
  const Calls expected{
      Box(84, t, 1061, t + 477),   Box(84, t, 1062, t + 478),   At("MoveTo", 84, t + 497),
      At("LineTo", 84, t + 527),   At("MoveTo", 1061, t + 497), At("LineTo", 1061, t + 527),
      Text(572, t + 480, "977"),   At("MoveTo", 1081, t),       At("LineTo", 1111, t),
      At("MoveTo", 1081, t + 477), At("LineTo", 1111, t + 477), Text(1064, t + 238, "477")};
  EXPECT_EQ(Drawing({1148, 2000, 12}), expected);
}

TEST_F(LayoutPrintingTest, WithoutABladeOnlyTheUsableAreaIsOutlined) {
  settings_.BladeWidth = 0;
  const int32_t t = SheetTop();
  const Calls drawing = Drawing({1168, 2000, 12});
  EXPECT_EQ(drawing[0], Box(94, t + 10, 1072, t + 488));
  EXPECT_EQ(drawing[1], At("MoveTo", 84, t - 20));
}

TEST_F(LayoutPrintingTest, PiecesAreDrawnFromTheUsableCornerSliversNeverOffcutsWhenShown) {
  const int32_t t = SheetTop();
  TRecordingCanvas door;
  PrintOnCanvas(layout_.Pieces[0], {94, t + 10}, door, kLabels, 0.001);
  const Calls hidden = Drawing({1168, 2000, 12});
  EXPECT_TRUE(std::equal(door.Calls.rbegin(), door.Calls.rend(), hidden.rbegin()));

  settings_.ShowOffcuts = true;
  const Calls shown = Drawing({1168, 2000, 12});
  const auto labelled = [](const Calls& calls, const std::string& label) {
    return std::any_of(calls.begin(), calls.end(), [&](const std::string& call) {
      return call.starts_with("Text") && call.ends_with(" " + label);
    });
  };
  EXPECT_FALSE(labelled(hidden, "OFFCUT_1"));
  EXPECT_TRUE(labelled(shown, "OFFCUT_1"));
  EXPECT_FALSE(labelled(shown, "ZEROOFFCUT_1"));
}

// 900 pixels high leaves less room below the report than the page's width does, so every
// further report line lowers the sheet and shrinks it.
TEST_F(LayoutPrintingTest, ALongerReportPushesTheDrawingDownAndMakesItSmaller) {
  const Calls shortReport = Drawing({1168, 900, 12});
  for (int i = 0; i < 10; ++i) layout_.TypeCounts.AddCopy(Piece("Shelf", {}, 203000, 53000));
  const Calls longReport = Drawing({1168, 900, 12});
  int32_t shortLeft, shortTop, shortRight, shortBottom, longLeft, longTop, longRight, longBottom;
  ASSERT_EQ(std::sscanf(shortReport[0].c_str(), "Rectangle %d %d %d %d", &shortLeft, &shortTop,
                        &shortRight, &shortBottom),
            4);
  ASSERT_EQ(std::sscanf(longReport[0].c_str(), "Rectangle %d %d %d %d", &longLeft, &longTop,
                        &longRight, &longBottom),
            4);
  EXPECT_EQ(longTop, shortTop + 10 * 16);
  EXPECT_LT(longRight - longLeft, shortRight - shortLeft);
  EXPECT_LT(longBottom - longTop, shortBottom - shortTop);
}

TEST_F(LayoutPrintingTest, APageWithoutRoomBelowTheReportHoldsTheReportOnly) {
  EXPECT_EQ(Scheme({1168, 300, 12}).size(), ReportLineCount());
  EXPECT_EQ(Scheme({160, 2000, 12}).size(), ReportLineCount());
}

TEST_F(LayoutPrintingTest, AllPagesAreTheReportThenEachLayoutOnAPageOfItsOwn) {
  TSchemes result;
  result.Items = {layout_, layout_, layout_};
  TRecordingCanvas canvas;
  PrintAllPages(
      result, {"run"}, settings_, kLabels, {1168, 2000, 12}, canvas,
      [&canvas] { canvas.Calls.push_back("NewPage"); }, FixedMoment);
  const Calls& calls = canvas.Calls;
  EXPECT_EQ(calls[2], Text(84, 76, "run"));
  std::vector<size_t> pageStarts;
  for (size_t i = 0; i < calls.size(); ++i) {
    if (calls[i] == "NewPage") pageStarts.push_back(i);
  }
  ASSERT_EQ(pageStarts, (std::vector<size_t>{3, 3 + Scheme({1168, 2000, 12}).size() + 1,
                                             3 + 2 * (Scheme({1168, 2000, 12}).size() + 1)}));
  for (size_t page = 0; page < pageStarts.size(); ++page) {
    EXPECT_EQ(calls[pageStarts[page] + 2],
              Text(84, 44, "------------ Layout " + std::to_string(page + 1) + " ------------"));
  }
}

}  // namespace
}  // namespace vexlin
