#pragma once

namespace vexlin {

class TPacket;
class TVexlin;

// How often "Auto Rearrange" lets the search try to fit a layout's parts on one sheet; the
// tries differ only through the search's random choices.
inline constexpr int kRearrangeTries = 11;

// "Auto Rearrange": lays out the parts of one layout again on its own sheet with the second
// engine (cleared first), using the process-wide blade width and guillotine mode. The first
// try that puts them all on a single sheet replaces the layout's pieces; the layout keeps its
// sheet count and sheet type, and gets its offcut pieces. Returns false, the layout
// unchanged, when no try succeeds or the engine refuses the inputs.
bool LayoutAgainClick(TVexlin& second, TPacket& layout);

}  // namespace vexlin
