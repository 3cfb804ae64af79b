#pragma once

#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

#include "input/standard_shapes.h"
#include "model/panels.h"
#include "model/trapezium_list.h"

namespace vexlin {

struct TDxfImport;

// The profiles of the Profile tab: the pieces (Shape 2) handed to the optimizer, and their
// shape records, found by the pieces' labels.
struct TProfileLists {
  TPanels Profiles;
  TTrapeziumList* Shapes = &ProfileShapes();
};

// One row of the profile grid.
struct TProfileRow {
  std::string Description;  // label and outline size, "T1 [300X200]"
  std::string Quantity;
};

bool HasProfileLabel(const TProfileLists& lists, std::string_view label);

// "Add": a profile from the imported DXF outline when one is selected, otherwise from the
// standard shape and its parameter texts. Returns the message to show, empty when added.
std::string AddAnyShape(TProfileLists& lists, TDxfImport& dxf, std::string_view label,
                        std::string_view quantityText, std::string_view shapeType,
                        const TShapeParams& params);

// Appends a standard-shape profile; refuses a duplicate label or invalid parameters with
// their message, adding nothing.
std::string AddStandardShape(TProfileLists& lists, std::string_view label,
                             std::string_view shapeType, const TShapeParams& params,
                             int32_t quantity);

std::vector<TProfileRow> ProfileListRows(const TProfileLists& lists);

// Removes profile i (0 for the first grid row) and its shape record; the profiles after it
// keep their ProfileIndex. Nothing happens when there is no profile i.
void DeleteProfile(TProfileLists& lists, size_t i);
void DeleteAllProfiles(TProfileLists& lists);

}  // namespace vexlin
