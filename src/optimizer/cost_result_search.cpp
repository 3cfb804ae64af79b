#include "model/text_table.h"
#include "optimizer/vexlin.h"

namespace vexlin {

// Stub until the cost search is built: no result is found.
std::string TVexlin::GenBestCostResult() {
  BestResult.Clear();
  return Texts().Text("MSG_CANT_GET_RESULT");
}

}  // namespace vexlin
