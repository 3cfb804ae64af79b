#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

#include "model/ext_polyline.h"
#include "model/stock2d.h"
#include "model/trapezium.h"

namespace vexlin {

struct TProfileLists;

// The import's holders: the outline read last (scaled, Y down, box at the origin), the
// shape record and piece reused for every DXF profile, and whether "Add" takes the outline.
struct TDxfImport {
  TExtPolyline Outline;
  TTrapezium Record;
  T2DStock Template;
  bool OutlineSelected = false;
  std::string Path;  // the DXF file imported last
};

// Accepted, or refused with the message to show (some refusals have none).
struct TDxfReadResult {
  bool Accepted = false;
  std::string Message;
};

// The arc of one bulged DXF segment.
struct TBulgeArc {
  TPoint Center;
  bool Clockwise = false;  // the direction flag: set for a bulge >= 0
  bool Large = false;      // more than a half circle
};

// True when the path names a file that can be opened for reading.
bool FileIsThere(const std::string& path);

// Reads every POLYLINE, LWPOLYLINE and CIRCLE of the file into dxf.Outline, one contour
// each, and normalises it. A refused file leaves the outline empty and no outline selected.
// Refused too, with the path in the message: a device or pipe, a file over 64 MB, and an
// outline without length, height or area.
TDxfReadResult ReadDXFFile(TDxfImport& dxf, const std::string& path);

// "Import DXF": reads the file and, when it is accepted, selects its outline for "Add".
TDxfReadResult ImportDXF(TDxfImport& dxf, const std::string& path);

// The centre and flags of the arc from start to end with the given bulge; no value when the
// centre lies beyond 32 bits (a bulge near 0, or the two points equal).
std::optional<TBulgeArc> GetCenterAndClockAndInside(TPoint start, TPoint end, double bulge);

// Appends a profile with the imported outline; the caller has checked the label.
void AddDXFShape(TDxfImport& dxf, TProfileLists& lists, std::string_view label,
                 std::string_view path, int32_t quantity);

}  // namespace vexlin
