#pragma once

#include <cstddef>
#include <cstdint>
#include <functional>
#include <utility>
#include <vector>

#include "optimizer/deep/deep_job.h"
#include "optimizer/deep/deep_random.h"
#include "optimizer/deep/sheet_packer.h"

namespace vexlin {

// One chain of ruin and recreate moves that tries to cut a plan from one sheet fewer. The
// sheet that holds least for its cost is given up and its pieces are left over. Each move
// takes pieces off: all of one or two sheets, or those nearest to a random point of one
// sheet; then it puts them and the left-over pieces back, largest first, each where it fits
// tightest on any sheet. A move is kept when it leaves no more area over than before, or
// less than it was a fixed number of moves ago (late acceptance), so that the chain
// crosses plateaus instead of stalling on them. Fully determined by the plan and the seed.
class TSheetEliminator {
 public:
  // Every sheet's pieces must be given with their places (none may overlap).
  TSheetEliminator(const TDeepJob& job, std::vector<TPattern> sheets, uint64_t seed);

  // Moves until no piece is left over (true), `moves` moves were made or stop(move) says so.
  bool Run(int64_t moves, const std::function<bool(int64_t)>& stop);
  int64_t Moves() const { return moves_; }
  // The sheets that hold pieces; the whole plan once Run returned true.
  std::vector<TPattern> Sheets() const;

 private:
  struct TSheet {
    TPattern Pattern;
    TSheetPacker Packer;
  };

  TSheet MakeSheet(TPattern pattern) const;
  void Move();
  void Ruin();
  void Recreate();
  void Put(int32_t part);
  void Clear(size_t sheet);
  void TakeNear(size_t sheet, size_t count);
  void Rebuild(TSheet& sheet) const;
  void Touch(size_t sheet);
  void Undo();
  size_t Below(size_t count) { return static_cast<size_t>(random_.Next() % count); }

  const TDeepJob& job_;
  TDeepRandom random_;
  std::vector<TSheet> sheets_;
  std::vector<int32_t> left_;  // part of each piece that has no place
  double leftArea_ = 0.0;
  std::vector<double> history_;  // left-over area after each of the last moves
  int64_t moves_ = 0;
  // What the current move changed, to undo it.
  std::vector<std::pair<size_t, TSheet>> saved_;
  std::vector<uint8_t> touched_;
  std::vector<int32_t> savedLeft_;
  double savedLeftArea_ = 0.0;
};

}  // namespace vexlin
