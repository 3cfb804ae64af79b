#include "output/layouts_file.h"

#include <gtest/gtest.h>

#include <string>

#include "model/ini_file.h"
#include "model/pub_func.h"
#include "model/run_options.h"
#include "model/text_table.h"
#include "optimizer/search_test_jobs.h"
#include "optimizer/vexlin.h"
#include "support/temp_folder.h"

namespace vexlin {
namespace {

using testjobs::kMm;

std::string Describe(const T2DStock& r) {
  return r.Label + " #" + std::to_string(r.Index) + " " + std::to_string(r.Length) + "x" +
         std::to_string(r.Width) + " @" + std::to_string(r.Origin.X) + "," +
         std::to_string(r.Origin.Y) + " n" + std::to_string(r.Count) + " $" +
         std::to_string(r.Cost) + " s" + std::to_string(r.Shape) + " o" +
         std::to_string(r.Orientation) + (r.Rotatable ? " R" : " N");
}

std::string Describe(const TPanels& list) {
  std::string text;
  for (const T2DStock& record : list) text += Describe(record) + "\n";
  return text;
}

std::string Describe(const TSchemes& layouts) {
  std::string text;
  for (const TPacket& layout : layouts.Items) {
    text += "sheet " + Describe(layout) + "\ncounts\n" + Describe(layout.TypeCounts) + "pieces\n" +
            Describe(layout.Pieces);
  }
  return text;
}

class LayoutsFile : public ::testing::Test {
 protected:
  void SetUp() override {
    BladeWidth = 3500;
    const testjobs::TJob job{
        {{"BOARD", 2440 * kMm, 1220 * kMm, 4, 25 * kMm}, {"HALF", 1220 * kMm, 1220 * kMm, 2, 0}},
        {{"SIDE", 720 * kMm, 560 * kMm, 6, false},
         {"SHELF", 600 * kMm, 400 * kMm, 5},
         {"RAIL", 764 * kMm, 100 * kMm, 3}}};
    ASSERT_EQ(testjobs::RunJob(saved_, job), "");
    ASSERT_FALSE(saved_.BestResult.Empty());
  }
  void TearDown() override {
    BladeWidth = 0;
    UnitText = "inch";
  }

  // Loads the file into an engine that holds an unrelated result.
  TLayoutsLoad LoadFresh(const std::string& path) {
    EXPECT_EQ(loaded_.AddSheet("OLD", 1000 * kMm, 500 * kMm, 1, 1), "");
    return LoadLayoutsFile(path, loaded_);
  }

  const TLayoutSettings settings_{3500, "mm", 10 * kMm, 5 * kMm};
  TempFolder folder_;
  TVexlin saved_;
  TVexlin loaded_;
};

TEST_F(LayoutsFile, SavedResultLoadsBackWithItsListsAndSettings) {
  const std::string path = folder_.PathOf("job.lyt");
  ASSERT_EQ(SaveLayoutsFile(path, saved_, settings_), "");
  BladeWidth = 0;
  UnitText = "inch";

  const TLayoutsLoad load = LoadFresh(path);
  EXPECT_EQ(load.Error, "");
  EXPECT_EQ(load.Settings, settings_);
  EXPECT_EQ(BladeWidth, 3500);
  EXPECT_EQ(UnitText, "mm");
  EXPECT_EQ(Describe(loaded_.BestResult), Describe(saved_.BestResult));
  EXPECT_EQ(Describe(loaded_.Parts), Describe(saved_.Parts));
  EXPECT_EQ(Describe(loaded_.Sheets), Describe(saved_.Sheets));
  // The sheets left are not stored but counted again, so a report of the loaded result
  // shows the sheets used and left.
  saved_.CountSheetsLeft();
  EXPECT_EQ(Describe(loaded_.SheetsLeft), Describe(saved_.SheetsLeft));
  EXPECT_FALSE(loaded_.SheetsLeft.Empty());
  EXPECT_TRUE(loaded_.AllSchemes.Empty());
}

TEST_F(LayoutsFile, SettingsAreDecimalTextsAndRecordsScaledIntegers) {
  const std::string path = folder_.PathOf("job.lyt");
  ASSERT_EQ(SaveLayoutsFile(path, saved_, settings_), "");
  const TIniFile ini(path);
  EXPECT_EQ(ini.ReadSections().front(), "OPTION");
  EXPECT_EQ(ini.ReadString("OPTION", "BLADE_WIDTH", ""), "3.5");
  EXPECT_EQ(ini.ReadString("OPTION", "MEASURE", ""), "mm");
  // The length edge is kept under "WIDTH_EDGE", as in the options file.
  EXPECT_EQ(ini.ReadString("OPTION", "WIDTH_EDGE", ""), "10");
  EXPECT_EQ(ini.ReadString("OPTION", "LENGTH_EDGE", ""), "5");
  EXPECT_EQ(ini.ReadInteger("LYTSC", "CN", -1), static_cast<int32_t>(saved_.BestResult.Size()));
  EXPECT_EQ(ini.ReadInteger("LYTPPNS", "CN", -1), 3);
  EXPECT_EQ(ini.ReadInteger("LYTSPNS", "CN", -1), 2);
  EXPECT_FALSE(ini.SectionExists("OTSC"));
}

TEST_F(LayoutsFile, RunFlagsTravelWithTheResultWhenGiven) {
  const std::string path = folder_.PathOf("job.lyt");
  ASSERT_EQ(SaveLayoutsFile(path, saved_, settings_, TLayoutFlags{true, false, std::nullopt}), "");
  EXPECT_EQ(TIniFile(path).ReadString("OPTION", "GUILLOTINE", ""), "T");
  TLayoutsLoad load = LoadFresh(path);
  EXPECT_EQ(load.Flags.Guillotine, true);
  EXPECT_EQ(load.Flags.CostOptimize, false);
  EXPECT_EQ(load.Flags.FastOptimize, std::nullopt);  // not saved: the caller's own applies
  ASSERT_EQ(SaveLayoutsFile(path, saved_, settings_), "");
  load = LoadLayoutsFile(path, loaded_);
  EXPECT_EQ(load.Flags.Guillotine, std::nullopt);
}

TEST_F(LayoutsFile, SavingReplacesTheWholeFileAndAnEmptyResultWritesNothing) {
  const std::string path = folder_.Write("job.lyt", "[STALE]\r\nA=1\r\n[OTSC]\r\nCN=3\r\n");
  ASSERT_EQ(SaveLayoutsFile(path, saved_, settings_), "");
  EXPECT_FALSE(TIniFile(path).SectionExists("STALE"));
  EXPECT_FALSE(TIniFile(path).SectionExists("OTSC"));

  const std::string before = folder_.Read("job.lyt");
  EXPECT_EQ(SaveLayoutsFile(path, loaded_, settings_), Texts().Text("MSG_LAYOUT_IS_EMPTY"));
  EXPECT_EQ(folder_.Read("job.lyt"), before);
}

TEST_F(LayoutsFile, AnUnwritableFileIsReported) {
  const std::string path = folder_.PathOf("missing/job.lyt");
  EXPECT_NE(SaveLayoutsFile(path, saved_, settings_), "");
}

// A file of an older version: sections under "OT", and two layouts of equal counts.
constexpr const char* kOldFile =
    "[OPTION]\r\nBLADE_WIDTH=2\r\n"
    "[OTSC]\r\nCN=2\r\n"
    "[OTSC0PKPN]\r\nX=1000\r\nY=500\r\nN=2\r\nI=0\r\nL=B\r\n"
    "[OTSC0PKNPNS]\r\nCN=1\r\n[OTSC0PKNPNS0PN]\r\nN=3\r\n"
    "[OTSC1PKPN]\r\nX=1000\r\nY=500\r\nN=1\r\nI=0\r\nL=B\r\n"
    "[OTSC1PKNPNS]\r\nCN=1\r\n[OTSC1PKNPNS0PN]\r\nN=3\r\n"
    "[OTPPNS]\r\nCN=1\r\n[OTPPNS0PN]\r\nL=P\r\n";

TEST_F(LayoutsFile, AnOldFileLoadsAndEqualLayoutsMerge) {
  const TLayoutsLoad load = LoadFresh(folder_.Write("old.lyt", kOldFile));
  EXPECT_EQ(load.Error, "");
  EXPECT_EQ(load.Settings.Unit, "cm");
  EXPECT_EQ(BladeWidth, 2000);
  ASSERT_EQ(loaded_.BestResult.Size(), 1u);
  EXPECT_EQ(loaded_.BestResult[0].Count, 3);
  ASSERT_EQ(loaded_.Parts.Size(), 1u);
  EXPECT_EQ(loaded_.Parts[0].Label, "P");
  EXPECT_TRUE(loaded_.Sheets.Empty());
}

TEST_F(LayoutsFile, CurrentSectionsWinOverOldOnes) {
  const std::string path = folder_.PathOf("both.lyt");
  ASSERT_EQ(SaveLayoutsFile(path, saved_, settings_), "");
  std::string text = folder_.Read("both.lyt") + kOldFile;
  folder_.Write("both.lyt", text);
  LoadFresh(path);
  EXPECT_EQ(Describe(loaded_.BestResult), Describe(saved_.BestResult));
  EXPECT_EQ(Describe(loaded_.Parts), Describe(saved_.Parts));
}

TEST_F(LayoutsFile, MissingFileLoadsAsAnEmptyResult) {
  const TLayoutsLoad load = LoadFresh(folder_.PathOf("none.lyt"));
  EXPECT_EQ(load.Error, "");
  EXPECT_TRUE(loaded_.BestResult.Empty());
  EXPECT_TRUE(loaded_.Sheets.Empty());
  EXPECT_EQ(UnitText, "cm");
  EXPECT_EQ(BladeWidth, 0);
}

TEST_F(LayoutsFile, ASettingThatIsNotANumberIsReportedAndTheListsStayLoaded) {
  const TLayoutsLoad load = LoadFresh(folder_.Write(
      "bad.lyt", std::string(kOldFile) + "[OPTION]\r\n" + "MEASURE=mm\r\nWIDTH_EDGE=ten\r\n"));
  EXPECT_NE(load.Error.find("WIDTH_EDGE"), std::string::npos);
  EXPECT_EQ(loaded_.BestResult.Size(), 1u);
  EXPECT_EQ(BladeWidth, 3500);
  EXPECT_EQ(UnitText, "inch");
}

}  // namespace
}  // namespace vexlin
