#include "optimizer/deep/sheet_cover.h"

#include <Cbc_C_Interface.h>

#include <algorithm>
#include <cmath>
#include <memory>

namespace vexlin {
namespace {

constexpr double kInfinity = 1e30;
constexpr int kStoppedOnTime = 4;

struct TModelDeleter {
  void operator()(Cbc_Model* model) const { Cbc_deleteModel(model); }
};
using TModel = std::unique_ptr<Cbc_Model, TModelDeleter>;

// The column-wise matrix of the programme: one column per filling, a row per part type
// (pieces cut) and then a row per sheet type (sheets used).
struct TMatrix {
  std::vector<CoinBigIndex> Starts{0};
  std::vector<int> Rows;
  std::vector<double> Values;
  std::vector<double> Lower;
  std::vector<double> Upper;
  std::vector<double> Costs;
};

// No filling is worth cutting more often than its most wanted part needs, nor than stock.
double UsesLimit(const TDeepJob& job, const TPattern& pattern) {
  int64_t most = 0;
  for (size_t i = 0; i < pattern.Counts.size(); ++i) {
    if (pattern.Counts[i] == 0) continue;
    most = std::max(most, (job.Parts[i].Demand + pattern.Counts[i] - 1) / pattern.Counts[i]);
  }
  return static_cast<double>(std::min(most, job.Sheets[static_cast<size_t>(pattern.Sheet)].Stock));
}

TMatrix BuildMatrix(const TDeepJob& job, const std::vector<TPattern>& patterns) {
  TMatrix matrix;
  const int sheetRows = static_cast<int>(job.Parts.size());
  for (const TPattern& pattern : patterns) {
    for (size_t i = 0; i < pattern.Counts.size(); ++i) {
      if (pattern.Counts[i] == 0) continue;
      matrix.Rows.push_back(static_cast<int>(i));
      matrix.Values.push_back(pattern.Counts[i]);
    }
    matrix.Rows.push_back(sheetRows + pattern.Sheet);
    matrix.Values.push_back(1.0);
    matrix.Starts.push_back(static_cast<CoinBigIndex>(matrix.Rows.size()));
    matrix.Lower.push_back(0.0);
    matrix.Upper.push_back(UsesLimit(job, pattern));
    matrix.Costs.push_back(job.PatternCost(pattern.Sheet));
  }
  return matrix;
}

TModel LoadModel(const TDeepJob& job, const TMatrix& matrix) {
  std::vector<double> rowLower;
  std::vector<double> rowUpper;
  for (const TDeepPart& part : job.Parts) {
    rowLower.push_back(static_cast<double>(part.Demand));
    rowUpper.push_back(kInfinity);
  }
  for (const TDeepSheet& sheet : job.Sheets) {
    rowLower.push_back(-kInfinity);
    rowUpper.push_back(static_cast<double>(sheet.Stock));
  }
  TModel model(Cbc_newModel());
  Cbc_loadProblem(model.get(), static_cast<int>(matrix.Costs.size()),
                  static_cast<int>(rowLower.size()), matrix.Starts.data(), matrix.Rows.data(),
                  matrix.Values.data(), matrix.Lower.data(), matrix.Upper.data(),
                  matrix.Costs.data(), rowLower.data(), rowUpper.data());
  for (int c = 0; c < static_cast<int>(matrix.Costs.size()); ++c) Cbc_setInteger(model.get(), c);
  return model;
}

}  // namespace

std::optional<TCover> ChooseCover(const TDeepJob& job, const std::vector<TPattern>& patterns,
                                  const std::vector<int64_t>& start, int32_t nodeBudget,
                                  double seconds) {
  if (patterns.empty()) return std::nullopt;
  const TMatrix matrix = BuildMatrix(job, patterns);
  TModel model = LoadModel(job, matrix);
  Cbc_setLogLevel(model.get(), 0);
  Cbc_setParameter(model.get(), "slog", "0");
  Cbc_setParameter(model.get(), "log", "0");
  Cbc_setMaximumNodes(model.get(), nodeBudget);
  Cbc_setMaximumSeconds(model.get(), std::max(seconds, 0.01));
  std::vector<double> known(start.begin(), start.end());
  Cbc_setInitialSolution(model.get(), known.data());
  Cbc_solve(model.get());
  const double* solution = Cbc_getColSolution(model.get());
  if (solution == nullptr || Cbc_isProvenInfeasible(model.get())) return std::nullopt;
  TCover cover;
  cover.TimedOut = Cbc_secondaryStatus(model.get()) == kStoppedOnTime;
  for (size_t c = 0; c < patterns.size(); ++c) {
    cover.Uses.push_back(static_cast<int64_t>(std::llround(solution[c])));
  }
  return cover;
}

}  // namespace vexlin
