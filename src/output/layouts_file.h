#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <vector>

#include "input/option_values.h"
#include "model/trapezium_list.h"

namespace vexlin {

class TVexlin;

// The cutting settings a saved result needs for its drawings and reports, lengths scaled.
// LengthEdge is taken off a sheet's length and is stored under "WIDTH_EDGE"; WidthEdge
// is taken off its width and is stored under "LENGTH_EDGE", as in the options file.
struct TLayoutSettings {
  int32_t BladeWidth = 0;
  std::string Unit = "cm";
  int32_t LengthEdge = 0;
  int32_t WidthEdge = 0;

  bool operator==(const TLayoutSettings&) const = default;
};

// The run's option flags, so that a report of the loaded result names them; files of older
// versions do not hold them. "DEEP_OPTIMIZE" is written only for a deep-searched result, so
// a file without it holds a result of the current search alone.
struct TLayoutFlags {
  std::optional<bool> Guillotine;
  std::optional<bool> CostOptimize;
  std::optional<bool> FastOptimize;
  bool DeepOptimize = false;
};

struct TLayoutsLoad {
  // Empty when the file was loaded; otherwise why it was refused, naming the file.
  std::string Error;
  // What to tell about a loaded result: profiles of its pieces that cannot be found.
  std::vector<std::string> Warnings;
  // The settings read from the file; defaults when Error is set.
  TLayoutSettings Settings;
  TLayoutFlags Flags;
};

// The options a loaded result was cut with; flags that older files lack are taken from
// current, as a run would take them, except the deep search, which they never ran.
TOptionValues LoadedOptionValues(const TLayoutsLoad& load, const TOptionValues& current);

// Writes the result of the engine (its layouts, part list, sheet list and the shape records
// of its profiles) with the settings to a layouts file, replacing its content. Returns an
// empty text, the message "MSG_LAYOUT_IS_EMPTY" when there is nothing to save, or what went
// wrong on writing.
std::string SaveLayoutsFile(const std::string& path, const TVexlin& engine,
                            const TLayoutSettings& settings, const TLayoutFlags& flags = {});

// Replaces the engine's state with a saved result, the profile shape list with the result's
// profiles, and the process-wide blade width and unit text with the file's. A file without
// profiles of its own (an older one) takes currentShapes. A missing file or section reads as
// an empty result. A damaged file (a setting that is not a length of 0 or more, a counted
// layout that is missing, a piece without its part type or off its sheet, ...) is refused in
// Error and nothing changes.
TLayoutsLoad LoadLayoutsFile(const std::string& path, TVexlin& engine,
                             const TTrapeziumList& currentShapes = ProfileShapes());

}  // namespace vexlin
