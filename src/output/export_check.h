#pragma once

#include <string>

namespace vexlin {

class TSchemes;

// Why the result cannot be exported whole: the first piece that could not be drawn or cut
// (its profile is not in the profile shape list, or its shape is unknown), named in
// "MSG_PIECE_CANT_BE_EXPORTED". Empty when every piece can be. An export checks this before
// it writes anything, so that no file leaves a piece out unnoticed.
std::string UnexportablePieceMessage(const TSchemes& result);

}  // namespace vexlin
