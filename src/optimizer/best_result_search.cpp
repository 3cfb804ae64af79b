#include "model/text_table.h"
#include "optimizer/vexlin.h"

namespace vexlin {

// Stub until the best-result search is built: no result is found.
std::string TVexlin::GenBestResult() {
  BestResult.Clear();
  return Texts().Text("MSG_CANT_GET_RESULT");
}

}  // namespace vexlin
