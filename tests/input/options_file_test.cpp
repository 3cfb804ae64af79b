#include "input/options_file.h"

#include <gtest/gtest.h>

#include "support/temp_folder.h"
#include "model/ini_file.h"
#include "model/run_options.h"

namespace vexlin {
namespace {

class OptionsFile : public ::testing::Test {
 protected:
  void TearDown() override { UnitText = "inch"; }
  TempFolder folder_;
};

TEST_F(OptionsFile, MissingFileGivesTheDefaultsAndTheCurrentUnit) {
  const TOptionSettings read = ReadOptionsFile(folder_.PathOf("default.opt"));
  EXPECT_EQ(read, TOptionSettings());
  EXPECT_EQ(read.Measure, "inch");
  EXPECT_EQ(read.SheetColor, 32768);
  EXPECT_EQ(read.DrillDepth, "-0.02");
  UnitText = "mm";
  EXPECT_EQ(ReadOptionsFile(folder_.PathOf("default.opt")).Measure, "mm");
}

TEST_F(OptionsFile, OnlyAnUpperCaseTSetsAFlag) {
  const std::string path =
      folder_.Write("flags.opt", "[option]\nfast_optimize=t\nCOST_OPTIMIZE=1\nGUILLOTINE= T \n");
  const TOptionSettings read = ReadOptionsFile(path);
  EXPECT_FALSE(read.FastOptimize);
  EXPECT_FALSE(read.CostOptimize);
  EXPECT_TRUE(read.Guillotine);
  const std::string empty = folder_.Write("empty.opt", "[OPTION]\nFAST_OPTIMIZE=\n");
  EXPECT_FALSE(ReadOptionsFile(empty).FastOptimize);
}

TEST_F(OptionsFile, ColoursFallBackToTheirDefaultsWhenNotNumbers) {
  const std::string path = folder_.Write(
      "colours.opt", "[OPTION]\nSHEET_COLOR=255\nPART_COLOR=\nEDGE_COLOR=grey\nOFFCUT_COLOR=1.5\n");
  const TOptionSettings read = ReadOptionsFile(path);
  EXPECT_EQ(read.SheetColor, 255);
  EXPECT_EQ(read.PartColor, 16776960);
  EXPECT_EQ(read.EdgeColor, 8421504);
  EXPECT_EQ(read.OffcutColor, 65280);
}

TEST_F(OptionsFile, BenchOptionsReadWithTheCrossedEdgeKeys) {
  const TOptionSettings read = ReadOptionsFile(VEXLIN_TEST_DATA_DIR "/wardrobe_trim.opt");
  EXPECT_EQ(read.BladeWidth, "4");
  EXPECT_FALSE(read.FastOptimize);
  EXPECT_FALSE(read.CostOptimize);
  EXPECT_FALSE(read.Guillotine);
  EXPECT_EQ(read.Measure, "mm");
  EXPECT_EQ(read.WidthEdge, "10");   // key LENGTH_EDGE
  EXPECT_EQ(read.LengthEdge, "15");  // key WIDTH_EDGE
}

TEST_F(OptionsFile, WritingOverwritesTheKeysAndKeepsTheRestOfTheFile) {
  const std::string path =
      folder_.Write("default.opt", "[OTHER]\nA=1\n[OPTION]\nBLADE_WIDTH=9\nEXTRA=x\n");
  TOptionSettings settings;
  settings.BladeWidth = "letters";
  settings.CostOptimize = false;
  settings.LengthEdge = "12";
  settings.WidthEdge = "7";
  settings.Measure = "mm";
  settings.OffcutColor = 255;
  ASSERT_EQ(WriteOptionsFile(path, settings), "");

  EXPECT_EQ(ReadOptionsFile(path), settings);
  const TIniFile ini(path);
  EXPECT_EQ(ini.ReadString("OTHER", "A", ""), "1");
  EXPECT_EQ(ini.ReadString("OPTION", "EXTRA", ""), "x");
  EXPECT_EQ(ini.ReadString("OPTION", "COST_OPTIMIZE", ""), "F");
  EXPECT_EQ(ini.ReadString("OPTION", "FAST_OPTIMIZE", ""), "T");
  EXPECT_EQ(ini.ReadString("OPTION", "WIDTH_EDGE", ""), "12");
  EXPECT_EQ(ini.ReadString("OPTION", "LENGTH_EDGE", ""), "7");
  const std::vector<std::string> keys = {
      "BLADE_WIDTH", "EXTRA",           "FAST_OPTIMIZE", "COST_OPTIMIZE", "GUILLOTINE",
      "MEASURE",     "PRINTERFONTSIZE", "LENGTH_EDGE",   "WIDTH_EDGE",    "SCRAP_LEN1",
      "SCRAP_LEN2",  "SHEET_COLOR",     "PART_COLOR",    "EDGE_COLOR",    "OFFCUT_COLOR",
      "DRILL_DEPTH", "SAFETY_HEIGTH"};
  EXPECT_EQ(ini.ReadSectionKeys("OPTION"), keys);
}

}  // namespace
}  // namespace vexlin
