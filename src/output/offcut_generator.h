#pragma once

#include <cstdint>

namespace vexlin {

class TPacket;

// Fills the free space of a layout with offcut pieces: "OFFCUT_n" for a remnant longer
// and wider than the blade width, "ZEROOFFCUT_n" for a sliver. A layout whose free space
// is already covered gets nothing, so running it again is harmless. With guillotine on,
// a remnant whose cut-out would leave the layout uncuttable edge to edge is passed over.
void GenerateOffcutParts(TPacket& layout, int32_t bladeWidth, bool guillotine);

}  // namespace vexlin
