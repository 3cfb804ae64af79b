#pragma once

#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

#include "model/canvas.h"
#include "model/geometry.h"
#include "model/piece_drawing.h"

namespace vexlin {

class TPacket;
class TSchemes;
struct TReportSettings;

// Colours (0x00BBGGRR) and switches of a layout picture, as the layout tab sets them.
struct TPictureStyle {
  TColor SheetColor = 32768;
  TColor PartColor = 16776960;
  TColor OffcutColor = 65280;
  TDrawSwitches Switches;
  bool ShowOffcuts = true;
  TColor EdgeColor = 8421504;  // the trims round a sheet on screen
};

// Draws the usable area of a layout's sheet and the pieces the view shows: slivers never,
// offcuts only when asked. offset is the device point of the usable area's corner.
void DrawLayout(const TPacket& layout, TCanvas& canvas, TPoint offset, double scale,
                const TPictureStyle& style);

// Writes one SVG picture per layout, named after chosenName with "_" and the layout's number:
// the whole sheet with its trims (settings), fitted into widthPixels as the Layout tab fits
// it into its room. Appends the written files' names to fileNames; returns an empty text, or
// what went wrong.
std::string ExportLayoutPictures(std::string_view chosenName, const TSchemes& result,
                                 const TReportSettings& settings, const TPictureStyle& style,
                                 int32_t widthPixels, std::vector<std::string>& fileNames);

}  // namespace vexlin
