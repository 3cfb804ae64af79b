// Runs job folders in normal, fast and cost mode several times each and prints a table of
// pieces, sheets used, utilisation, median seconds and peak memory. Every run happens in a
// child process, so each starts like a fresh program and its peak memory is its own.

#include <sys/resource.h>
#include <sys/wait.h>
#include <unistd.h>

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <iostream>
#include <string>
#include <vector>

#include "cli/batch_job.h"
#include "optimizer/vexlin.h"

namespace {

using namespace vexlin;

struct TRunStats {
  double Seconds = 0;
  long PeakKiB = 0;
  long Pieces = 0;
  long SheetsUsed = 0;
  double Utilisation = 0;
  bool Ok = false;
};

struct TMode {
  const char* Name;
  std::vector<std::string> Arguments;
};

// The modes of the current search alone, whatever a job's options say of the deep search.
const std::vector<TMode> kModes = {{"normal", {"--no-fast", "--no-cost", "--no-deep"}},
                                   {"fast", {"--fast", "--no-cost", "--no-deep"}},
                                   {"cost", {"--no-fast", "--cost", "--no-deep"}}};

TRunStats RunInThisProcess(const std::string& folder, const TMode& mode) {
  std::vector<std::string> arguments = mode.Arguments;
  arguments.push_back(folder);
  std::string error;
  const TBatchOptions options = ParseBatchArguments(arguments, error);
  TVexlin engine;
  const auto start = std::chrono::steady_clock::now();
  const TBatchRun run = RunBatchJob(options, engine, {});
  TRunStats stats;
  stats.Seconds = std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
  stats.Ok = run.ExitCode == kBatchDone;
  for (const TPacket& layout : engine.BestResult.Items) {
    stats.SheetsUsed += layout.Count;
    stats.Pieces += layout.Count * layout.TotalCount();
  }
  stats.Utilisation = stats.Ok ? engine.BestResult.UsedPercent() : 0.0;
  return stats;
}

TRunStats RunInChild(const std::string& folder, const TMode& mode) {
  int pipeEnds[2];
  if (pipe(pipeEnds) != 0) std::exit(3);
  const pid_t child = fork();
  if (child == 0) {
    close(pipeEnds[0]);
    const TRunStats stats = RunInThisProcess(folder, mode);
    const bool written = write(pipeEnds[1], &stats, sizeof stats) == sizeof stats;
    _exit(written ? 0 : 1);
  }
  close(pipeEnds[1]);
  TRunStats stats;
  const bool read_ok = read(pipeEnds[0], &stats, sizeof stats) == sizeof stats;
  close(pipeEnds[0]);
  int status = 0;
  rusage usage{};
  wait4(child, &status, 0, &usage);
  if (!read_ok) stats.Ok = false;
  stats.PeakKiB = usage.ru_maxrss;
  return stats;
}

void PrintRow(const std::string& job, const TMode& mode, std::vector<TRunStats> runs) {
  std::sort(runs.begin(), runs.end(),
            [](const TRunStats& a, const TRunStats& b) { return a.Seconds < b.Seconds; });
  const TRunStats& median = runs[runs.size() / 2];
  long peak = 0;
  for (const TRunStats& run : runs) peak = std::max(peak, run.PeakKiB);
  std::printf("%-22s %-7s %7ld %7ld %8.2f%% %10.3f %9.1f %s\n", job.c_str(), mode.Name,
              median.Pieces, median.SheetsUsed, median.Utilisation, median.Seconds,
              peak / 1024.0, median.Ok ? "" : "REFUSED");
}

std::vector<std::filesystem::path> JobFolders(int argc, char** argv) {
  std::vector<std::filesystem::path> folders;
  std::error_code error;
  for (const auto& entry : std::filesystem::directory_iterator(VEXLIN_PUBLIC_JOBS_DIR, error)) {
    if (entry.is_directory()) folders.push_back(entry.path());
  }
  std::sort(folders.begin(), folders.end());
  for (int i = 1; i < argc; ++i) {
    if (std::string(argv[i]) != "--runs") folders.emplace_back(argv[i]);
    else ++i;
  }
  return folders;
}

int RunCount(int argc, char** argv) {
  for (int i = 1; i + 1 < argc; ++i) {
    if (std::string(argv[i]) == "--runs") return std::max(1, std::atoi(argv[i + 1]));
  }
  return 5;
}

}  // namespace

int main(int argc, char** argv) {
  const int runs = RunCount(argc, argv);
  std::printf("%-22s %-7s %7s %7s %9s %10s %9s\n", "job", "mode", "pieces", "sheets",
              "utilised", "median s", "peak MiB");
  for (const std::filesystem::path& folder : JobFolders(argc, argv)) {
    for (const TMode& mode : kModes) {
      std::vector<TRunStats> results;
      for (int i = 0; i < runs; ++i) results.push_back(RunInChild(folder.string(), mode));
      PrintRow(folder.filename().string(), mode, results);
    }
  }
  return 0;
}
