#include "cli/batch_process.h"

#include <fcntl.h>
#include <pty.h>
#include <sys/wait.h>
#include <termios.h>
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

std::vector<char*> ArgumentVector(std::vector<std::string>& arguments) {
  std::vector<char*> vector;
  for (std::string& argument : arguments) vector.push_back(argument.data());
  vector.push_back(nullptr);
  return vector;
}

}  // namespace

std::string ReadWholeFile(const std::string& path) {
  std::ifstream in(path, std::ios::binary);
  return {std::istreambuf_iterator<char>(in), {}};
}

TBatchProcess RunBatchProgram(const std::vector<std::string>& arguments) {
  const std::string errPath =
      (std::filesystem::temp_directory_path() / ("vexlin_batch_err_" + std::to_string(::getpid())))
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

TBatchProcess RunBatchProgramOnTerminal(const std::vector<std::string>& arguments) {
  std::vector<std::string> command{VEXLIN_BATCH_PROGRAM};
  command.insert(command.end(), arguments.begin(), arguments.end());
  std::vector<char*> argv = ArgumentVector(command);
  TBatchProcess result;
  int terminal = -1;
  int program = -1;
  termios raw{};
  ::cfmakeraw(&raw);  // line ends pass as written
  if (::openpty(&terminal, &program, nullptr, &raw, nullptr) != 0) return result;
  const pid_t child = ::fork();
  if (child == 0) {
    const int nowhere = ::open("/dev/null", O_WRONLY);
    ::dup2(nowhere, STDOUT_FILENO);
    ::dup2(program, STDERR_FILENO);
    ::close(terminal);
    ::execv(argv[0], argv.data());
    ::_exit(127);
  }
  ::close(program);
  char buffer[4096];
  ssize_t count;
  // The terminal reports an error once the program has closed its side.
  while ((count = ::read(terminal, buffer, sizeof buffer)) > 0) result.Err.append(buffer, count);
  ::close(terminal);
  int status = 0;
  ::waitpid(child, &status, 0);
  result.ExitCode = WIFEXITED(status) ? WEXITSTATUS(status) : -1;
  return result;
}

}  // namespace vexlin
