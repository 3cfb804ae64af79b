#pragma once

#include <string>
#include <vector>

namespace vexlin {

// What one run of the vexlin-batch program gave.
struct TBatchProcess {
  int ExitCode = -1;
  std::string Out;
  std::string Err;
};

// Runs the built vexlin-batch program with the arguments, as a script would.
TBatchProcess RunBatchProgram(const std::vector<std::string>& arguments);
// The same with standard error on a terminal, as a user at a console sees it; standard
// output is dropped.
TBatchProcess RunBatchProgramOnTerminal(const std::vector<std::string>& arguments);

std::string ReadWholeFile(const std::string& path);

}  // namespace vexlin
