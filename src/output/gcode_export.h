#pragma once

#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

#include "model/geometry.h"
#include "output/dxf_export.h"

namespace vexlin {

class T2DStock;
class TExtPolyline;
class TSchemes;
struct TOptionSettings;

// The lines of a G-code program, without line ends.
using TGCodeLines = std::vector<std::string>;

// A placed piece, cut half a blade width outside its net outline; origin is the usable
// area's top-left corner (thousandths, y down). The heights are copied as typed.
void WriteGCode(const T2DStock& piece, int32_t bladeWidth, TPoint origin, TGCodeLines& lines,
                std::string_view drillDepth, std::string_view safetyHeight);
// A profile outline whose box's top-left corner lies at origin (thousandths, y down).
void WriteGCode(const TExtPolyline& outline, TPoint origin, TGCodeLines& lines,
                std::string_view label, std::string_view drillDepth, std::string_view safetyHeight);

// Writes the layout at index of the result as one G-code program (".gnc"): the usable area,
// then every exported piece. The heights are the options' drill depth and safety height.
TExportedFile ExportGCode(std::string_view chosenName, const TSchemes& result, size_t index,
                          const TReportSettings& settings, const TOptionSettings& options);
// Writes every layout of the result; the error text of the first file that fails (files
// already written stay), "MSG_LAYOUT_IS_EMPTY" for an empty result, otherwise empty.
std::string ExportAllGCode(std::string_view chosenName, const TSchemes& result,
                           const TReportSettings& settings, const TOptionSettings& options);

}  // namespace vexlin
