#include "output/layouts_file.h"

#include <gtest/gtest.h>

#include <random>
#include <string>
#include <utility>
#include <vector>

#include "model/ini_file.h"
#include "model/pub_func.h"
#include "model/run_options.h"
#include "model/text_table.h"
#include "optimizer/search_test_jobs.h"
#include "optimizer/vexlin.h"
#include "output/layout_facts.h"
#include "output/report.h"
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
    "[OTSC0PKNPNS]\r\nCN=1\r\n[OTSC0PKNPNS0PN]\r\nX=10\r\nY=10\r\nN=3\r\n"
    "[OTSC1PKPN]\r\nX=1000\r\nY=500\r\nN=1\r\nI=0\r\nL=B\r\n"
    "[OTSC1PKNPNS]\r\nCN=1\r\n[OTSC1PKNPNS0PN]\r\nX=10\r\nY=10\r\nN=3\r\n"
    "[OTPPNS]\r\nCN=1\r\n[OTPPNS0PN]\r\nL=P\r\nX=10\r\nY=10\r\n";

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

// Drawing and report must not go on different settings: the file is refused whole.
TEST_F(LayoutsFile, ASettingThatIsNotANumberIsReportedAndNothingIsLoaded) {
  const std::string path = folder_.Write(
      "bad.lyt", std::string(kOldFile) + "[OPTION]\r\n" + "MEASURE=mm\r\nWIDTH_EDGE=ten\r\n");
  const TLayoutsLoad load = LoadFresh(path);
  EXPECT_NE(load.Error.find("WIDTH_EDGE"), std::string::npos);
  EXPECT_NE(load.Error.find(path), std::string::npos);
  EXPECT_TRUE(loaded_.BestResult.Empty());
  EXPECT_EQ(loaded_.Sheets.Size(), 1u);
  EXPECT_EQ(BladeWidth, 3500);
  EXPECT_EQ(UnitText, "inch");
}

// The first line "key=..." of the section gets the value; a value of nullptr removes it.
std::string EditKey(std::string text, const std::string& section, const std::string& key,
                    const char* value) {
  const size_t head = text.find("[" + section + "]\r\n");
  EXPECT_NE(head, std::string::npos) << section;
  const size_t line = text.find("\r\n" + key + "=", head) + 2;
  const size_t end = text.find("\r\n", line) + 2;
  text.replace(line, end - line, value != nullptr ? key + "=" + value + "\r\n" : "");
  return text;
}

std::string RandomBytes(size_t n) {
  std::mt19937 random(7);
  std::string bytes;
  for (size_t i = 0; i < n; ++i) bytes.push_back(static_cast<char>(random() % 256));
  return bytes;
}

// Each damage of a good file, and the reproducers found by fuzzing, is refused with a message
// naming the file; the result and the settings loaded before stay.
TEST_F(LayoutsFile, ADamagedFileIsRefusedAndTheOldResultStays) {
  ASSERT_EQ(SaveLayoutsFile(folder_.PathOf("good.lyt"), saved_, settings_), "");
  const std::string good = folder_.Read("good.lyt");
  ASSERT_GT(good.size(), 2000u);
  const std::vector<std::pair<std::string, std::string>> damaged = {
      {"truncated", good.substr(0, 2000)},
      {"random bytes", RandomBytes(3000)},
      {"a layout counted but missing", EditKey(good, "LYTSC", "CN", "9")},
      {"a piece without its part type", EditKey(good, "LYTSC0PKUPNS0PN", "I", nullptr)},
      {"a piece beyond the part list", EditKey(good, "LYTSC0PKUPNS0PN", "I", "3")},
      {"counts of the wrong length", EditKey(good, "LYTSC0PKNPNS", "CN", "2")},
      {"a piece of size 0", EditKey(good, "LYTSC0PKUPNS0PN", "X", "0")},
      {"a sheet of negative size", EditKey(good, "LYTSC0PKPN", "Y", "-5")},
      {"a piece outside its sheet", EditKey(good, "LYTSC0PKUPNS0PN", "OX", "2440000")},
      {"a setting that is not a number", EditKey(good, "OPTION", "WIDTH_EDGE", "ten")},
      {"a negative blade width", EditKey(good, "OPTION", "BLADE_WIDTH", "-3")}};
  std::vector<std::string> paths;
  for (const auto& [name, text] : damaged) paths.push_back(folder_.Write("bad.lyt", text));
  for (const char* repro : {"zero-sheet.lyt", "negative-blade.lyt", "negative-edge.lyt",
                            "missing-index.lyt", "index-beyond-part-list.lyt"}) {
    paths.push_back(std::string(VEXLIN_TEST_DATA_DIR) + "/damaged-results/" + repro);
  }
  ASSERT_EQ(loaded_.AddSheet("OLD", 1000 * kMm, 500 * kMm, 1, 1), "");
  for (size_t i = 0; i < paths.size(); ++i) {
    const std::string what = i < damaged.size() ? damaged[i].first : paths[i];
    if (i < damaged.size()) folder_.Write("bad.lyt", damaged[i].second);
    const TLayoutsLoad load = LoadLayoutsFile(paths[i], loaded_);
    EXPECT_NE(load.Error.find("The result file " + paths[i] + " is damaged"), std::string::npos)
        << what << ": " << load.Error;
    EXPECT_TRUE(load.Warnings.empty()) << what;
    ASSERT_EQ(loaded_.Sheets.Size(), 1u) << what;
    EXPECT_EQ(loaded_.Sheets[0].Label, "OLD");
    EXPECT_EQ(BladeWidth, 3500) << what;
    EXPECT_EQ(UnitText, "inch") << what;
  }
  // The same file whole loads.
  folder_.Write("bad.lyt", good);
  EXPECT_EQ(LoadLayoutsFile(folder_.PathOf("bad.lyt"), loaded_).Error, "");
  EXPECT_EQ(Describe(loaded_.BestResult), Describe(saved_.BestResult));
}

// What the deep search proved travels with the result: the loaded result reports it as the
// saved one did. A damaged summary is refused like any damaged value, and a file without one
// (saved by the normal search or an older version) reports no bound.
TEST_F(LayoutsFile, DeepSummaryTravelsWithTheResult) {
  const std::string path = folder_.PathOf("deep.lyt");
  saved_.Deep = {true, TDeepEnd::TimeLimit, TDeepMeasure::Area, 6.25e12, 7.5e12};
  ASSERT_EQ(SaveLayoutsFile(path, saved_, settings_), "");
  ASSERT_EQ(LoadFresh(path).Error, "");
  TReportSettings report;
  report.UnitText = "mm";
  report.BladeWidth = settings_.BladeWidth;
  const std::vector<std::string> lines = FormatRunReport(loaded_, report);
  EXPECT_EQ(lines, FormatRunReport(saved_, report));
  EXPECT_EQ(lines[8], "Lower Bound              : 6250000.sq.mm");
  EXPECT_EQ(lines[9], "Gap                      : 20%");
  EXPECT_EQ(lines[10], "Deep search ended by its time limit");
  const TLayoutFacts facts = LayoutFactsOf(loaded_.BestResult[0], report, loaded_.Deep);
  EXPECT_EQ(facts.LowerBound, LayoutFactsOf(saved_.BestResult[0], report, saved_.Deep).LowerBound);
  EXPECT_EQ(facts.Gap, "20%");

  const std::string good = folder_.Read("deep.lyt");
  for (const auto& [key, value] : {std::pair{"END", "soon"}, std::pair{"MEASURE", "boards"},
                                   std::pair{"LOWER_BOUND", "-1"}, std::pair{"ACHIEVED", "7e"}}) {
    const std::string bad = folder_.Write("bad.lyt", EditKey(good, "DEEP", key, value));
    const TLayoutsLoad load = LoadLayoutsFile(bad, loaded_);
    EXPECT_NE(load.Error.find(std::string("\"") + value + "\" of DEEP " + key), std::string::npos)
        << load.Error;
    EXPECT_TRUE(loaded_.Deep.Ran) << key;
  }

  saved_.Deep = {};
  ASSERT_EQ(SaveLayoutsFile(path, saved_, settings_), "");
  EXPECT_FALSE(TIniFile(path).SectionExists("DEEP"));
  ASSERT_EQ(LoadLayoutsFile(path, loaded_).Error, "");
  EXPECT_FALSE(loaded_.Deep.Ran);
  EXPECT_EQ(FormatRunReport(loaded_, report)[8], "Sheets:");
}

}  // namespace
}  // namespace vexlin
