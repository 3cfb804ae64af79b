#pragma once

#include <optional>
#include <string>
#include <string_view>

#include "optimizer/deep/deep_search.h"

namespace vexlin {

struct TReportSettings;

// The words a saved result and the batch tool's JSON name a deep search's end and measure
// by ("time limit", "sheets"), and back; no value for a word that names none.
std::string_view DeepEndWord(TDeepEnd end);
std::optional<TDeepEnd> DeepEndOfWord(std::string_view word);
std::string_view DeepMeasureWord(TDeepMeasure measure);
std::optional<TDeepMeasure> DeepMeasureOfWord(std::string_view word);

// The lower bound as the report shows values of its measure: whole sheets, an area with
// the square caption and unit, or a cost.
std::string DeepBoundText(const TDeepSummary& summary, const TReportSettings& settings);
// The gap in percent, followed by the word for optimal when the result is at its bound.
std::string DeepGapText(const TDeepSummary& summary);
// The caption key of why the search ended, for ends that make a result depend on the
// machine; empty otherwise.
std::string_view DeepEndCaptionKey(TDeepEnd end);

}  // namespace vexlin
