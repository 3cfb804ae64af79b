#include "input/standard_shapes.h"

#include <algorithm>
#include <cmath>
#include <cstdint>
#include <initializer_list>
#include <limits>

#include "model/pub_func.h"

namespace vexlin {
namespace {

// Parameters in scaled units, as reals for the shape arithmetic.
using TValues = std::array<double, 6>;

// What a shape builder yields before the record is defined.
struct TGeometry {
  int32_t Length = 0;
  int32_t Width = 0;
  int32_t Height = 0;
  int32_t SecondGap = 0;
  int32_t SecondBase = 0;
  int32_t SecondOffset = 0;
  int32_t FirstGap = 0;
  int32_t FirstBase = 0;
  int32_t LengthTrim = 0;
  TExtPolyline Outline;
};

// Rounds reals to scaled lengths, halves to even, and remembers when one did not fit.
class TRounder {
 public:
  int32_t operator()(double x) {
    const double r = std::nearbyint(x);
    if (!(r >= std::numeric_limits<int32_t>::min() && r <= std::numeric_limits<int32_t>::max())) {
      fits_ = false;
      return 0;
    }
    return static_cast<int32_t>(r);
  }
  std::optional<TGeometry> Result(TGeometry geometry) const {
    if (!fits_) return std::nullopt;
    return geometry;
  }

 private:
  bool fits_ = true;
};

TExtPolyline Polygon(std::initializer_list<TPoint> corners) {
  TExtPolyline outline;
  for (const TPoint& p : corners) outline.AddSegment(p, false, false, false, false, {});
  outline.AddSegment({}, false, true, false, false, {});
  return outline;
}

// A chord from first to second on y = 0, closed by an arc that arrives at first.
TExtPolyline Segment(TPoint first, TPoint second, TPoint center, bool largeArc) {
  TExtPolyline outline;
  outline.AddSegment(first, true, false, largeArc, true, center);
  outline.AddSegment(second, false, false, false, false, {});
  outline.AddSegment({}, false, true, false, false, {});
  return outline;
}

std::optional<TGeometry> Triangle1(const TValues& v) {
  const double half = (v[0] + v[1] + v[2]) / 2;
  for (int i = 0; i < 3; ++i) {
    if (v[i] < 0 || !(v[i] < half)) return std::nullopt;
  }
  std::array<double, 3> sides = {v[0], v[1], v[2]};
  std::sort(sides.begin(), sides.end());
  const double d = sides[0], c = sides[1], b = sides[2];
  if (!(c > 0)) return std::nullopt;
  const double s = (b * b - c * c - d * d) / (2 * c);
  const double h = std::sqrt(std::max(0.0, d * d - s * s));
  TRounder R;
  TGeometry g;
  g.Width = g.Height = R(h);
  const int32_t ci = R(c);
  if (s >= 0) {
    const int32_t si = R(s);
    g.Length = g.FirstGap = R(static_cast<double>(si) + ci);
    g.Outline = Polygon({{0, 0}, {g.Length, g.Width}, {si, g.Width}});
    g.SecondBase = ci;
    g.SecondOffset = si;
  } else {
    const int32_t si = R(-s);
    g.Length = g.FirstBase = ci;
    g.Outline = Polygon({{0, 0}, {ci, 0}, {si, g.Width}});
    g.SecondGap = R(static_cast<double>(ci) - si);
    g.SecondOffset = si;
  }
  return R.Result(std::move(g));
}

std::optional<TGeometry> Triangle2(const TValues& v) {
  if (!(v[0] > 0 && v[1] > 0)) return std::nullopt;
  TRounder R;
  TGeometry g;
  g.Length = g.SecondGap = g.FirstBase = R(v[0]);
  g.Width = g.Height = R(v[1]);
  g.Outline = Polygon({{0, 0}, {g.Length, 0}, {0, g.Width}});
  return R.Result(std::move(g));
}

std::optional<TGeometry> Trapezium1(const TValues& v) {
  const double G = v[0], G1 = v[1], G2 = v[2], H = v[3];
  if (!(G > 0 && G1 >= 0 && G2 >= 0 && H > 0)) return std::nullopt;
  const double e = G - G1 - G2;
  TRounder R;
  TGeometry g;
  g.Length = R(e > 0 ? G : G1 + G2);
  g.Width = g.Height = R(H);
  const int32_t h = g.Width;
  if (e >= 0 && G2 < e) {
    g.Outline = Polygon({{0, 0}, {R(G), 0}, {R(G1 + G2), h}, {R(G2), h}});
    g.FirstBase = R(G), g.SecondOffset = R(G2), g.SecondBase = R(G1), g.SecondGap = R(e);
  } else if (e >= 0) {
    // Mirrored, so that the offset of the second side is the smaller gap.
    g.Outline = Polygon({{0, 0}, {R(G), 0}, {R(G - G2), h}, {R(e), h}});
    g.FirstBase = R(G), g.SecondOffset = R(e), g.SecondBase = R(G1), g.SecondGap = R(G2);
  } else if (-e > G2) {
    g.Outline = Polygon({{0, 0}, {R(G), 0}, {R(G1 + G2), h}, {R(G2), h}});
    g.FirstBase = R(G), g.FirstGap = R(-e), g.SecondOffset = R(G2), g.SecondBase = R(G1);
  } else {
    // A half turn puts the longer side first.
    g.Outline = Polygon({{0, 0}, {R(G1), 0}, {R(G1 + G2), h}, {R(G1 + G2 - G), h}});
    g.FirstBase = R(G1), g.FirstGap = R(G2), g.SecondOffset = R(-e), g.SecondBase = R(G);
  }
  return R.Result(std::move(g));
}

std::optional<TGeometry> Trapezium2(const TValues& v) {
  const double G = v[0], G1 = v[1], H = v[2];
  if (!(G > 0 && G1 >= 0 && H > 0)) return std::nullopt;
  TRounder R;
  TGeometry g;
  g.Length = R(std::max(G, G1));
  g.Width = g.Height = R(H);
  g.Outline = Polygon({{0, 0}, {R(G1), 0}, {R(G), g.Width}, {0, g.Width}});
  g.SecondGap = R(g.Length - G), g.SecondBase = R(G);
  g.FirstGap = R(g.Length - G1), g.FirstBase = R(G1);
  return R.Result(std::move(g));
}

std::optional<TGeometry> Trapezium3(const TValues& v) {
  double G = v[0], G1 = v[1], H = v[2];
  if (!(G > 0 && G1 >= 0 && H > 0)) return std::nullopt;
  TRounder R;
  const double D = std::sqrt(G1 * G1 + H * H);
  if (G < R(D)) {
    // Too steep to stand on G: laid on the slanted side instead, keeping the area.
    const double oldG = G;
    G = R(D);
    H = R(oldG * H / D);
    G1 = R(std::sqrt(std::max(0.0, oldG * oldG - H * H)));
  }
  TGeometry g;
  g.Length = R(G1 + G);
  g.Width = g.Height = R(H);
  g.Outline = Polygon({{0, 0}, {R(G), 0}, {g.Length, g.Width}, {R(G1), g.Width}});
  g.SecondBase = g.FirstBase = R(G);
  g.SecondOffset = g.FirstGap = R(G1);
  return R.Result(std::move(g));
}

double SegmentRadius(double G, double H) {
  return (G * G / 4 + H * H) / (2 * H);
}

std::optional<TGeometry> Disc1(const TValues& v) {
  const double G = v[0], H = v[1];
  if (!(G > 0 && H > 0 && G >= 2 * H)) return std::nullopt;
  const double R0 = SegmentRadius(G, H);
  const double theta = std::asin(std::clamp(G / (2 * R0), -1.0, 1.0));
  const double a = R0 * std::tan(theta / 4);
  const double s = std::sqrt(std::fabs(H * R0 - H * H / 4));
  const double m = 2 * s - a;
  TRounder R;
  TGeometry g;
  g.Length = g.FirstBase = R(2 * m);
  g.Width = g.Height = R(H);
  g.LengthTrim = R(m - G / 2);
  g.SecondGap = g.SecondOffset = R(m - a);
  g.SecondBase = R(2 * a);
  const int32_t chord = R(G);
  const TPoint center{chord / 2, -std::abs(R(R0 - H))};
  g.Outline = Segment({0, 0}, {chord, 0}, center, false);
  return R.Result(std::move(g));
}

std::optional<TGeometry> Disc2(const TValues& v) {
  const double G = v[0], H = v[1];
  if (!(G > 0 && H > 0 && G < 2 * H)) return std::nullopt;
  const double R0 = SegmentRadius(G, H);
  TRounder R;
  TGeometry g;
  g.Length = g.SecondBase = g.FirstBase = R(2 * R0);
  g.Width = g.Height = R(H);
  const int32_t r = R(R0);
  const int32_t halfChord = R(G) / 2;
  const TPoint center{r, std::abs(R(R0 - H))};
  g.Outline = Segment({R(static_cast<double>(r) - halfChord), 0},
                      {R(static_cast<double>(r) + halfChord), 0}, center, true);
  return R.Result(std::move(g));
}

struct TShapeKind {
  std::string_view Name;
  size_t ParamCount;
  std::optional<TGeometry> (*Build)(const TValues&);
};

constexpr TShapeKind kShapes[] = {
    {"Triangle1", 3, Triangle1},   {"Triangle2", 2, Triangle2},   {"Trapezium1", 4, Trapezium1},
    {"Trapezium2", 3, Trapezium2}, {"Trapezium3", 3, Trapezium3}, {"Disc1", 2, Disc1},
    {"Disc2", 2, Disc2},
};

std::optional<TValues> ParseParams(const TShapeParams& params, size_t count) {
  TValues values{};
  for (size_t i = 0; i < count; ++i) {
    const std::optional<int32_t> scaled = PubFunc().TextToScaled(params[i]);
    if (!scaled) return std::nullopt;
    values[i] = *scaled;
  }
  return values;
}

TTrapezium DefineRecord(std::string_view label, std::string_view shapeType,
                        const TShapeParams& params, size_t used, int32_t listIndex,
                        const TGeometry& g) {
  TTrapezium record;
  record.SetLengthTrim1(g.LengthTrim);
  record.SetLengthTrim2(g.LengthTrim);
  record.Define(false, label, g.Height, g.SecondGap, g.SecondBase, g.SecondOffset, g.FirstGap,
                g.FirstBase, g.Outline, listIndex);
  record.ShapeType = shapeType;
  std::string* texts[6] = {&record.Param1, &record.Param2, &record.Param3,
                           &record.Param4, &record.Param5, &record.Param6};
  // Parameters the shape does not use are stored empty.
  for (size_t i = 0; i < params.size(); ++i) *texts[i] = i < used ? params[i] : "";
  return record;
}

}  // namespace

std::optional<TStandardShape> BuildStandardShape(std::string_view label, std::string_view shapeType,
                                                 const TShapeParams& params, int32_t listIndex) {
  const auto kind = std::find_if(std::begin(kShapes), std::end(kShapes),
                                 [&](const TShapeKind& k) { return k.Name == shapeType; });
  if (kind == std::end(kShapes)) return std::nullopt;
  const std::optional<TValues> values = ParseParams(params, kind->ParamCount);
  if (!values) return std::nullopt;
  const std::optional<TGeometry> geometry = kind->Build(*values);
  // Rounding can flatten a valid shape (a steep parallelogram laid on its long side); a
  // profile of length or width 0 cannot be cut and would divide by 0 in the run.
  if (!geometry || geometry->Length <= 0 || geometry->Width <= 0) return std::nullopt;
  return TStandardShape{
      geometry->Length, geometry->Width,
      DefineRecord(label, shapeType, params, kind->ParamCount, listIndex, *geometry)};
}

}  // namespace vexlin
