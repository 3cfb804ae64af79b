#pragma once

#include <cstdint>
#include <vector>

namespace vexlin {

class TPacket;
class TVexlin;

// A part type as the deep search sees it: its rectangle with one blade width added (a
// disc or profile by its bounding rectangle) and how many pieces are wanted.
struct TDeepPart {
  int32_t Length = 0;
  int32_t Width = 0;
  bool Rotatable = true;
  int64_t Demand = 0;
  double Area = 0.0;
};

// A sheet type: its rectangle with one blade width added, the sheets in stock, and what
// one sheet costs in the job's measure (normalised so that the dearest sheet costs 1).
struct TDeepSheet {
  int32_t Length = 0;
  int32_t Width = 0;
  int64_t Stock = 0;
  double Value = 0.0;
  double Area = 0.0;
};

// One piece of a filling: its part type and rectangle on the sheet.
struct TDeepPiece {
  int32_t Part = 0;
  int32_t X = 0;
  int32_t Y = 0;
  bool Turned = false;
};

// One way to fill one sheet: the sheet type, the pieces per part type and where they
// lie. A filling taken from the engine's own layouts keeps that layout instead of pieces.
struct TPattern {
  int32_t Sheet = 0;
  std::vector<int32_t> Counts;
  std::vector<TDeepPiece> Pieces;
  const TPacket* Layout = nullptr;
  double UsedArea = 0.0;
};

struct TDeepJob {
  std::vector<TDeepPart> Parts;
  std::vector<TDeepSheet> Sheets;
  bool Guillotine = false;
  bool CostMode = false;

  // The job of the engine's parts and sheets (blade width already added).
  static TDeepJob FromEngine(const TVexlin& engine, bool costMode, bool guillotine);
  // What a plan costs: its value in the job's measure, plus a little per sheet so that
  // of two plans of equal value the one of fewer sheets wins.
  double PatternCost(int32_t sheet) const;
};

}  // namespace vexlin
