#pragma once

#include <string>

#include "input/option_values.h"

namespace vexlin {

// The options file: one section "OPTION" carrying the Configure tab's settings.

// A missing file or key gives the key's default; the unit's default is the current unit
// text. A flag is set only by the exact text "T" ("DEEP_OPTIMIZE" is off when missing, the
// other flags on); a colour that is not a number reads as
// its default.
TOptionSettings ReadOptionsFile(const std::string& path);

// Overwrites the eighteen keys and keeps every other section and key of the file. Returns
// an empty text, or what went wrong when the file could not be written.
std::string WriteOptionsFile(const std::string& path, const TOptionSettings& settings);

}  // namespace vexlin
