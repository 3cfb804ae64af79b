#pragma once

#include <cstdint>
#include <functional>
#include <vector>

#include "optimizer/deep/deep_job.h"
#include "optimizer/deep/deep_random.h"
#include "optimizer/deep/sheet_packer.h"

namespace vexlin {

// How one chain of plans fills its sheets.
struct TChainStyle {
  TFitRule Rule = TFitRule::ShortSide;
  bool SplitAcross = false;  // guillotine mode only
  double Noise = 0.1;        // how far the order of part types is shaken, as a share
  double Learning = 0.5;     // how fast part prices follow what the last plan paid
};

// A chain of plans for the whole job, each built sheet by sheet: every sheet type is
// filled from the parts still wanted, taking part types by falling price, and the sheet
// that pays best for its value is cut. After each plan a part's price moves towards the
// share of its sheets' value it took, so that parts left to wasteful sheets come earlier
// next time. Fully determined by the job, the style and the seed.
class TPlanBuilder {
 public:
  TPlanBuilder(const TDeepJob& job, const TChainStyle& style, uint64_t seed);

  // Builds the next plan of the chain; its sheets are appended to patterns. False when the
  // stock could not hold every part or interrupted() said so (the plan is then left out).
  bool NextPlan(std::vector<TPattern>& patterns, const std::function<bool()>& interrupted);

 private:
  TPattern BestSheet(const std::vector<int64_t>& left, const std::vector<int64_t>& stock);
  std::vector<int32_t> ShakenOrder();
  void LearnPrices(const std::vector<TPattern>& plan);

  const TDeepJob& job_;
  TChainStyle style_;
  TDeepRandom random_;
  std::vector<double> prices_;
};

}  // namespace vexlin
