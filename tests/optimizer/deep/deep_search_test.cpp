#include "optimizer/deep/deep_search.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "input/grid_readers.h"
#include "input/list_files.h"
#include "input/option_values.h"
#include "input/options_file.h"
#include "model/random.h"
#include "optimizer/deep/lower_bound.h"
#include "optimizer/search_counters.h"
#include "optimizer/vexlin.h"
#include "support/result_validity.h"

namespace vexlin {
namespace {

TPanels ReadList(const std::string& path, TGridKind kind) {
  TGrid rows = ReadListFile(path, kind).Rows;
  TPanels list;
  EXPECT_FALSE(kind == TGridKind::Sheets ? ReadSheetRows(rows, list)
                                         : ReadPartRows(rows, false, list));
  return list;
}

// A public job as a run leaves it for the deep search: the current search done, no offcut
// pieces made yet. Its options are applied and returned.
TOptionValues RunCurrentSearch(const std::string& job, TVexlin& engine) {
  const std::string folder = std::string(VEXLIN_TEST_DATA_DIR) + "/jobs/" + job + "/";
  TOptionValues values;
  EXPECT_FALSE(ReadOptionValues(ReadOptionsFile(folder + "default.opt"), values));
  ApplyOptionValues(values);
  ResetRandomForTests();
  SeedCounter = 0;
  for (const T2DStock& s : ReadList(folder + "default.sht", TGridKind::Sheets)) {
    EXPECT_EQ(engine.AddSheet(s.Label, s.Length, s.Width, s.Count, s.Cost), "");
  }
  for (const T2DStock& p : ReadList(folder + "default.prt", TGridKind::Parts)) {
    EXPECT_EQ(engine.AddPart(p.Label, p.Length, p.Width, p.Rotatable, p.Count, p.Shape), "");
  }
  EXPECT_EQ(engine.CheckPartCount(), "");
  engine.AddBladeWidth();
  EXPECT_EQ(engine.GenAllSeeds(), "");
  engine.GenAllSchemes();
  EXPECT_EQ(values.CostOptimize ? engine.GenBestCostResult() : engine.GenBestResult(), "");
  return values;
}

// Every layout to the last piece: sheet type, count, and each piece's part, place and size.
std::string Layouts(const TSchemes& result) {
  std::string text;
  for (const TPacket& layout : result.Items) {
    text += std::to_string(layout.Index) + " x" + std::to_string(layout.Count) + ":";
    for (const T2DStock& piece : layout.Pieces) {
      text += " " + std::to_string(piece.Index) + "@" + std::to_string(piece.Origin.X) + "," +
              std::to_string(piece.Origin.Y) + "/" + std::to_string(piece.Length) + "x" +
              std::to_string(piece.Width);
    }
    text += "\n";
  }
  return text;
}

// The same job gives the same layouts with one thread or several and from run to run, and
// a valid result cheaper than the one it started from, as good as other planners reach:
// the cost job through the cover, the shop-fitting job by giving up a sheet.
TEST(DeepSearch, GivesTheSameValidLayoutsWithOneThreadOrThreeAndRunToRun) {
  struct TKnownBest {
    const char* Job;
    TDeepMeasure Measure;
    double Value;
  };
  for (const TKnownBest known : {TKnownBest{"office_cost", TDeepMeasure::Cost, 422500.0},
                                 TKnownBest{"shopfit_40types", TDeepMeasure::Sheets, 25.0}}) {
    SCOPED_TRACE(known.Job);
    TVexlin current;
    const TOptionValues values = RunCurrentSearch(known.Job, current);
    const double start = ResultValue(current.BestResult, known.Measure);
    std::string first;
    for (const unsigned threads : {1U, 3U, 3U}) {
      TVexlin engine = current;
      TDeepSettings settings;
      settings.CostMode = values.CostOptimize;
      settings.Seconds = kMaxDeepSeconds;
      settings.Threads = threads;
      const TDeepSummary summary = RunDeepSearch(engine, settings);
      const std::string layouts = Layouts(engine.BestResult);
      if (first.empty()) {
        first = layouts;
        EXPECT_EQ(ResultFaults(engine, {}), std::vector<std::string>{});
        EXPECT_LT(summary.Achieved, start);
        EXPECT_LE(summary.Achieved, known.Value);
        EXPECT_EQ(summary.Achieved, ResultValue(engine.BestResult, known.Measure));
      }
      EXPECT_EQ(layouts, first) << threads << " threads";
      EXPECT_NE(summary.End, TDeepEnd::TimeLimit);
    }
  }
  ApplyOptionValues(TOptionValues());
}

}  // namespace
}  // namespace vexlin
