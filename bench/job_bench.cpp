// Runs job folders in normal, fast, cost and deep mode several times each and prints a
// table of pieces, sheets used, utilisation, median seconds and peak memory, then a table
// of how close each mode comes to the job's lower bound. Every run happens in a child
// process, so each starts like a fresh program and its peak memory is its own.

#include <sys/resource.h>
#include <sys/wait.h>
#include <unistd.h>

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <string>
#include <vector>

#include "cli/batch_job.h"
#include "input/options_file.h"
#include "optimizer/deep/lower_bound.h"
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
  // In the job's measure, as its own options choose it, in the user's units.
  TDeepMeasure Measure = TDeepMeasure::Sheets;
  double Value = 0;
  double LowerBound = 0;
};

struct TMode {
  const char* Name;
  std::vector<std::string> Arguments;
};

// The first three are the current search alone, whatever a job's options say of the deep
// search; deep mode keeps the job's own options, so it seeks sheets or cost as the job does.
const std::vector<TMode> kModes = {{"normal", {"--no-fast", "--no-cost", "--no-deep"}},
                                   {"fast", {"--fast", "--no-cost", "--no-deep"}},
                                   {"cost", {"--no-fast", "--cost", "--no-deep"}},
                                   {"deep", {"--deep"}}};

struct TJob {
  std::filesystem::path Folder;
  bool ClassJob = false;
  std::vector<TRunStats> Medians;  // one per mode
};

// A run's bound as the deep search proved it, otherwise the job's own.
double LowerBoundOf(const TVexlin& engine, bool costMode) {
  if (engine.Deep.Ran) return engine.Deep.LowerBound;
  return JobLowerBound(engine.Parts, engine.Sheets, costMode).Value;
}

// Costs are scaled like lengths, areas by the square of that.
double InUserUnits(double value, TDeepMeasure measure) {
  if (measure == TDeepMeasure::Cost) return value / 1000;
  return measure == TDeepMeasure::Area ? value / 1e6 : value;
}

void MeasureResult(const TVexlin& engine, const std::string& folder, TRunStats& stats) {
  const bool costMode =
      ReadOptionsFile((std::filesystem::path(folder) / "default.opt").string()).CostOptimize;
  stats.Measure = JobMeasure(engine.Sheets, costMode);
  stats.Value = InUserUnits(ResultValue(engine.BestResult, stats.Measure), stats.Measure);
  stats.LowerBound = InUserUnits(LowerBoundOf(engine, costMode), stats.Measure);
}

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
  stats.Ok = error.empty() && run.ExitCode == kBatchDone;
  for (const TPacket& layout : engine.BestResult.Items) {
    stats.SheetsUsed += layout.Count;
    stats.Pieces += layout.Count * layout.TotalCount();
  }
  stats.Utilisation = stats.Ok ? engine.BestResult.UsedPercent() : 0.0;
  if (stats.Ok) MeasureResult(engine, folder, stats);
  return stats;
}

TRunStats RunInChild(const std::string& folder, const TMode& mode) {
  int pipeEnds[2];
  if (pipe(pipeEnds) != 0) std::exit(3);
  // Else the child may write the table's unwritten rows a second time.
  std::fflush(stdout);
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

// Prints the mode's row and returns its median run.
TRunStats PrintRow(const std::string& job, const TMode& mode, std::vector<TRunStats> runs) {
  std::sort(runs.begin(), runs.end(),
            [](const TRunStats& a, const TRunStats& b) { return a.Seconds < b.Seconds; });
  const TRunStats& median = runs[runs.size() / 2];
  long peak = 0;
  for (const TRunStats& run : runs) peak = std::max(peak, run.PeakKiB);
  std::printf("%-22s %-7s %7ld %7ld %8.2f%% %10.3f %9.1f %s\n", job.c_str(), mode.Name,
              median.Pieces, median.SheetsUsed, median.Utilisation, median.Seconds, peak / 1024.0,
              median.Ok ? "" : "REFUSED");
  return median;
}

bool HasFlag(int argc, char** argv, const std::string& flag) {
  for (int i = 1; i < argc; ++i) {
    if (argv[i] == flag) return true;
  }
  return false;
}

void AddJobFolders(const char* root, bool classJobs, std::vector<TJob>& jobs) {
  std::vector<std::filesystem::path> folders;
  std::error_code error;
  for (const auto& entry : std::filesystem::directory_iterator(root, error)) {
    if (entry.is_directory()) folders.push_back(entry.path());
  }
  std::sort(folders.begin(), folders.end());
  for (const std::filesystem::path& folder : folders) jobs.push_back({folder, classJobs, {}});
}

std::vector<TJob> Jobs(int argc, char** argv) {
  std::vector<TJob> jobs;
  AddJobFolders(VEXLIN_PUBLIC_JOBS_DIR, false, jobs);
  if (HasFlag(argc, argv, "--classes")) AddJobFolders(VEXLIN_CLASS_JOBS_DIR, true, jobs);
  for (int i = 1; i < argc; ++i) {
    const std::string argument = argv[i];
    if (argument == "--runs")
      ++i;
    else if (argument != "--classes")
      jobs.push_back({argument, false, {}});
  }
  return jobs;
}

int RunCount(int argc, char** argv) {
  for (int i = 1; i + 1 < argc; ++i) {
    if (std::string(argv[i]) == "--runs") return std::max(1, std::atoi(argv[i + 1]));
  }
  return 5;
}

const char* MeasureName(TDeepMeasure measure) {
  if (measure == TDeepMeasure::Cost) return "cost";
  return measure == TDeepMeasure::Area ? "area" : "sheets";
}

struct TQuality {
  TDeepMeasure Measure = TDeepMeasure::Sheets;
  double LowerBound = 0;
  std::vector<double> Values;  // one per mode
  double DeepSeconds = 0;
  bool Ok = true;
};

TQuality QualityOf(const TJob& job) {
  TQuality quality;
  const TRunStats& deep = job.Medians.back();
  quality.Measure = deep.Measure;
  quality.LowerBound = deep.LowerBound;
  quality.DeepSeconds = deep.Seconds;
  for (const TRunStats& median : job.Medians) {
    quality.Values.push_back(median.Value);
    quality.Ok = quality.Ok && median.Ok;
  }
  return quality;
}

// A bound of 0 proves nothing, so no gap is shown against it.
void PrintQualityRow(const std::string& job, const TQuality& quality) {
  const char* measure = MeasureName(quality.Measure);
  if (quality.LowerBound > 0) {
    std::printf("%-22s %-7s %10.6g", job.c_str(), measure, quality.LowerBound);
  } else {
    std::printf("%-22s %-7s %10s", job.c_str(), measure, "-");
  }
  for (const double value : quality.Values) std::printf(" %11.6g", value);
  if (quality.LowerBound > 0) {
    const double gap = (quality.Values.back() - quality.LowerBound) / quality.LowerBound * 100.0;
    std::printf(" %8.2f%%", gap);
  } else {
    std::printf(" %9s", "-");
  }
  std::printf(" %9.3f %s\n", quality.DeepSeconds, quality.Ok ? "" : "REFUSED");
}

void PrintQualityTable(const std::vector<TJob>& jobs) {
  std::printf("\n%-22s %-7s %10s %11s %11s %11s %11s %9s %9s\n", "job", "measure", "bound",
              "normal", "fast", "cost", "deep", "deep gap", "deep s");
  TQuality total;
  total.Values.assign(kModes.size(), 0.0);
  bool anyClassJob = false;
  for (const TJob& job : jobs) {
    const TQuality quality = QualityOf(job);
    PrintQualityRow(job.Folder.filename().string(), quality);
    if (!job.ClassJob) continue;
    anyClassJob = true;
    total.LowerBound += quality.LowerBound;
    total.DeepSeconds += quality.DeepSeconds;
    total.Ok = total.Ok && quality.Ok;
    for (size_t m = 0; m < kModes.size(); ++m) total.Values[m] += quality.Values[m];
  }
  if (anyClassJob) PrintQualityRow("classes (total)", total);
}

}  // namespace

int main(int argc, char** argv) {
  const int runs = RunCount(argc, argv);
  std::vector<TJob> jobs = Jobs(argc, argv);
  std::printf("%-22s %-7s %7s %7s %9s %10s %9s\n", "job", "mode", "pieces", "sheets", "utilised",
              "median s", "peak MiB");
  for (TJob& job : jobs) {
    for (const TMode& mode : kModes) {
      std::vector<TRunStats> results;
      for (int i = 0; i < runs; ++i) results.push_back(RunInChild(job.Folder.string(), mode));
      job.Medians.push_back(PrintRow(job.Folder.filename().string(), mode, results));
    }
  }
  PrintQualityTable(jobs);
  return 0;
}
