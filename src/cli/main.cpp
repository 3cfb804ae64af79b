#include <unistd.h>

#include <iostream>
#include <string>
#include <vector>

#include "cli/batch_job.h"

int main(int argc, char** argv) {
  const std::vector<std::string> arguments(argv + 1, argv + argc);
  return vexlin::RunBatchCommand(arguments, std::cout, std::cerr, ::isatty(STDERR_FILENO) == 1);
}
