#include "optimizer/schemes.h"

namespace vexlin {

TSchemes::TSchemes() { Items.reserve(2048); }

}  // namespace vexlin
