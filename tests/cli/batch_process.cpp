#include "cli/batch_process.h"

#include <sys/wait.h>
#include <unistd.h>

#include <cstdio>
#include <filesystem>
#include <fstream>
#include <iterator>

namespace vexlin {
namespace {

std::string Quoted(const std::string& text) {
  std::string quoted = "'";
  for (char c : text) quoted += c == '\'' ? std::string("'\\''") : std::string(1, c);
  return quoted + "'";
}

}  // namespace

std::string ReadWholeFile(const std::string& path) {
  std::ifstream in(path, std::ios::binary);
  return {std::istreambuf_iterator<char>(in), {}};
}

TBatchProcess RunBatchProgram(const std::vector<std::string>& arguments) {
  const std::string errPath = (std::filesystem::temp_directory_path() /
                               ("vexlin_batch_err_" + std::to_string(::getpid())))
                                  .string();
  std::string command = Quoted(VEXLIN_BATCH_PROGRAM);
  for (const std::string& argument : arguments) command += ' ' + Quoted(argument);
  command += " 2>" + Quoted(errPath);
  TBatchProcess result;
  FILE* pipe = ::popen(command.c_str(), "r");
  if (pipe == nullptr) return result;
  char buffer[4096];
  size_t count;
  while ((count = std::fread(buffer, 1, sizeof buffer, pipe)) > 0) result.Out.append(buffer, count);
  const int status = ::pclose(pipe);
  result.ExitCode = WIFEXITED(status) ? WEXITSTATUS(status) : -1;
  result.Err = ReadWholeFile(errPath);
  std::filesystem::remove(errPath);
  return result;
}

}  // namespace vexlin
