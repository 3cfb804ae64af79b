#pragma once

#include <cstdint>
#include <optional>
#include <string>

namespace vexlin {

// The settings of the Configure tab as its controls hold them: texts as typed, check
// states and colours. Nothing here is checked; ReadOptionValues does that for a run.
//
// The two edge trims are named after what they do. LengthEdge is taken off both ends of
// a sheet's length; the window shows it in the box captioned "Length Edge"
// (EditWidthEdge) and files store it under the key "WIDTH_EDGE". WidthEdge is taken off
// both sides of the width; its box is captioned "Width Edge" (EditHeightEdige) and its
// key is "LENGTH_EDGE". The crossed keys are kept so existing files still read right.
struct TOptionSettings {
  std::string BladeWidth = "0";
  bool FastOptimize = true;
  bool CostOptimize = true;
  bool Guillotine = true;
  bool DeepOptimize = false;
  std::string DeepSeconds = "10";
  std::string Measure = "inch";
  std::string PrinterFontSize = "12";
  std::string WidthEdge = "0";
  std::string LengthEdge = "0";
  std::string MinScrapLength = "0";
  std::string MinScrapWidth = "0";
  // Colours are 0x00BBGGRR values.
  int32_t SheetColor = 32768;
  int32_t PartColor = 16776960;
  int32_t EdgeColor = 8421504;
  int32_t OffcutColor = 65280;
  std::string DrillDepth = "-0.02";
  std::string SafetyHeight = "0.02";

  bool operator==(const TOptionSettings&) const = default;
};

// The settings a run works with, lengths scaled.
struct TOptionValues {
  bool Guillotine = false;
  bool FastOptimize = false;
  bool CostOptimize = false;
  bool DeepOptimize = false;
  int32_t DeepSeconds = 10;  // the deep search's time limit
  int32_t BladeWidth = 0;
  int32_t WidthEdge = 0;
  int32_t LengthEdge = 0;
  int32_t MinScrapLength = 0;
  int32_t MinScrapWidth = 0;
  std::string Measure;
};

// The settings checked for a run, in this order.
enum class TOptionField {
  BladeWidth,
  WidthEdge,
  LengthEdge,
  MinScrapLength,
  MinScrapWidth,
  DeepSeconds
};

// The accepted time limits of the deep search, in whole seconds.
constexpr int32_t kMinDeepSeconds = 1;
constexpr int32_t kMaxDeepSeconds = 3600;

struct TOptionFault {
  std::string Message;
  TOptionField Field = TOptionField::BladeWidth;
};

// Sets the number converter to three decimals, then scales the five lengths and reads the
// deep search's seconds in the order of TOptionField; the first length that is not a number
// or is negative, or seconds that are not a whole number in the accepted range, is the fault.
std::optional<TOptionFault> ReadOptionValues(const TOptionSettings& settings,
                                             TOptionValues& values);

// Hands blade width, the three flags and the unit to the engine's process-wide values.
void ApplyOptionValues(const TOptionValues& values);
// The process-wide values as the last ApplyOptionValues left them; the other fields are 0.
TOptionValues AppliedOptionValues();

}  // namespace vexlin
