#include "output/deep_summary_text.h"

#include <array>
#include <utility>

#include "model/pub_func.h"
#include "model/rounding.h"
#include "model/text_table.h"
#include "output/report.h"

namespace vexlin {
namespace {

constexpr std::array<std::pair<TDeepEnd, std::string_view>, 5> kEndWords{{
    {TDeepEnd::WorkDone, "work done"},
    {TDeepEnd::LowerBound, "lower bound"},
    {TDeepEnd::TimeLimit, "time limit"},
    {TDeepEnd::Stopped, "stopped"},
    {TDeepEnd::NothingToImprove, "nothing to improve"},
}};

constexpr std::array<std::pair<TDeepMeasure, std::string_view>, 3> kMeasureWords{{
    {TDeepMeasure::Sheets, "sheets"},
    {TDeepMeasure::Area, "area"},
    {TDeepMeasure::Cost, "cost"},
}};

template <typename Value, size_t N>
std::string_view WordOf(const std::array<std::pair<Value, std::string_view>, N>& words,
                        Value value) {
  for (const auto& [entry, word] : words) {
    if (entry == value) return word;
  }
  return {};
}

template <typename Value, size_t N>
std::optional<Value> ValueOf(const std::array<std::pair<Value, std::string_view>, N>& words,
                             std::string_view word) {
  for (const auto& [entry, text] : words) {
    if (text == word) return entry;
  }
  return std::nullopt;
}

}  // namespace

std::string_view DeepEndWord(TDeepEnd end) {
  return WordOf(kEndWords, end);
}

std::optional<TDeepEnd> DeepEndOfWord(std::string_view word) {
  return ValueOf(kEndWords, word);
}

std::string_view DeepMeasureWord(TDeepMeasure measure) {
  return WordOf(kMeasureWords, measure);
}

std::optional<TDeepMeasure> DeepMeasureOfWord(std::string_view word) {
  return ValueOf(kMeasureWords, word);
}

std::string DeepBoundText(const TDeepSummary& summary, const TReportSettings& settings) {
  switch (summary.Measure) {
    case TDeepMeasure::Sheets:
      return std::to_string(RoundHalfEven(summary.LowerBound));
    case TDeepMeasure::Area:
      return PubFunc().AreaToText(RoundTo(summary.LowerBound, 4)) + Texts().Text("Sqr Caption") +
             settings.UnitText;
    case TDeepMeasure::Cost:
      return LengthText(RoundHalfEven(summary.LowerBound));
  }
  return {};
}

std::string DeepGapText(const TDeepSummary& summary) {
  const std::string gap = PercentText(summary.GapPercent());
  return summary.Optimal() ? gap + " " + Texts().Text("Optimal Caption") : gap;
}

std::string_view DeepEndCaptionKey(TDeepEnd end) {
  switch (end) {
    case TDeepEnd::TimeLimit:
      return "Deep Time Limit Caption";
    case TDeepEnd::Stopped:
      return "Deep Stopped Caption";
    default:
      return {};
  }
}

}  // namespace vexlin
