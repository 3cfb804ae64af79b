#include "optimizer/deep/sheet_elimination.h"

#include <algorithm>
#include <atomic>
#include <thread>

#include "optimizer/deep/sheet_eliminator.h"

namespace vexlin {
namespace {

constexpr size_t kChains = 2;
// Moves per chain for a plan of one sheet; a plan of more sheets gets fewer, as each of
// its moves looks at every sheet.
constexpr int64_t kSheetMoves = 400000;
constexpr int64_t kLeastMoves = 1000;

void LowerTo(std::atomic<int64_t>& fewest, int64_t moves) {
  int64_t known = fewest.load();
  while (moves < known && !fewest.compare_exchange_weak(known, moves)) {
  }
}

}  // namespace

std::optional<std::vector<TPattern>> EliminateOneSheet(const TDeepJob& job,
                                                       const std::vector<TPattern>& sheets,
                                                       uint64_t seed, size_t workers,
                                                       const std::function<bool()>& interrupted) {
  const int64_t moves =
      std::max(kLeastMoves, kSheetMoves / static_cast<int64_t>(std::max<size_t>(sheets.size(), 1)));
  std::vector<TSheetEliminator> chains;
  for (size_t c = 0; c < kChains; ++c) chains.emplace_back(job, sheets, seed + c);
  std::vector<uint8_t> succeeded(kChains, 0);
  // A chain that has made as many moves as the best success so far can no longer win.
  std::atomic<int64_t> fewest{moves};
  const auto stop = [&](int64_t made) { return made >= fewest.load() || interrupted(); };
  workers = std::clamp<size_t>(workers, 1, kChains);
  const auto work = [&](size_t first) {
    for (size_t c = first; c < kChains; c += workers) {
      if (!chains[c].Run(moves, stop)) continue;
      succeeded[c] = 1;
      LowerTo(fewest, chains[c].Moves());
    }
  };
  std::vector<std::thread> threads;
  for (size_t w = 1; w < workers; ++w) threads.emplace_back(work, w);
  work(0);
  for (std::thread& thread : threads) thread.join();
  std::optional<size_t> winner;
  for (size_t c = 0; c < kChains; ++c) {
    if (succeeded[c] != 0 && (!winner || chains[c].Moves() < chains[*winner].Moves())) winner = c;
  }
  if (!winner) return {};
  return chains[*winner].Sheets();
}

}  // namespace vexlin
