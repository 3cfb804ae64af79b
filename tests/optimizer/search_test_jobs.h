#pragma once

#include <gtest/gtest.h>

#include <cstdint>
#include <string>
#include <vector>

#include "model/random.h"
#include "model/run_options.h"
#include "optimizer/search_counters.h"
#include "optimizer/vexlin.h"

namespace vexlin::testjobs {

struct TJobSheet {
  std::string Label;
  int32_t Length;
  int32_t Width;
  int32_t Count;
  int32_t Cost;
};

struct TJobPart {
  std::string Label;
  int32_t Length;
  int32_t Width;
  int32_t Count;
  bool Rotatable = true;
};

struct TJob {
  std::vector<TJobSheet> Sheets;
  std::vector<TJobPart> Parts;
};

// Sizes in thousandths of a millimetre, as the grids hand them over.
constexpr int32_t kMm = 1000;

// Carcass parts of a small kitchen on 2440 x 1220 boards.
inline TJob CabinetJob(int32_t boards) {
  return {{{"BOARD", 2440 * kMm, 1220 * kMm, boards, 25 * kMm}},
          {{"SIDE", 720 * kMm, 560 * kMm, 6, false},
           {"BOTTOM", 764 * kMm, 560 * kMm, 3},
           {"SHELF", 761 * kMm, 520 * kMm, 3},
           {"RAIL", 764 * kMm, 100 * kMm, 6},
           {"DOOR", 716 * kMm, 396 * kMm, 4, false},
           {"DRAWER", 500 * kMm, 150 * kMm, 8}}};
}

// Adds the inputs and runs the phases in the order of the run command; the first error
// ends the run.
inline std::string RunJob(TVexlin& engine, const TJob& job) {
  engine.Clear();
  SchemeCallCount = 0;
  std::string error;
  for (const TJobSheet& s : job.Sheets) {
    error = engine.AddSheet(s.Label, s.Length, s.Width, s.Count, s.Cost);
    if (!error.empty()) return error;
  }
  for (const TJobPart& p : job.Parts) {
    error = engine.AddPart(p.Label, p.Length, p.Width, p.Rotatable, p.Count, kShapeRectangle);
    if (!error.empty()) return error;
  }
  if (error = engine.CheckPartCount(); !error.empty()) return error;
  engine.AddBladeWidth();
  if (error = engine.CheckPartSizes(); !error.empty()) return error;
  if (error = engine.GenAllSeeds(); !error.empty()) return error;
  engine.GenAllSchemes();
  return CostMode ? engine.GenBestCostResult() : engine.GenBestResult();
}

inline void ExpectPiecesInsideAndApart(const TPacket& layout) {
  const TRect sheet{0, 0, layout.Length, layout.Width};
  for (size_t a = 0; a < layout.Pieces.Size(); ++a) {
    const TRect rect = layout.Pieces[a].GetRect();
    EXPECT_EQ(Intersection(rect, sheet), rect) << layout.Pieces[a].Label << " leaves the sheet";
    for (size_t b = a + 1; b < layout.Pieces.Size(); ++b) {
      EXPECT_FALSE(Intersects(rect, layout.Pieces[b].GetRect()))
          << layout.Pieces[a].Label << " overlaps " << layout.Pieces[b].Label;
    }
  }
}

// Every part cut exactly its count, by the layout counts and by the placed pieces; no
// sheet type used more often than it is in stock; pieces on their sheets and apart.
inline void ExpectCompleteResult(const TVexlin& engine) {
  std::vector<int64_t> counted(engine.Parts.Size(), 0);
  std::vector<int64_t> placed(engine.Parts.Size(), 0);
  std::vector<int64_t> sheetsUsed(engine.Sheets.Size(), 0);
  for (const TPacket& layout : engine.BestResult.Items) {
    EXPECT_GE(layout.Count, 1);
    sheetsUsed.at(static_cast<size_t>(layout.Index)) += layout.Count;
    for (size_t i = 0; i < counted.size(); ++i) {
      counted[i] += int64_t{layout.Count} * layout.TypeCounts[i].Count;
    }
    for (const T2DStock& piece : layout.Pieces) {
      placed.at(static_cast<size_t>(piece.Index)) += layout.Count;
    }
    ExpectPiecesInsideAndApart(layout);
  }
  for (size_t i = 0; i < counted.size(); ++i) {
    EXPECT_EQ(counted[i], engine.Parts[i].Count) << engine.Parts[i].Label;
    EXPECT_EQ(placed[i], engine.Parts[i].Count) << engine.Parts[i].Label;
  }
  for (size_t s = 0; s < sheetsUsed.size(); ++s) {
    EXPECT_LE(sheetsUsed[s], engine.Sheets[s].Count) << engine.Sheets[s].Label;
    EXPECT_EQ(engine.SheetsLeft[s].Count, engine.Sheets[s].Count - sheetsUsed[s]);
  }
}

// The whole result as text: sheet type, count and every piece's place, layout by layout.
inline std::string DescribeResult(const TSchemes& result) {
  std::string text;
  for (const TPacket& layout : result.Items) {
    text += std::to_string(layout.Index) + "x" + std::to_string(layout.Count) + ":";
    for (const T2DStock& piece : layout.Pieces) {
      text += " " + piece.Label + "@" + std::to_string(piece.Origin.X) + "," +
              std::to_string(piece.Origin.Y) + "/" + std::to_string(piece.Length);
    }
    text += "\n";
  }
  return text;
}

// Every test starts like the first run of a fresh program and leaves the options as found.
class SearchTest : public ::testing::Test {
 protected:
  void SetUp() override {
    BladeWidth = 3 * kMm;
    FastMode = false;
    CostMode = false;
    GuillotineMode = false;
    SeedCounter = 0;
    ResetRandomForTests();
  }
  void TearDown() override {
    BladeWidth = 0;
    FastMode = false;
    CostMode = false;
    GuillotineMode = false;
  }

  // Starts the program's sequences again, so a run can be repeated exactly.
  static void RestartSequences() {
    SeedCounter = 0;
    ResetRandomForTests();
  }

  TVexlin engine_;
};

}  // namespace vexlin::testjobs
