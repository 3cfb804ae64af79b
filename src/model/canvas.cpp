#include "model/canvas.h"

#include "model/rounding.h"

namespace vexlin {

// Compared on doubled coordinates, so the centre is a whole point.
bool SameArcRay(int32_t left, int32_t top, int32_t right, int32_t bottom, int32_t ax, int32_t ay,
                int32_t bx, int32_t by) {
  const int64_t cx2 = int64_t{left} + right;
  const int64_t cy2 = int64_t{top} + bottom;
  const int64_t adx = 2 * int64_t{ax} - cx2;
  const int64_t ady = 2 * int64_t{ay} - cy2;
  const int64_t bdx = 2 * int64_t{bx} - cx2;
  const int64_t bdy = 2 * int64_t{by} - cy2;
  const Int128 cross = Int128{adx} * bdy - Int128{ady} * bdx;
  const Int128 dot = Int128{adx} * bdx + Int128{ady} * bdy;
  return cross == 0 && (dot > 0 || (adx == 0 && ady == 0) || (bdx == 0 && bdy == 0));
}

}  // namespace vexlin
