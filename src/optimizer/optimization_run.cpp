#include "optimizer/optimization_run.h"

#include "input/option_values.h"
#include "model/panels.h"
#include "model/rounding.h"
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

std::string RunPhases(TVexlin& engine, const TOptionValues& options,
                      const std::function<void()>& step) {
  step();
  if (std::string error = engine.CheckPartCount(); !error.empty()) return error;
  step();
  engine.AddBladeWidth();
  step();
  if (std::string error = engine.CheckPartSizes(); !error.empty()) return error;
  if (std::string error = engine.GenAllSeeds(); !error.empty()) return error;
  step();
  engine.GenAllSchemes();
  step();
  return options.CostOptimize ? engine.GenBestCostResult() : engine.GenBestResult();
}

}  // namespace

std::string RunOptimization(TVexlin& engine, const TPanels& sheets, const TPanels& parts,
                            const TPanels& profiles, const TOptionValues& options,
                            const std::function<void()>& progressStep) {
  const std::function<void()> step = progressStep ? progressStep : [] {};
  engine.Clear();
  SchemeCallCount = 0;
  engine.Seeds.ProgressStep = progressStep;
  std::string error = AddInputs(engine, sheets, parts, profiles, options);
  if (error.empty()) error = RunPhases(engine, options, step);
  if (!error.empty()) return error;
  for (TPacket& layout : engine.BestResult.Items) {
    GenerateOffcutParts(layout, options.BladeWidth, options.Guillotine);
  }
  return {};
}

}  // namespace vexlin
