#include "cli/result_json.h"

#include <nlohmann/json.hpp>

#include "model/run_options.h"
#include "optimizer/vexlin.h"
#include "output/deep_summary_text.h"

namespace vexlin {
namespace {

using nlohmann::ordered_json;

// Whole units print without a fraction: 600, not 600.0.
ordered_json Length(int64_t scaled) {
  if (scaled % 1000 == 0) return scaled / 1000;
  return static_cast<double>(scaled) / 1000;
}

const char* ShapeName(uint8_t shape) {
  switch (shape) {
    case kShapeDisc:
      return "disc";
    case kShapeProfile:
      return "profile";
    default:
      return "rectangle";
  }
}

// Rectangles and discs are entered in orientation 1, profiles in 0.
bool Rotated(const T2DStock& piece) {
  const int32_t entered = piece.Shape == kShapeProfile ? 0 : 1;
  return (piece.Orientation - entered) % 2 != 0;
}

ordered_json PieceJson(const T2DStock& piece) {
  const bool offcut = piece.Label.starts_with("OFFCUT_");
  return ordered_json{{"label", piece.Label},
                      {"x", Length(piece.Origin.X)},
                      {"y", Length(piece.Origin.Y)},
                      {"length", Length(piece.NetLength())},
                      {"width", Length(piece.NetWidth())},
                      {"rotated", !offcut && Rotated(piece)},
                      {"shape", ShapeName(piece.Shape)},
                      {"offcut", offcut}};
}

ordered_json LayoutJson(const TPacket& layout) {
  ordered_json pieces = ordered_json::array();
  for (const T2DStock& piece : layout.Pieces) {
    if (!piece.Label.starts_with("ZEROOFFCUT_")) pieces.push_back(PieceJson(piece));
  }
  return ordered_json{{"sheet", layout.Label},
                      {"count", layout.Count},
                      {"length", Length(layout.NetLength())},
                      {"width", Length(layout.NetWidth())},
                      {"utilisation", layout.Utilisation()},
                      {"pieces", std::move(pieces)}};
}

// Sheets as a count, areas in square units, costs in units, as the other totals.
ordered_json BoundJson(const TDeepSummary& deep) {
  switch (deep.Measure) {
    case TDeepMeasure::Sheets:
      return static_cast<int64_t>(deep.LowerBound);
    case TDeepMeasure::Area:
      return deep.LowerBound / 1e6;
    case TDeepMeasure::Cost:
      return deep.LowerBound / 1000;
  }
  return deep.LowerBound;
}

}  // namespace

std::string ResultJson(const TVexlin& engine, const TJsonRunFacts& facts) {
  const bool ok = facts.Message.empty();
  ordered_json layouts = ordered_json::array();
  int64_t sheetsUsed = 0;
  if (ok) {
    for (const TPacket& layout : engine.BestResult.Items) {
      layouts.push_back(LayoutJson(layout));
      sheetsUsed += layout.Count;
    }
  }
  ordered_json result = {{"status", ok ? "ok" : "error"},
                         {"message", facts.Message},
                         {"unit", facts.Run.UnitText},
                         {"blade_width", Length(facts.Run.BladeWidth)},
                         {"length_edge", Length(facts.Run.LengthEdge)},
                         {"width_edge", Length(facts.Run.WidthEdge)},
                         {"guillotine", facts.Run.Guillotine},
                         {"cost_mode", facts.Run.CostOptimize},
                         {"fast_mode", facts.Run.FastOptimize},
                         {"sheets_used", sheetsUsed},
                         {"total_cost", ok ? engine.BestResult.TotalCost() / 1000 : 0.0},
                         {"utilisation", ok ? engine.BestResult.UsedPercent() : 0.0},
                         {"seconds", facts.Seconds},
                         {"layouts", std::move(layouts)}};
  if (ok && engine.Deep.Ran) {
    result["lower_bound"] = BoundJson(engine.Deep);
    result["gap_percent"] = engine.Deep.GapPercent();
    result["deep_end"] = std::string(DeepEndWord(engine.Deep.End));
  }
  return result.dump(2) + "\n";
}

}  // namespace vexlin
