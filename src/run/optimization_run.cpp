#include "run/optimization_run.h"

#include <utility>

#include "input/option_values.h"
#include "model/panels.h"
#include "model/random.h"
#include "model/rounding.h"
#include "optimizer/deep/deep_search.h"
#include "optimizer/search_counters.h"
#include "optimizer/vexlin.h"
#include "output/offcut_generator.h"

namespace vexlin {
namespace {

std::string AddInputs(TVexlin& engine, const TPanels& sheets, const TPanels& parts,
                      const TPanels& profiles, const TOptionValues& options) {
  for (const T2DStock& sheet : sheets) {
    std::string error = engine.AddSheet(
        sheet.Label, SaturateInt32(int64_t{sheet.Length} - 2 * int64_t{options.LengthEdge}),
        SaturateInt32(int64_t{sheet.Width} - 2 * int64_t{options.WidthEdge}), sheet.Count,
        sheet.Cost);
    if (!error.empty()) return error;
  }
  for (const T2DStock& part : parts) {
    std::string error =
        engine.AddPart(part.Label, part.Length, part.Width, part.Rotatable, part.Count, part.Shape);
    if (!error.empty()) return error;
  }
  for (const T2DStock& profile : profiles) {
    std::string error = engine.AddProfile(profile);
    if (!error.empty()) return error;
  }
  return {};
}

// Each phase ends early on a stop request; what it leaves is no result.
bool Stopped(const TRunControl& control) {
  return control.StopRequest != nullptr && control.StopRequest->load(std::memory_order_relaxed);
}

TRunOutcome Refused(std::string error) {
  return {error.empty() ? TRunEnd::Finished : TRunEnd::Refused, std::move(error)};
}

// A stop during the deep search keeps the best result it has found.
void RunDeepPhase(TVexlin& engine, const TOptionValues& options, const TRunControl& control) {
  TDeepSettings settings;
  settings.CostMode = options.CostOptimize;
  settings.Guillotine = options.Guillotine;
  settings.Seconds = options.DeepSeconds;
  settings.StopRequest = control.StopRequest;
  settings.ProgressStep = control.ProgressStep;
  engine.Deep = RunDeepSearch(engine, settings);
}

TRunOutcome RunPhases(TVexlin& engine, const TOptionValues& options, const TRunControl& control) {
  const auto step = [&control] {
    if (control.ProgressStep) control.ProgressStep();
  };
  step();
  if (std::string error = engine.CheckPartCount(); !error.empty()) return Refused(error);
  step();
  engine.AddBladeWidth();
  step();
  if (std::string error = engine.CheckPartSizes(); !error.empty()) return Refused(error);
  if (std::string error = engine.GenAllSeeds(); !error.empty()) return Refused(error);
  if (Stopped(control)) return {TRunEnd::Stopped, {}};
  step();
  engine.GenAllSchemes();
  if (Stopped(control)) return {TRunEnd::Stopped, {}};
  step();
  std::string error = options.CostOptimize ? engine.GenBestCostResult() : engine.GenBestResult();
  if (Stopped(control)) return {TRunEnd::Stopped, {}};
  if (error.empty() && options.DeepOptimize) RunDeepPhase(engine, options, control);
  return Refused(std::move(error));
}

TRunOutcome RunInputsAndPhases(TVexlin& engine, const TPanels& sheets, const TPanels& parts,
                               const TPanels& profiles, const TOptionValues& options,
                               const TRunControl& control) {
  engine.Clear();
  SchemeCallCount = 0;
  engine.Seeds.ProgressStep = control.ProgressStep;
  engine.Seeds.StopRequest = control.StopRequest;
  if (std::string error = AddInputs(engine, sheets, parts, profiles, options); !error.empty()) {
    return Refused(std::move(error));
  }
  TRunOutcome outcome = RunPhases(engine, options, control);
  if (outcome.End != TRunEnd::Finished) return outcome;
  for (TPacket& layout : engine.BestResult.Items) {
    GenerateOffcutParts(layout, options.BladeWidth, options.Guillotine);
  }
  return outcome;
}

}  // namespace

std::string RunOptimization(TVexlin& engine, const TPanels& sheets, const TPanels& parts,
                            const TPanels& profiles, const TOptionValues& options,
                            const std::function<void()>& progressStep) {
  return RunStoppableOptimization(engine, sheets, parts, profiles, options, {progressStep, nullptr})
      .Error;
}

TRunOutcome RunStoppableOptimization(TVexlin& engine, const TPanels& sheets, const TPanels& parts,
                                     const TPanels& profiles, const TOptionValues& options,
                                     const TRunControl& control) {
  const uint32_t randomState = ProcessRandom().State();
  const int32_t seedCounter = SeedCounter;
  TRunOutcome outcome = RunInputsAndPhases(engine, sheets, parts, profiles, options, control);
  // The engine keeps nothing of the caller's once the run is over.
  engine.Seeds.ProgressStep = nullptr;
  engine.Seeds.StopRequest = nullptr;
  if (outcome.End == TRunEnd::Stopped) {
    engine.Clear();
    ProcessRandom().Restore(randomState);
    SeedCounter = seedCounter;
  }
  return outcome;
}

}  // namespace vexlin
