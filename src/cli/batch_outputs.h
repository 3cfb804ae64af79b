#pragma once

#include <iosfwd>

namespace vexlin {

class TVexlin;
struct TBatchOptions;
struct TBatchRun;

// Writes what the command line asks for: the report (standard output or a file), the JSON
// result, and, after a successful run, the saved result, drawings, programs and pictures.
// Says on err what could not be written; false then.
bool WriteBatchOutputs(const TBatchOptions& options, TVexlin& engine, const TBatchRun& run,
                       std::ostream& out, std::ostream& err);

}  // namespace vexlin
