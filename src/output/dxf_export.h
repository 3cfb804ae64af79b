#pragma once

#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>

#include "model/geometry.h"
#include "output/report.h"

namespace vexlin {

class T2DStock;
class TDXFOut;
class TExtPolyline;
class TSchemes;

// Which texts go with each piece of an exported drawing.
struct TDXFShowFlags {
  bool Label = false;
  bool Size = false;
  bool Position = false;
};

// One exported file: its name, and what went wrong (empty when it was written).
struct TExportedFile {
  std::string FileName;
  std::string Error;
};

// A placed piece; origin is the usable area's top-left corner in drawing thousandths (y up).
// Net sizes are the stored sizes less bladeWidth.
void WriteDXF(const T2DStock& piece, int32_t bladeWidth, TPoint origin, TDXFOut& out,
              std::string_view layer, const TDXFShowFlags& show);
// A profile outline whose box's top-left corner lies at origin (drawing thousandths, y up).
void WriteDXF(const TExtPolyline& outline, TPoint origin, TDXFOut& out, std::string_view layer,
              std::string_view label, bool showLabel, bool showSize);

// The file of one layout: the chosen name without the extension (when it has it), "_", the
// layout's number from 1, and the extension (".dxf").
std::string LayoutFileName(std::string_view chosenName, size_t index, std::string_view extension);

// Writes the layout at index of the result as one DXF drawing with its report lines.
TExportedFile SaveDXFFile(std::string_view chosenName, const TSchemes& result, size_t index,
                          const TReportSettings& settings, const TDXFShowFlags& show,
                          const TReportClock& clock = LocalDateTime);
// Writes every layout of the result; the error text of the first file that fails (files
// already written stay), "MSG_LAYOUT_IS_EMPTY" for an empty result, otherwise empty.
std::string ExportAllDXF(std::string_view chosenName, const TSchemes& result,
                         const TReportSettings& settings, const TDXFShowFlags& show,
                         const TReportClock& clock = LocalDateTime);

}  // namespace vexlin
