#include "input/option_values.h"

#include <array>
#include <string_view>

#include "input/grid_rows.h"
#include "model/pub_func.h"
#include "model/run_options.h"
#include "model/text_table.h"
#include "model/value_limits.h"

namespace vexlin {
namespace {

struct TScaledSetting {
  TOptionField Field;
  const std::string TOptionSettings::*Text;
  int32_t TOptionValues::*Value;
  std::string_view MessageKey;
};

constexpr std::array<TScaledSetting, 5> kScaledSettings = {{
    {TOptionField::BladeWidth, &TOptionSettings::BladeWidth, &TOptionValues::BladeWidth,
     "MSG_BLADE_WIDTH_FORMAT_INVALID"},
    {TOptionField::WidthEdge, &TOptionSettings::WidthEdge, &TOptionValues::WidthEdge,
     "MSG_WIDTH_EDGE_FORMAT_INVALID"},
    {TOptionField::LengthEdge, &TOptionSettings::LengthEdge, &TOptionValues::LengthEdge,
     "MSG_LENGTH_EDGE_FORMAT_INVALID"},
    {TOptionField::MinScrapLength, &TOptionSettings::MinScrapLength, &TOptionValues::MinScrapLength,
     "MSG_MIN_SCRAP_LENGTH_FORMAT_INVALID"},
    {TOptionField::MinScrapWidth, &TOptionSettings::MinScrapWidth, &TOptionValues::MinScrapWidth,
     "MSG_MIN_SCRAP_WIDTH_FORMAT_INVALID"},
}};

std::optional<int32_t> DeepSecondsOf(const std::string& text) {
  const std::optional<int32_t> seconds = TextToWhole(text);
  if (!seconds || *seconds < kMinDeepSeconds || *seconds > kMaxDeepSeconds) return std::nullopt;
  return seconds;
}

}  // namespace

std::optional<TOptionFault> ReadOptionValues(const TOptionSettings& settings,
                                             TOptionValues& values) {
  PubFunc().SetDecimalPlaces(3);
  values.Guillotine = settings.Guillotine;
  values.FastOptimize = settings.FastOptimize;
  values.CostOptimize = settings.CostOptimize;
  values.DeepOptimize = settings.DeepOptimize;
  for (const TScaledSetting& setting : kScaledSettings) {
    const std::optional<int32_t> value = PubFunc().TextToScaled(settings.*setting.Text);
    if (!value || *value < 0 || *value > kMaxScaledLength)
      return TOptionFault{Texts().Text(setting.MessageKey), setting.Field};
    values.*setting.Value = *value;
  }
  const std::optional<int32_t> seconds = DeepSecondsOf(settings.DeepSeconds);
  if (!seconds) {
    return TOptionFault{Texts().Text("MSG_DEEP_SECONDS_FORMAT_INVALID"), TOptionField::DeepSeconds};
  }
  values.DeepSeconds = *seconds;
  values.Measure = settings.Measure;
  return std::nullopt;
}

void ApplyOptionValues(const TOptionValues& values) {
  BladeWidth = values.BladeWidth;
  GuillotineMode = values.Guillotine;
  FastMode = values.FastOptimize;
  CostMode = values.CostOptimize;
  UnitText = values.Measure;
}

TOptionValues AppliedOptionValues() {
  TOptionValues values;
  values.BladeWidth = BladeWidth;
  values.Guillotine = GuillotineMode;
  values.FastOptimize = FastMode;
  values.CostOptimize = CostMode;
  values.Measure = UnitText;
  return values;
}

}  // namespace vexlin
