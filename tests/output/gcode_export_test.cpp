#include "output/gcode_export.h"

#include <gtest/gtest.h>

#include <locale>
#include <stdexcept>
#include <string>
#include <vector>

#include "input/option_values.h"
#include "model/ext_polyline.h"
#include "model/packet.h"
#include "model/trapezium_list.h"
#include "optimizer/schemes.h"
#include "support/export_fixtures.h"
#include "support/temp_folder.h"

namespace vexlin {
namespace {

using Lines = std::vector<std::string>;

Lines SplitCrLf(const std::string& text) {
  Lines lines;
  size_t start = 0;
  for (size_t end = text.find("\r\n"); end != std::string::npos; end = text.find("\r\n", start)) {
    lines.push_back(text.substr(start, end - start));
    start = end + 2;
  }
  EXPECT_EQ(start, text.size()) << "text after the last line end";
  return lines;
}

TReportSettings Settings(int32_t blade, int32_t edge) {
  TReportSettings settings;
  settings.BladeWidth = blade;
  settings.LengthEdge = edge;
  settings.WidthEdge = edge;
  return settings;
}

TEST(GCodeExportTest, SheetPathRunsAroundTheUsableArea) {
  TempFolder folder;
  const TExportedFile file =
      ExportGCode(folder.PathOf("job"), OneSheet("Sheet A", 4000), 0, Settings(4000, 10000), {});
  ASSERT_EQ(file.Error, "");
  EXPECT_EQ(file.FileName, folder.PathOf("job_1.gnc"));
  EXPECT_EQ(SplitCrLf(folder.Read("job_1.gnc")),
            (Lines{"!Sheet A", "G0 X8Y8", "G1 Z -0.02", "G1 X2432Y8", "G1 X2432Y1212", "G1 X8Y1212",
                   "G1 X8Y8", "G0 Z 0.02"}));
}

TEST(GCodeExportTest, HalfBladeIsRoundedTowardZeroAndHeightsAreCopied) {
  TempFolder folder;
  // A blade of 0.003: half of it is 0.001.
  TSchemes result = OneSheet("Sheet A", 3);
  result[0].Pieces.AddCopy(Piece("P", 0, 0, 600003, 400003, kShapeRectangle));
  TOptionSettings options;
  options.DrillDepth = "-1,5";
  options.SafetyHeight = "abc";
  ASSERT_EQ(ExportGCode(folder.PathOf("job.gnc"), result, 0, Settings(3, 0), options).Error, "");
  const Lines lines = SplitCrLf(folder.Read("job_1.gnc"));
  EXPECT_EQ(Lines(lines.begin(), lines.begin() + 3),
            (Lines{"!Sheet A", "G0 X-0.001Y-0.001", "G1 Z -1,5"}));
  EXPECT_EQ(Lines(lines.begin() + 8, lines.end()),
            (Lines{"!P", "G0 X-0.001Y-0.001", "G1 Z -1,5", "G1 X600.001Y-0.001",
                   "G1 X600.001Y400.001", "G1 X-0.001Y400.001", "G1 X-0.001Y-0.001", "G0 Z abc"}));
}

TEST(GCodeExportTest, SquareDiscIsOneCircle) {
  TGCodeLines lines;
  WriteGCode(Piece("D", 200000, 300000, 100000, 100000, kShapeDisc), 0, TPoint{}, lines, "-0.02",
             "0.02");
  EXPECT_EQ(lines, (Lines{"!D", "G0 X300Y350", "G1 Z -0.02", "G3 X300Y350I-50J0", "G0 Z 0.02"}));
}

TEST(GCodeExportTest, OvalDiscIsWalkedAsTheDrawingWalksIt) {
  TGCodeLines lines;
  WriteGCode(Piece("E", 0, 0, 300000, 200000, kShapeDisc), 0, TPoint{}, lines, "-0.02", "0.02");
  ASSERT_GT(lines.size(), 200u);
  EXPECT_EQ(lines[0], "!E");
  EXPECT_EQ(lines[1], "G0 X0.00000Y100.00000");
  EXPECT_EQ(lines[2], "G1 Z -0.02");
  EXPECT_EQ(lines[3], "G1 X0.00000Y100.00000");
  EXPECT_EQ(lines[4], "G1 X0.04688Y102.49980");
  EXPECT_EQ(lines[lines.size() - 2], "G1 X0.00000Y100.00000");
  EXPECT_EQ(lines.back(), "G0 Z 0.02");
  // Upper half out, lower half back: the turn repeats the far point on the other curve.
  const size_t half = (lines.size() - 4) / 2;
  const std::string farUpper = lines[3 + half - 1];
  const std::string farLower = lines[3 + half];
  EXPECT_EQ(farUpper.substr(0, farUpper.find('Y')), farLower.substr(0, farLower.find('Y')));
}

TEST(GCodeExportTest, ProfileOutlineLinesAndArcs) {
  TExtPolyline outline;
  outline.AddSegment({0, 0}, false, false, false, false, {});
  outline.AddSegment({100000, 0}, false, false, false, false, {});
  outline.AddSegment({0, 100000}, true, false, false, true, {0, 0});
  outline.AddSegment({0, 0}, false, true, false, false, {});
  outline.AddSegment({5000, 5000}, true, false, false, false, {2500, 5000});
  outline.AddSegment({0, 0}, false, true, false, false, {});
  TTrapezium shape;
  shape.Name = "QuarterForGCode";
  shape.Outlines[2][1] = outline;
  ProfileShapes().AddOrReplace(shape);
  T2DStock piece = Piece("QuarterForGCode", 20000, 30000, 100000, 100000, kShapeProfile);
  piece.SetOrientation(1);
  TGCodeLines lines;
  WriteGCode(piece, 4000, TPoint{10000, 10000}, lines, "-0.02", "0.02");
  ProfileShapes().DeleteByName("QuarterForGCode");
  EXPECT_EQ(lines, (Lines{"!QuarterForGCode", "G0 X30Y40", "G1 Z -0.02", "G1 X130Y40",
                          "G3 X30Y140I-100.000J0.000", "G1 X30Y40", "G0 Z 0.02", "G0 X35Y45",
                          "G1 Z -0.02", "G2 X35Y45I-2.500J0.000", "G0 Z 0.02"}));

  TGCodeLines missing;
  WriteGCode(piece, 0, TPoint{}, missing, "-0.02", "0.02");
  EXPECT_TRUE(missing.empty());
}

TEST(GCodeExportTest, OffcutsOnlyWhenShownAndSliversNever) {
  TSchemes result = OneSheet("Sheet A", 0);
  result[0].Pieces.AddCopy(Piece("OFFCUT_1", 0, 0, 100000, 100000, kShapeRectangle));
  result[0].Pieces.AddCopy(Piece("ZEROOFFCUT_1", 0, 100000, 1000, 100000, kShapeRectangle));
  TempFolder folder;
  TReportSettings settings = Settings(0, 0);
  for (bool show : {false, true}) {
    settings.ShowOffcuts = show;
    ASSERT_EQ(ExportGCode(folder.PathOf("job"), result, 0, settings, {}).Error, "");
    EXPECT_EQ(SplitCrLf(folder.Read("job_1.gnc")).size(), show ? 16u : 8u);
  }
}

TEST(GCodeExportTest, OneFilePerLayoutAndWriteFailures) {
  TempFolder folder;
  TSchemes result = OneSheet("Sheet A", 0);
  result.Items.push_back(result[0]);
  EXPECT_EQ(ExportAllGCode(folder.PathOf("job"), result, Settings(0, 0), {}), "");
  EXPECT_FALSE(folder.Read("job_1.gnc").empty());
  EXPECT_FALSE(folder.Read("job_2.gnc").empty());
  EXPECT_EQ(ExportAllGCode(folder.PathOf("job"), TSchemes{}, Settings(0, 0), {}),
            "Layout is empty, please optimize first.");
  const std::string error =
      ExportAllGCode(folder.PathOf("missing/job"), result, Settings(0, 0), {});
  EXPECT_NE(error.find("missing/job_1.gnc"), std::string::npos) << error;
}

TEST(GCodeExportTest, DecimalCommaLocaleStillWritesPoints) {
  std::locale german;
  try {
    german = std::locale("de_DE.UTF-8");
  } catch (const std::runtime_error&) {
    GTEST_SKIP() << "no de_DE.UTF-8 locale on this machine";
  }
  const std::locale previous = std::locale::global(german);
  TGCodeLines lines;
  WriteGCode(Piece("E", 0, 0, 300000, 200000, kShapeDisc), 0, TPoint{}, lines, "-0.02", "0.02");
  std::locale::global(previous);
  EXPECT_EQ(lines[4], "G1 X0.04688Y102.49980");
}

}  // namespace
}  // namespace vexlin
