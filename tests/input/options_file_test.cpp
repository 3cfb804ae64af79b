#include "input/options_file.h"

#include <gtest/gtest.h>

#include "input/option_values.h"
#include "model/ini_file.h"
#include "model/run_options.h"
#include "support/temp_folder.h"

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
      "DRILL_DEPTH", "SAFETY_HEIGTH",   "DEEP_OPTIMIZE", "DEEP_SECONDS"};
  EXPECT_EQ(ini.ReadSectionKeys("OPTION"), keys);
}

// Files from before the deep search read with it off and its default time limit; a file's
// settings come back as written; a run accepts only whole seconds from 1 to 3600, checked
// after the lengths and reported with their own message and box.
TEST_F(OptionsFile, DeepSearchSettingsRoundTripAndOnlyWholeSecondsInRangeRun) {
  const std::string old = folder_.Write("old.opt", "[OPTION]\nFAST_OPTIMIZE=T\nBLADE_WIDTH=3\n");
  TOptionValues values;
  ASSERT_FALSE(ReadOptionValues(ReadOptionsFile(old), values).has_value());
  EXPECT_FALSE(values.DeepOptimize);
  EXPECT_EQ(values.DeepSeconds, 10);

  const std::string path =
      folder_.Write("deep.opt", "[OPTION]\nDEEP_OPTIMIZE=T\nDEEP_SECONDS=3600\n");
  TOptionSettings settings = ReadOptionsFile(path);
  EXPECT_TRUE(settings.DeepOptimize);
  ASSERT_FALSE(ReadOptionValues(settings, values).has_value());
  EXPECT_TRUE(values.DeepOptimize);
  EXPECT_EQ(values.DeepSeconds, 3600);
  settings.DeepSeconds = "1";
  ASSERT_EQ(WriteOptionsFile(path, settings), "");
  EXPECT_EQ(ReadOptionsFile(path), settings);
  settings.DeepSeconds = " 60 ";
  ASSERT_FALSE(ReadOptionValues(settings, values).has_value());
  EXPECT_EQ(values.DeepSeconds, 60);
  settings.DeepOptimize = false;
  ASSERT_EQ(WriteOptionsFile(path, settings), "");
  EXPECT_EQ(TIniFile(path).ReadString("OPTION", "DEEP_OPTIMIZE", ""), "F");
  EXPECT_FALSE(ReadOptionsFile(path).DeepOptimize);

  for (const char* bad : {"0", "3601", "2.5", "ten", "", "-5", "99999999999"}) {
    settings.DeepSeconds = bad;
    const std::optional<TOptionFault> fault = ReadOptionValues(settings, values);
    ASSERT_TRUE(fault.has_value()) << bad;
    EXPECT_EQ(fault->Field, TOptionField::DeepSeconds) << bad;
    EXPECT_EQ(fault->Message,
              "define deep seconds format error in configure tab (a whole number from 1 to "
              "3600)");
  }
  settings.BladeWidth = "x";
  EXPECT_EQ(ReadOptionValues(settings, values)->Field, TOptionField::BladeWidth);
}

}  // namespace
}  // namespace vexlin
