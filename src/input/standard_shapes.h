#pragma once

#include <array>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

#include "model/trapezium.h"

namespace vexlin {

// The parameter texts of a standard shape as typed, rows 1 to 6 of the parameter grid.
using TShapeParams = std::array<std::string, 6>;

// A standard shape ready to be registered: the bounding box of its profile piece and its
// shape record (named, outline built, parameter texts kept as typed).
struct TStandardShape {
  int32_t Length = 0;
  int32_t Width = 0;
  TTrapezium Record;
};

// Builds "Triangle1", "Triangle2", "Trapezium1", "Trapezium2", "Trapezium3", "Disc1" or
// "Disc2" from its parameters. No value for an unknown shape type, a parameter that is not
// a number, parameters that describe no such shape, or a size beyond 32 bits.
std::optional<TStandardShape> BuildStandardShape(std::string_view label, std::string_view shapeType,
                                                 const TShapeParams& params, int32_t listIndex);

}  // namespace vexlin
