#pragma once

#include <cstdint>

namespace vexlin {

class TPacket;
struct TReportSettings;

// Where the layout view puts a sheet, in pixels: the whole sheet with its trims drawn as a
// frame, and the usable area inside it, scaled as large as the room allows.
struct TSheetViewGeometry {
  double Scale = 0;  // pixels per scaled length unit
  int32_t SheetWidth = 0;
  int32_t SheetHeight = 0;
  int32_t UsableLeft = 0;  // inside the sheet
  int32_t UsableTop = 0;
  int32_t UsableWidth = 0;
  int32_t UsableHeight = 0;
};

// Fits a layout's sheet with its trims into a room of roomWidth x roomHeight pixels (a room
// below 0 counts as 0).
TSheetViewGeometry FitSheetView(const TPacket& layout, const TReportSettings& settings,
                                int32_t roomWidth, int32_t roomHeight);

}  // namespace vexlin
