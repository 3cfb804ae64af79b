#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>
#include <iterator>
#include <nlohmann/json.hpp>
#include <regex>
#include <string>
#include <vector>

#include "cli/batch_process.h"
#include "model/packet.h"
#include "optimizer/vexlin.h"
#include "output/layouts_file.h"
#include "output/manual_placement.h"
#include "support/result_validity.h"
#include "support/temp_folder.h"

namespace vexlin {
namespace {

const char* kSheets = "[SHEET1]\r\nLABEL=S1\r\nLENGTH=1000\r\nWIDTH=500\r\nQTY=2\r\nCOST=10\r\n";
const char* kParts =
    "[PART1]\r\nLABEL=P1\r\nLENGTH=400\r\nWIDTH=250\r\nQTY=4\r\nROTATE=R\r\nSHAPE=R\r\n";
const char* kOptions =
    "[OPTION]\r\nBLADE_WIDTH=0\r\nFAST_OPTIMIZE=F\r\nCOST_OPTIMIZE=F\r\n"
    "GUILLOTINE=F\r\nMEASURE=mm\r\n";

// The report with its date and time lines left out.
std::string WithoutClock(const std::string& report) {
  std::string kept;
  size_t start = 0;
  while (start < report.size()) {
    const size_t end = report.find('\n', start);
    const std::string line = report.substr(start, end - start);
    if (line.find("Vexlin cutting optimizer") == std::string::npos) kept += line + '\n';
    start = end == std::string::npos ? report.size() : end + 1;
  }
  return kept;
}

class BatchCli : public ::testing::Test {
 protected:
  TempFolder folder_;
  void WriteJob() {
    folder_.Write("default.sht", kSheets);
    folder_.Write("default.prt", kParts);
    folder_.Write("default.opt", kOptions);
  }
  std::string Folder() const { return folder_.PathOf(""); }
};

TEST_F(BatchCli, HelpAndBadUsage) {
  const TBatchProcess help = RunBatchProgram({"--help"});
  EXPECT_EQ(help.ExitCode, 0);
  EXPECT_NE(help.Out.find("Usage: vexlin-batch"), std::string::npos);
  const TBatchProcess unknown = RunBatchProgram({"--frobnicate"});
  EXPECT_EQ(unknown.ExitCode, 2);
  EXPECT_NE(unknown.Err.find("unknown option --frobnicate"), std::string::npos);
  EXPECT_EQ(RunBatchProgram({"--json"}).ExitCode, 2);
  EXPECT_EQ(RunBatchProgram({"a", "b"}).ExitCode, 2);
}

TEST_F(BatchCli, NamedFileThatCannotBeReadIsBadUsage) {
  WriteJob();
  const TBatchProcess run = RunBatchProgram({"--parts", folder_.PathOf("missing.prt"), Folder()});
  EXPECT_EQ(run.ExitCode, 2);
  EXPECT_NE(run.Err.find("missing.prt"), std::string::npos);
}

TEST_F(BatchCli, RefusedJobsExitWithTheProgramsMessage) {
  TBatchProcess run = RunBatchProgram({Folder()});
  EXPECT_EQ(run.ExitCode, 1);
  EXPECT_EQ(run.Err, "Sheets data is empty.\n");
  folder_.Write("default.sht", kSheets);
  run = RunBatchProgram({Folder()});
  EXPECT_EQ(run.ExitCode, 1);
  EXPECT_EQ(run.Err, "Parts data is empty.\n");
  folder_.Write("default.prt", kParts);
  run = RunBatchProgram({"--blade", "x", Folder()});
  EXPECT_EQ(run.ExitCode, 1);
  EXPECT_EQ(run.Err, "define blade width format error in configure tab\n");
  EXPECT_TRUE(run.Out.empty());
}

// Jobs that once ran for ever or were refused for no reason.
std::string ReproJob(const std::string& name) {
  return std::string(VEXLIN_TEST_DATA_DIR) + "/repro/" + name;
}

TEST_F(BatchCli, JobsThatOnceHungEndWithTheirMessage) {
  const std::vector<std::pair<std::string, std::string>> jobs = {
      {"blade-hang", "define blade width format error in configure tab\n"},
      {"cost-hang", "Current sheet Length format error.\n"},
      {"kerf-at-limit-cost",
       "Can't Get result , because of too small sheets size, too large parts size , or less "
       "sheets qualify\n"},
  };
  for (const auto& [job, message] : jobs) {
    const TBatchProcess run = RunBatchProgram({ReproJob(job)});
    EXPECT_EQ(run.ExitCode, 1) << job;
    EXPECT_EQ(run.Err, message) << job;
  }
}

TEST_F(BatchCli, EveryPartTypeOfAManyTypeJobIsCut) {
  const TBatchProcess run =
      RunBatchProgram({"--json", folder_.PathOf("r.json"), ReproJob("many-part-types")});
  ASSERT_EQ(run.ExitCode, 0) << run.Err;
  const auto result = nlohmann::json::parse(ReadWholeFile(folder_.PathOf("r.json")));
  size_t pieces = 0;
  for (const auto& layout : result["layouts"]) {
    for (const auto& piece : layout["pieces"]) {
      if (!piece["offcut"].get<bool>()) pieces += layout["count"].get<size_t>();
    }
  }
  EXPECT_EQ(pieces, 66u);
}

TEST_F(BatchCli, MalformedFilesAreRefusedWithoutACrash) {
  folder_.Write("default.sht", std::string("\x00\xff[SHEET1\r\nLENGTH=\xff\xfe", 16));
  folder_.Write("default.prt", "[PART1]\nLABEL=\nLENGTH=-5\n");
  folder_.Write("default.opt", "[OPTION]\nBLADE_WIDTH=99999999999999\n");
  const TBatchProcess run = RunBatchProgram({Folder()});
  EXPECT_EQ(run.ExitCode, 1);
  EXPECT_FALSE(run.Err.empty());
}

TEST_F(BatchCli, WritesReportAndJsonOfASuccessfulRun) {
  WriteJob();
  const std::string jsonPath = folder_.PathOf("result.json");
  const TBatchProcess run = RunBatchProgram({"--json", jsonPath, Folder()});
  ASSERT_EQ(run.ExitCode, 0) << run.Err;
  EXPECT_NE(run.Out.find("Measure                  : mm"), std::string::npos);
  EXPECT_NE(run.Out.find("------------ Layout 1 ------------"), std::string::npos);
  const auto json = nlohmann::json::parse(ReadWholeFile(jsonPath));
  EXPECT_EQ(json["status"], "ok");
  EXPECT_EQ(json["unit"], "mm");
  EXPECT_EQ(json["sheets_used"], 1);
  EXPECT_EQ(json["total_cost"], 10.0);
  ASSERT_EQ(json["layouts"].size(), 1u);
  const auto& layout = json["layouts"][0];
  EXPECT_EQ(layout["sheet"], "S1");
  EXPECT_EQ(layout["length"], 1000);
  int parts = 0;
  for (const auto& piece : layout["pieces"]) parts += piece["offcut"] == false ? 1 : 0;
  EXPECT_EQ(parts, 4);
}

TEST_F(BatchCli, ReportGoesToANamedFileAndRefusalsStillWriteJson) {
  WriteJob();
  const std::string reportPath = folder_.PathOf("report.txt");
  TBatchProcess run = RunBatchProgram({"--report", reportPath, Folder()});
  ASSERT_EQ(run.ExitCode, 0) << run.Err;
  EXPECT_TRUE(run.Out.empty());
  EXPECT_NE(ReadWholeFile(reportPath).find("USED Qty.: 1"), std::string::npos);
  const std::string jsonPath = folder_.PathOf("refused.json");
  run = RunBatchProgram({"--blade", "-1", "--json", jsonPath, Folder()});
  EXPECT_EQ(run.ExitCode, 1);
  const auto json = nlohmann::json::parse(ReadWholeFile(jsonPath));
  EXPECT_EQ(json["status"], "error");
  EXPECT_EQ(json["message"], "define blade width format error in configure tab");
  EXPECT_TRUE(json["layouts"].empty());
}

TEST_F(BatchCli, OffcutsJoinTheSheetsAndOverridesApply) {
  WriteJob();
  folder_.Write("default.ofc",
                "[SHEET1]\r\nLABEL=REST1\r\nLENGTH=800\r\nWIDTH=500\r\nQTY=1\r\nCOST=0\r\n");
  const std::string jsonPath = folder_.PathOf("result.json");
  const TBatchProcess run =
      RunBatchProgram({"--cost", "--guillotine", "--blade", "3", "--json", jsonPath, Folder()});
  ASSERT_EQ(run.ExitCode, 0) << run.Err;
  EXPECT_NE(run.Out.find("REST1"), std::string::npos);
  const auto json = nlohmann::json::parse(ReadWholeFile(jsonPath));
  EXPECT_EQ(json["cost_mode"], true);
  EXPECT_EQ(json["guillotine"], true);
  EXPECT_EQ(json["blade_width"], 3);
}

// The deep search follows the options file unless a flag says otherwise; its report names it,
// also when the saved result is loaded again; its seconds are checked as the file's are.
TEST_F(BatchCli, DeepFlagsOverrideTheOptionsFileAndTheReportNamesTheDeepSearch) {
  WriteJob();
  const std::string deepLine = "Deep Optimize            : YES\n";
  TBatchProcess run = RunBatchProgram({Folder()});
  ASSERT_EQ(run.ExitCode, 0) << run.Err;
  EXPECT_EQ(run.Out.find("Deep Optimize"), std::string::npos);
  const std::string saved = folder_.PathOf("deep.lyt");
  run = RunBatchProgram({"--deep", "--deep-seconds", "1", "--save-result", saved, Folder()});
  ASSERT_EQ(run.ExitCode, 0) << run.Err;
  EXPECT_NE(run.Out.find(deepLine), std::string::npos) << run.Out;
  const TBatchProcess reloaded = RunBatchProgram({"--load-result", saved});
  ASSERT_EQ(reloaded.ExitCode, 0) << reloaded.Err;
  EXPECT_EQ(WithoutClock(reloaded.Out), WithoutClock(run.Out));

  folder_.Write("default.opt", std::string(kOptions) + "DEEP_OPTIMIZE=T\r\nDEEP_SECONDS=5\r\n");
  EXPECT_NE(RunBatchProgram({Folder()}).Out.find(deepLine), std::string::npos);
  run = RunBatchProgram({"--no-deep", "--save-result", saved, Folder()});
  ASSERT_EQ(run.ExitCode, 0) << run.Err;
  EXPECT_EQ(run.Out.find("Deep Optimize"), std::string::npos);
  EXPECT_EQ(RunBatchProgram({"--load-result", saved}).Out.find("Deep Optimize"), std::string::npos);

  const std::string message =
      "define deep seconds format error in configure tab (a whole number from 1 to 3600)\n";
  for (const char* bad : {"0", "3601", "1.5", "soon"}) {
    run = RunBatchProgram({"--deep-seconds", bad, Folder()});
    EXPECT_EQ(run.ExitCode, 1) << bad;
    EXPECT_EQ(run.Err, message) << bad;
  }
  folder_.Write("default.opt", std::string(kOptions) + "DEEP_SECONDS=0\r\n");
  EXPECT_EQ(RunBatchProgram({Folder()}).Err, message);
  EXPECT_EQ(RunBatchProgram({"--deep-seconds", "3600", Folder()}).ExitCode, 0);
  EXPECT_EQ(RunBatchProgram({"--deep-seconds"}).ExitCode, 2);
  EXPECT_NE(
      RunBatchProgram({"--help"})
          .Out.find("With Fast also on, the deep search starts from the fast search's result."),
      std::string::npos);
}

TEST_F(BatchCli, SavedResultReloadsWithoutOptimising) {
  WriteJob();
  const std::string saved = folder_.PathOf("job.lyt");
  const std::string first = folder_.PathOf("first.json");
  ASSERT_EQ(RunBatchProgram({"--save-result", saved, "--json", first, Folder()}).ExitCode, 0);
  const std::string second = folder_.PathOf("second.json");
  const TBatchProcess load =
      RunBatchProgram({"--load-result", saved, "--json", second, "--no-fast", Folder()});
  ASSERT_EQ(load.ExitCode, 0) << load.Err;
  EXPECT_NE(load.Out.find("USED Qty.: 1"), std::string::npos);
  auto before = nlohmann::json::parse(ReadWholeFile(first));
  auto after = nlohmann::json::parse(ReadWholeFile(second));
  EXPECT_EQ(after["layouts"], before["layouts"]);
  EXPECT_EQ(after["unit"], "mm");
  EXPECT_EQ(RunBatchProgram({"--load-result", folder_.PathOf("none.lyt"), Folder()}).ExitCode, 2);
  // Without the job's folder its options are unknown; the saved ones give the same report.
  const TBatchProcess original = RunBatchProgram({Folder()});
  const TBatchProcess again = RunBatchProgram({"--load-result", saved});
  ASSERT_EQ(again.ExitCode, 0) << again.Err;
  EXPECT_EQ(WithoutClock(again.Out), WithoutClock(original.Out));
  folder_.Write("empty.lyt", "[OPTION]\r\nMEASURE=mm\r\n");
  const TBatchProcess empty = RunBatchProgram({"--load-result", folder_.PathOf("empty.lyt")});
  EXPECT_EQ(empty.ExitCode, 1);
  EXPECT_EQ(empty.Err, "Layout is empty, please optimize first.\n");
}

// The bound that a deep search saved with its result comes back in the report and the JSON;
// a result of the normal search has neither.
TEST_F(BatchCli, ADeepResultTellsItsBoundInReportAndJson) {
  WriteJob();
  const std::string saved = folder_.PathOf("job.lyt");
  const std::string normal = folder_.PathOf("normal.json");
  ASSERT_EQ(RunBatchProgram({"--save-result", saved, "--json", normal, Folder()}).ExitCode, 0);
  EXPECT_FALSE(nlohmann::json::parse(ReadWholeFile(normal)).contains("lower_bound"));
  folder_.Write("job.lyt", ReadWholeFile(saved) +
                               "[DEEP]\r\nEND=lower bound\r\nMEASURE=sheets\r\n"
                               "LOWER_BOUND=1\r\nACHIEVED=1\r\n");
  const std::string deep = folder_.PathOf("deep.json");
  const TBatchProcess load = RunBatchProgram({"--load-result", saved, "--json", deep});
  ASSERT_EQ(load.ExitCode, 0) << load.Err;
  EXPECT_NE(load.Out.find("Lower Bound              : 1\n"), std::string::npos) << load.Out;
  EXPECT_NE(load.Out.find("Gap                      : 0% optimal\n"), std::string::npos);
  const auto json = nlohmann::json::parse(ReadWholeFile(deep));
  EXPECT_EQ(json["lower_bound"], 1);
  EXPECT_EQ(json["gap_percent"], 0.0);
  EXPECT_EQ(json["deep_end"], "lower bound");
}

TEST_F(BatchCli, WritesDrawingsProgramsAndPicturesPerLayout) {
  WriteJob();
  const TBatchProcess run =
      RunBatchProgram({"--dxf", folder_.PathOf("cut.dxf"), "--gcode", folder_.PathOf("cut"),
                       "--svg", folder_.PathOf("view"), "--sizes", "--no-labels", Folder()});
  ASSERT_EQ(run.ExitCode, 0) << run.Err;
  EXPECT_NE(ReadWholeFile(folder_.PathOf("cut_1.dxf")).find("EOF"), std::string::npos);
  EXPECT_FALSE(ReadWholeFile(folder_.PathOf("cut_1.gnc")).empty());
  const std::string picture = ReadWholeFile(folder_.PathOf("view_1.svg"));
  EXPECT_EQ(picture.rfind("<svg", 0), 0u);
  EXPECT_NE(picture.find("400X250"), std::string::npos);  // sizes shown
  EXPECT_EQ(picture.find(">P1<"), std::string::npos);     // labels not
  const TBatchProcess unwritable =
      RunBatchProgram({"--dxf", folder_.PathOf("no/such/folder/cut"), Folder()});
  EXPECT_EQ(unwritable.ExitCode, 2);
}

TEST_F(BatchCli, WritesAPageWithPicturesAndTheOffcutsWorthKeeping) {
  WriteJob();
  folder_.Write("default.prt", "[PART1]\r\nLABEL=<b>&\"x\r\nLENGTH=400\r\nWIDTH=250\r\nQTY=2\r\n");
  const TBatchProcess run = RunBatchProgram({"--html", folder_.PathOf("job.html"), "--offcuts-out",
                                             folder_.PathOf("rest.ofc"), Folder()});
  ASSERT_EQ(run.ExitCode, 0) << run.Err;
  const std::string page = ReadWholeFile(folder_.PathOf("job.html"));
  EXPECT_NE(page.find("job.html_1.svg"), std::string::npos);
  EXPECT_EQ(page.find("<b>&"), std::string::npos);  // the label cannot inject markup
  EXPECT_NE(page.find("&lt;b&gt;&amp;"), std::string::npos);
  EXPECT_EQ(ReadWholeFile(folder_.PathOf("job.html_1.svg")).rfind("<svg", 0), 0u);
  const std::string offcuts = ReadWholeFile(folder_.PathOf("rest.ofc"));
  EXPECT_NE(offcuts.find("[SHEET1]"), std::string::npos);
  EXPECT_EQ(offcuts.find("ZEROOFFCUT_"), std::string::npos);
}

// Pages of a PDF file, counted by their page objects (the page tree's "/Pages" is not one).
size_t PdfPageCount(const std::string& pdf) {
  static const std::regex page("/Type\\s*/Page(?![A-Za-z])");
  return static_cast<size_t>(
      std::distance(std::sregex_iterator(pdf.begin(), pdf.end(), page), std::sregex_iterator()));
}

TEST_F(BatchCli, PrintsEveryPageToAPdfFileWithoutAPrinter) {
  WriteJob();
  // Four parts fill the large sheet; the fifth needs the small one: two layouts.
  folder_.Write("default.sht",
                "[SHEET1]\r\nLABEL=S1\r\nLENGTH=1000\r\nWIDTH=500\r\nQTY=1\r\n"
                "[SHEET2]\r\nLABEL=S2\r\nLENGTH=500\r\nWIDTH=300\r\nQTY=1\r\n");
  folder_.Write("default.prt", "[PART1]\r\nLABEL=P1\r\nLENGTH=400\r\nWIDTH=250\r\nQTY=5\r\n");
  const TBatchProcess run = RunBatchProgram(
      {"--pdf", folder_.PathOf("pages.pdf"), "--json", folder_.PathOf("r.json"), Folder()});
  ASSERT_EQ(run.ExitCode, 0) << run.Err;
  const size_t layouts =
      nlohmann::json::parse(ReadWholeFile(folder_.PathOf("r.json")))["layouts"].size();
  EXPECT_GE(layouts, 2u);
  const std::string pdf = ReadWholeFile(folder_.PathOf("pages.pdf"));
  EXPECT_EQ(pdf.rfind("%PDF-", 0), 0u);
  EXPECT_EQ(PdfPageCount(pdf), 1 + layouts);  // the report, then a page per layout
  const TBatchProcess unwritable =
      RunBatchProgram({"--pdf", folder_.PathOf("no/such/folder/pages.pdf"), Folder()});
  EXPECT_EQ(unwritable.ExitCode, 2);
  EXPECT_NE(unwritable.Err.find("pages.pdf"), std::string::npos);
}

TEST_F(BatchCli, ProfilesOfTheFolderAreCutToo) {
  WriteJob();
  folder_.Write("default.apt",
                "[STR]\r\nCN=2\r\n[STR0]\r\nL=TRI\r\nQ=2\r\n[STR0TZ]\r\nN=Triangle1\r\n"
                "P1=300\r\nP2=400\r\nP3=500\r\n[STR1]\r\nL=BAD\r\nQ=1\r\n"
                "[STR1TZ]\r\nN=Nonsense\r\n");
  const std::string jsonPath = folder_.PathOf("result.json");
  const TBatchProcess run = RunBatchProgram({"--json", jsonPath, Folder()});
  ASSERT_EQ(run.ExitCode, 0) << run.Err;
  EXPECT_NE(run.Err.find("vexlin-batch: "), std::string::npos);  // the bad entry is named
  const auto json = nlohmann::json::parse(ReadWholeFile(jsonPath));
  int profiles = 0;
  for (const auto& layout : json["layouts"]) {
    for (const auto& piece : layout["pieces"]) {
      if (piece["shape"] == "profile") profiles += layout["count"].get<int>();
    }
  }
  EXPECT_EQ(profiles, 2);
  EXPECT_EQ(RunBatchProgram({"--profiles", folder_.PathOf("none.apt"), Folder()}).ExitCode, 2);
}

// The profile of zero height used to end the run with an integer division by zero. The
// profile file names its DXF relative to the folder the tool is started in.
TEST_F(BatchCli, AFlatDxfProfileIsRefusedAndTheJobWithIt) {
  const std::filesystem::path started = std::filesystem::current_path();
  std::filesystem::current_path(VEXLIN_TEST_DATA_DIR "/flat-line-profile");
  const TBatchProcess run = RunBatchProgram({"."});
  std::filesystem::current_path(started);
  EXPECT_EQ(run.ExitCode, 1);
  EXPECT_EQ(run.Err,
            "vexlin-batch: DXF outline encloses no area (zero length, zero height or a flat "
            "line):\nflat-line.dxf\nParts data is empty.\n");
}

// A list file the tool cannot read stops the job; rows it does not take are named.
TEST_F(BatchCli, ListFilesThatAreNoListsStopTheJobAndUnreadRowsAreNamed) {
  WriteJob();
  folder_.Write("default.prt", std::string(kParts) + "[PART0]\r\nLABEL=P0\r\n");
  TBatchProcess run = RunBatchProgram({Folder()});
  EXPECT_EQ(run.ExitCode, 0);
  EXPECT_EQ(run.Err, "vexlin-batch: These entries of the file were not read:\n" +
                         folder_.PathOf("default.prt") + "\n[PART0]\n");
  folder_.Write("default.ofc", "random words\nwithout any section\n");
  run = RunBatchProgram({Folder()});
  EXPECT_EQ(run.ExitCode, 1);
  EXPECT_NE(run.Err.find("No section of this list ([SHEET1] for sheets and offcuts, [PART1] for "
                         "parts) in the file; nothing was loaded:\n" +
                         folder_.PathOf("default.ofc")),
            std::string::npos);
}

// The outputs of one batch call, their clock lines left out: report, layouts, drawings,
// programs and pictures.
std::string OutputsOf(const TBatchProcess& run, const std::string& json, const std::string& name) {
  std::string all =
      WithoutClock(run.Out) + nlohmann::json::parse(ReadWholeFile(json))["layouts"].dump();
  for (const char* suffix : {"_1.dxf", "_2.dxf", "_1.gnc", "_2.gnc", "_1.svg", "_2.svg"}) {
    all += WithoutClock(ReadWholeFile(name + suffix));
  }
  return all;
}

std::vector<std::string> WithOutputs(std::vector<std::string> arguments, const std::string& name) {
  for (const char* option : {"--dxf", "--gcode", "--svg"}) {
    arguments.insert(arguments.begin(), {option, name});
  }
  arguments.insert(arguments.begin(), {"--json", name + ".json"});
  return arguments;
}

// A result with profile parts reloaded elsewhere, with other profiles of the same labels at
// hand, reports, draws and cuts its pieces as the run did; an older file without its own
// profiles takes the current ones and names a profile it cannot find; an export that would
// leave out a piece is refused.
TEST_F(BatchCli, ASavedResultKeepsItsProfilesWhereverItIsLoaded) {
  const std::string examples = std::string(VEXLIN_TEST_DATA_DIR) + "/../../examples";
  const std::string saved = folder_.PathOf("job.lyt");
  const TBatchProcess run = RunBatchProgram(
      WithOutputs({"--no-deep", "--save-result", saved, examples}, folder_.PathOf("run")));
  ASSERT_EQ(run.ExitCode, 0) << run.Err;
  ASSERT_NE(run.Out.find("ARCH_TOP"), std::string::npos);
  folder_.Write("other.apt",
                "[STR]\r\nCN=1\r\n[STR0TZ]\r\nN=Triangle2\r\nP1=100\r\nP2=50\r\nDX=0\r\n"
                "[STR0]\r\nL=CORNER_SHELF\r\nQ=4\r\n");
  const std::vector<std::string> reload = {"--load-result", saved, "--profiles",
                                           folder_.PathOf("other.apt")};
  const TBatchProcess load = RunBatchProgram(WithOutputs(reload, folder_.PathOf("load")));
  ASSERT_EQ(load.ExitCode, 0) << load.Err;
  EXPECT_EQ(load.Err, "");
  EXPECT_EQ(OutputsOf(load, folder_.PathOf("load.json"), folder_.PathOf("load")),
            OutputsOf(run, folder_.PathOf("run.json"), folder_.PathOf("run")));

  const std::string text = ReadWholeFile(saved);
  folder_.Write("job.lyt", text.substr(0, text.find("[LYTSTR]")));
  const TBatchProcess old = RunBatchProgram(WithOutputs(reload, folder_.PathOf("old")));
  EXPECT_NE(old.ExitCode, 0);
  EXPECT_NE(old.Err.find("The profile ARCH_TOP of the result file " + saved), std::string::npos);
  EXPECT_NE(old.Err.find("the piece ARCH_TOP of layout"), std::string::npos);
  EXPECT_FALSE(std::filesystem::exists(folder_.PathOf("old_1.dxf")));
}

// The JSON result less the run's seconds, which no two runs share.
nlohmann::json JsonOf(const std::string& path) {
  nlohmann::json json = nlohmann::json::parse(ReadWholeFile(path));
  json.erase("seconds");
  return json;
}

// A deep result saved and loaded again reports, describes and draws itself as the run did,
// bound and gap included. A part moved by hand after the load leaves a valid result that
// keeps its figures and its bound when it is saved and loaded once more.
TEST_F(BatchCli, ADeepResultReloadsAsItWasRunAndTakesAHandEdit) {
  const std::string job = std::string(VEXLIN_TEST_DATA_DIR) + "/jobs/office_cost";
  const std::string saved = folder_.PathOf("deep.lyt");
  const TBatchProcess run =
      RunBatchProgram(WithOutputs({"--deep", "--save-result", saved, job}, folder_.PathOf("run")));
  ASSERT_EQ(run.ExitCode, 0) << run.Err;
  ASSERT_NE(run.Out.find("Gap                      : "), std::string::npos) << run.Out;
  const TBatchProcess load =
      RunBatchProgram(WithOutputs({"--load-result", saved}, folder_.PathOf("load")));
  ASSERT_EQ(load.ExitCode, 0) << load.Err;
  EXPECT_EQ(OutputsOf(load, folder_.PathOf("load.json"), folder_.PathOf("load")),
            OutputsOf(run, folder_.PathOf("run.json"), folder_.PathOf("run")));
  EXPECT_EQ(JsonOf(folder_.PathOf("load.json")), JsonOf(folder_.PathOf("run.json")));

  TVexlin engine;
  const TLayoutsLoad loaded = LoadLayoutsFile(saved, engine);
  ASSERT_EQ(loaded.Error, "");
  TPacket& layout = engine.BestResult.Items.back();  // the emptiest sheet has room to spare
  const double scale = 0.001;
  TManualDrag drag;
  ASSERT_GE(PickPart(layout, 1, 1, scale, drag), 0);
  const TRect corner{layout.Length / 1000 - drag.PieceRect.Right,
                     layout.Width / 1000 - drag.PieceRect.Bottom, layout.Length / 1000,
                     layout.Width / 1000};
  ASSERT_TRUE(AutoFillInRect(layout, drag, corner, 1 / scale, loaded.Settings.BladeWidth));
  EXPECT_EQ(ResultFaults(engine, {}), std::vector<std::string>{});
  ASSERT_EQ(SaveLayoutsFile(saved, engine, loaded.Settings, loaded.Flags), "");
  const std::string json = folder_.PathOf("edited.json");
  ASSERT_EQ(RunBatchProgram({"--load-result", saved, "--json", json}).ExitCode, 0);
  nlohmann::json edited = JsonOf(json);
  nlohmann::json original = JsonOf(folder_.PathOf("run.json"));
  EXPECT_NE(edited["layouts"], original["layouts"]);
  edited.erase("layouts");
  original.erase("layouts");
  EXPECT_EQ(edited, original);  // sheets, cost, bound and gap
}

// A damaged result file is refused with a message naming it; nothing is written.
TEST_F(BatchCli, ADamagedResultFileIsRefused) {
  for (const char* name : {"negative-blade.lyt", "zero-sheet.lyt", "index-beyond-part-list.lyt"}) {
    const std::string path = std::string(VEXLIN_TEST_DATA_DIR) + "/damaged-results/" + name;
    const TBatchProcess load =
        RunBatchProgram({"--load-result", path, "--json", folder_.PathOf("out.json")});
    EXPECT_EQ(load.ExitCode, 1) << name;
    EXPECT_NE(load.Err.find("The result file " + path + " is damaged"), std::string::npos)
        << load.Err;
    EXPECT_EQ(nlohmann::json::parse(ReadWholeFile(folder_.PathOf("out.json")))["status"], "error");
  }
}

// One bar on one line, rewritten in place, whose fill never goes back however many steps
// the run makes; nothing at all when standard error goes to a file.
TEST_F(BatchCli, ProgressBarMovesForwardOnATerminalOnly) {
  WriteJob();
  EXPECT_EQ(RunBatchProgram({"--progress", Folder()}).Err, "");
  // More steps than the window's bar has units.
  const TBatchProcess shown = RunBatchProgramOnTerminal(
      {"--progress", "--fast", "--no-deep", std::string(VEXLIN_TEST_DATA_DIR) + "/../../examples"});
  ASSERT_EQ(shown.ExitCode, 0) << shown.Err;
  std::vector<int> percents;
  for (size_t at = shown.Err.find('\r'); at != std::string::npos;
       at = shown.Err.find('\r', at + 1)) {
    percents.push_back(std::stoi(shown.Err.substr(shown.Err.find("] ", at) + 2)));
  }
  ASSERT_GT(percents.size(), 5u) << shown.Err;
  EXPECT_TRUE(std::is_sorted(percents.begin(), percents.end())) << shown.Err;
  EXPECT_EQ(percents.back(), 100);
  EXPECT_EQ(std::count(shown.Err.begin(), shown.Err.end(), '\n'), 1) << shown.Err;
}

}  // namespace
}  // namespace vexlin
