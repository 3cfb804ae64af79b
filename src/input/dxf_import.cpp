#include "input/dxf_import.h"

#include <algorithm>
#include <array>
#include <charconv>
#include <cmath>
#include <filesystem>
#include <fstream>
#include <limits>
#include <numbers>
#include <utility>
#include <vector>

#include "input/profile_list.h"
#include "model/text_encoding.h"
#include "model/text_table.h"

namespace vexlin {
namespace {

constexpr int kMaxIndex = 1000;

enum class TStatus { Ok, Refused, TooLarge };

std::optional<int32_t> RoundToInt32(double x) {
  const double r = std::nearbyint(x);
  if (!(r >= std::numeric_limits<int32_t>::min() && r <= std::numeric_limits<int32_t>::max())) {
    return std::nullopt;
  }
  return static_cast<int32_t>(r);
}

std::optional<TPoint> RoundPoint(double x, double y) {
  const std::optional<int32_t> rx = RoundToInt32(x);
  const std::optional<int32_t> ry = RoundToInt32(y);
  if (!rx || !ry) return std::nullopt;
  return TPoint{*rx, *ry};
}

// Numbers in DXF files always use ".", whatever the locale.
std::optional<double> ParseNumber(std::string_view text) {
  if (!text.empty() && text.front() == '+') text.remove_prefix(1);
  double value = 0;
  const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), value);
  if (text.empty() || error != std::errc() || end != text.data() + text.size() ||
      !std::isfinite(value)) {
    return std::nullopt;
  }
  return value;
}

// The file's lines, trimmed of blanks and control characters (CR LF or LF line ends).
std::vector<std::string_view> SplitLines(std::string_view text) {
  std::vector<std::string_view> lines;
  while (!text.empty()) {
    const size_t end = std::min(text.find('\n'), text.size());
    std::string_view line = text.substr(0, end);
    while (!line.empty() && static_cast<unsigned char>(line.front()) <= ' ') line.remove_prefix(1);
    while (!line.empty() && static_cast<unsigned char>(line.back()) <= ' ') line.remove_suffix(1);
    lines.push_back(line);
    text.remove_prefix(std::min(end + 1, text.size()));
  }
  return lines;
}

// Walks the lines three times, once per entity kind, appending contours to the outline.
class TDxfReader {
 public:
  TDxfReader(const std::vector<std::string_view>& lines, TExtPolyline& outline)
      : lines_(lines), outline_(outline) {}

  TStatus ReadAll() {
    TStatus status = Scan("POLYLINE", &TDxfReader::ReadOldPolyline);
    if (status == TStatus::Ok) status = Scan("LWPOLYLINE", &TDxfReader::ReadLightPolylines);
    if (status == TStatus::Ok) status = Scan("CIRCLE", &TDxfReader::ReadCircles);
    return status;
  }

 private:
  TStatus Scan(std::string_view entity, TStatus (TDxfReader::*read)()) {
    pos_ = 0;
    while (pos_ < lines_.size()) {
      if (lines_[pos_++] != entity) continue;
      ClearEntity();
      const TStatus status = (this->*read)();
      if (status != TStatus::Ok) return status;
    }
    return TStatus::Ok;
  }

  // A pair cut short by the end of the file counts as the end.
  bool NextPair(std::string_view& code, std::string_view& value) {
    if (pos_ + 1 >= lines_.size()) return false;
    code = lines_[pos_];
    value = lines_[pos_ + 1];
    pos_ += 2;
    return true;
  }

  void ClearEntity() {
    x_.fill(0);
    y_.fill(0);
    bulge_.fill(0);
    radius_.fill(0);
    last_ = -1;
  }

  // Code 10 starts a vertex; 20, 42 (or 40 for circles) belong to the current one.
  TStatus Store(std::string_view code, std::string_view value, bool circle) {
    const bool known = code == "10" || code == "20" || code == (circle ? "40" : "42");
    if (!known) return TStatus::Ok;
    const std::optional<double> number = ParseNumber(value);
    if (!number) return TStatus::Refused;
    if (code == "10") {
      if (++last_ > kMaxIndex) return TStatus::Refused;
      x_[last_] = *number * 1000;
    } else if (last_ < 0) {
      // Nothing to attach to before the first point.
    } else if (code == "20") {
      y_[last_] = *number * 1000;
    } else if (circle) {
      radius_[last_] = *number * 1000;
    } else {
      bulge_[last_] = *number;
    }
    return TStatus::Ok;
  }

  TStatus ReadOldPolyline() {
    std::string_view code, value;
    while (NextPair(code, value)) {
      if (code == "0" && (value == "ENDSEC" || value == "SEQEND")) break;
      const TStatus status = Store(code, value, false);
      if (status != TStatus::Ok) return status;
    }
    // Entry 0 is the header's own point.
    const TStatus status = last_ >= 1 ? EmitContour(1, last_) : TStatus::Ok;
    EndContour();
    return status;
  }

  TStatus ReadLightPolylines() {
    std::string_view code, value;
    while (NextPair(code, value)) {
      const TStatus status = code == "0" ? EmitLight() : Store(code, value, false);
      if (status != TStatus::Ok) return status;
      if (code == "0" && value != "LWPOLYLINE") break;
    }
    return TStatus::Ok;
  }

  TStatus EmitLight() {
    const TStatus status = last_ >= 0 ? EmitContour(0, last_) : TStatus::Ok;
    EndContour();
    ClearEntity();
    return status;
  }

  TStatus ReadCircles() {
    std::string_view code, value;
    while (NextPair(code, value)) {
      const TStatus status = code == "0" ? EmitCircle() : Store(code, value, true);
      if (status != TStatus::Ok) return status;
      if (code == "0" && value != "CIRCLE") break;
    }
    return TStatus::Ok;
  }

  TStatus EmitCircle() {
    const std::optional<TPoint> center = RoundPoint(x_[0], y_[0]);
    const std::optional<TPoint> top = RoundPoint(x_[0], y_[0] + radius_[0]);
    ClearEntity();
    if (!center || !top) return TStatus::TooLarge;
    outline_.AddSegment(*top, true, false, true, true, *center);
    outline_.AddSegment(*top, false, false, false, false, {});
    EndContour();
    return TStatus::Ok;
  }

  // The closing segment, from the last vertex back to the first, always exists.
  TStatus EmitContour(int first, int last) {
    std::vector<TPoint> points;
    for (int i = first; i <= last; ++i) {
      const std::optional<TPoint> p = RoundPoint(x_[i], y_[i]);
      if (!p) return TStatus::TooLarge;
      points.push_back(*p);
    }
    const int count = last - first + 1;
    for (int k = 0; k < count; ++k) {
      const int b = k == 0 ? count - 1 : k - 1;
      const double bulge = bulge_[first + b];
      if (bulge == 0) {
        outline_.AddSegment(points[k], false, false, false, false, {});
        continue;
      }
      if (points[b] == points[k]) continue;  // no zero-length arcs
      const std::optional<TBulgeArc> arc = GetCenterAndClockAndInside(points[b], points[k], bulge);
      if (!arc) return TStatus::TooLarge;
      outline_.AddSegment(points[k], true, false, arc->Large, arc->Clockwise, arc->Center);
    }
    return TStatus::Ok;
  }

  void EndContour() { outline_.AddSegment({}, false, true, false, false, {}); }

  const std::vector<std::string_view>& lines_;
  TExtPolyline& outline_;
  size_t pos_ = 0;
  int last_ = -1;
  std::array<double, kMaxIndex + 1> x_{}, y_{}, bulge_{}, radius_{};
};

// Drawings of profiles are small; anything larger is not a drawing to read whole.
constexpr std::uintmax_t kMaxDxfBytes = std::uintmax_t{64} << 20;

std::string Named(std::string_view key, const std::string& path) {
  return Texts().Text(key) + "\n" + path;
}

// At most one block past the limit is read, so a file that grows meanwhile is caught too.
std::optional<std::string> ReadBytes(const std::string& path) {
  std::ifstream in(path, std::ios::binary);
  std::string bytes;
  char block[65536];
  while (bytes.size() <= kMaxDxfBytes && in.read(block, sizeof block).gcount() > 0) {
    bytes.append(block, static_cast<size_t>(in.gcount()));
  }
  if (in.bad()) return std::nullopt;
  return bytes;
}

// A device or a pipe may never end, and is never opened; a folder cannot be opened.
std::optional<std::string> FileFault(const std::string& path) {
  std::error_code error;
  const std::filesystem::file_status status = std::filesystem::status(path, error);
  if (std::filesystem::exists(status) && !std::filesystem::is_regular_file(status) &&
      !std::filesystem::is_directory(status)) {
    return Named("MSG_DXF_FILE_NOT_REGULAR", path);
  }
  if (!FileIsThere(path)) return Texts().Text("MSG_CANT_OPEN_FILE");
  const std::uintmax_t size = std::filesystem::file_size(path, error);
  if (!error && size > kMaxDxfBytes) return Named("MSG_DXF_FILE_TOO_LARGE", path);
  return std::nullopt;
}

bool HasVertex(const TExtPolyline& outline) {
  return std::any_of(outline.Segments.begin(), outline.Segments.end(),
                     [](const TPolySegment& s) { return !s.ClosesLoop; });
}

TDxfReadResult ReadOutline(TExtPolyline& outline, const std::string& path) {
  if (std::optional<std::string> fault = FileFault(path)) return {false, std::move(*fault)};
  const std::optional<std::string> bytes = ReadBytes(path);
  if (!bytes) return {};
  if (bytes->size() > kMaxDxfBytes) return {false, Named("MSG_DXF_FILE_TOO_LARGE", path)};
  const std::string text = DecodeTextFile(*bytes);
  const std::vector<std::string_view> lines = SplitLines(text);
  const TStatus status = TDxfReader(lines, outline).ReadAll();
  if (status == TStatus::TooLarge) return {false, Texts().Text("MSG_DXF_ERROR_OUTSIDE")};
  if (status == TStatus::Refused) return {};
  if (!HasVertex(outline)) return {false, Texts().Text("MSG_NOT_FIND_POLYLINE_DATA")};
  std::string error;
  outline.Normalize(error);
  if (!error.empty()) return {false, error};
  // A profile without length, height or area cannot be cut, and sizes of 0 would divide.
  if (outline.IsDegenerate()) return {false, Named("MSG_DXF_OUTLINE_DEGENERATE", path)};
  return {true, {}};
}

}  // namespace

bool FileIsThere(const std::string& path) {
  if (path.empty()) return false;
  std::error_code error;
  if (std::filesystem::is_directory(path, error)) return false;
  return std::ifstream(path, std::ios::binary).is_open();
}

TDxfReadResult ReadDXFFile(TDxfImport& dxf, const std::string& path) {
  dxf.Outline.ClearSegments();
  dxf.Outline.SetExtentX(0);
  dxf.Outline.SetExtentY(0);
  TDxfReadResult result = ReadOutline(dxf.Outline, path);
  if (!result.Accepted) {
    // A refused outline must not be added as a profile later.
    dxf.Outline.ClearSegments();
    dxf.OutlineSelected = false;
  }
  return result;
}

TDxfReadResult ImportDXF(TDxfImport& dxf, const std::string& path) {
  TDxfReadResult result = ReadDXFFile(dxf, path);
  if (result.Accepted) {
    dxf.OutlineSelected = true;
    dxf.Path = path;
  }
  return result;
}

std::optional<TBulgeArc> GetCenterAndClockAndInside(TPoint start, TPoint end, double bulge) {
  constexpr double pi = std::numbers::pi;
  const double xs = start.X, ys = start.Y, xe = end.X, ye = end.Y;
  const double l = std::hypot(xe - xs, ye - ys) / 2;
  double a = 4 * std::atan(std::fabs(bulge));
  if (a > pi) a = 2 * pi - a;
  // Equal points or a bulge too small to bend give no circle.
  if (l == 0 || std::sin(a / 2) == 0) return std::nullopt;
  const double t = std::acos(std::clamp((xe - xs) / (2 * l), -1.0, 1.0));
  const double u = ye - ys > 0 ? 2 * pi - t : t;
  const double o = pi / 2 - a / 2;
  const double r = l / std::sin(a / 2);
  const bool second = bulge >= 1 || (bulge >= -1 && bulge < 0);
  const double angle = second ? u + o : u - o;
  const std::optional<TPoint> center =
      RoundPoint(xs + r * std::cos(angle), ys - r * std::sin(angle));
  if (!center) return std::nullopt;
  return TBulgeArc{*center, bulge >= 0, std::fabs(bulge) >= 1};
}

void AddDXFShape(TDxfImport& dxf, TProfileLists& lists, std::string_view label,
                 std::string_view path, int32_t quantity) {
  const int32_t extentX = dxf.Outline.ExtentX;
  const int32_t extentY = dxf.Outline.ExtentY;
  dxf.Record.SetLengthTrim1(0);
  dxf.Record.SetLengthTrim2(0);
  dxf.Record.Define(true, label, extentY, 0, extentX, 0, 0, extentX, dxf.Outline,
                    static_cast<int32_t>(lists.Shapes->Size()));
  dxf.Record.ShapeType = path;
  lists.Shapes->AddOrReplace(dxf.Record);
  dxf.Template.SetLabel(label)
      .SetCount(quantity)
      .SetLength(extentX)
      .SetWidth(extentY)
      .SetProfileIndex(static_cast<int32_t>(lists.Profiles.Size()))
      .SetOrientation(0)
      .SetShape(kShapeProfile);
  lists.Profiles.AddCopy(dxf.Template);
}

}  // namespace vexlin
