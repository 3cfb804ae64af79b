#pragma once

#include <functional>
#include <iosfwd>
#include <string>
#include <vector>

#include "cli/batch_options.h"
#include "cli/result_json.h"
#include "input/option_values.h"

namespace vexlin {

class TVexlin;

// Exit statuses of the batch tool.
enum TBatchExit : int { kBatchDone = 0, kBatchRefused = 1, kBatchUsage = 2 };

// The outcome of one job: the exit status, the message for standard error, and the facts
// the JSON result and the report need.
struct TBatchRun {
  int ExitCode = kBatchDone;
  std::string Error;
  TJsonRunFacts Facts;
  TOptionSettings Settings;           // the options as read, overrides applied
  TOptionValues Values;               // the same, checked and scaled
  std::vector<std::string> Warnings;  // faults of single entries that did not stop the job
};

// Reads the job's files, applies the overrides and runs the optimisation into engine, as
// the window's "Start Optimize" does. progressStep may be empty.
TBatchRun RunBatchJob(const TBatchOptions& options, TVexlin& engine,
                      const std::function<void()>& progressStep);

// The whole command: arguments without the program name; returns the exit status.
// errIsTerminal: whether err is shown on a terminal, the only place a progress bar is drawn.
int RunBatchCommand(const std::vector<std::string>& arguments, std::ostream& out, std::ostream& err,
                    bool errIsTerminal);

}  // namespace vexlin
