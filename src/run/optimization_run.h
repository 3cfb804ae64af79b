#pragma once

#include <atomic>
#include <functional>
#include <string>

namespace vexlin {

class TPanels;
class TVexlin;
struct TOptionValues;

// How a run ended.
enum class TRunEnd { Finished, Refused, Stopped };

struct TRunOutcome {
  TRunEnd End = TRunEnd::Finished;
  std::string Error;  // the refusal's message
};

// What the caller lends a run: where its progress is stepped, and a flag it may set from
// another thread at any time to end the run early. Both may be empty.
struct TRunControl {
  std::function<void()> ProgressStep;
  const std::atomic<bool>* StopRequest = nullptr;
};

// The run of "Start Optimize" once the options and the input lists were read: the engine
// is cleared and given every sheet (less twice each edge trim), part and profile, the
// three phases run, and every layout of the result gets its offcut pieces. The option
// values must already be applied to the process-wide values. Returns the first refusal,
// or an empty text when the result is ready. progressStep may be empty.
std::string RunOptimization(TVexlin& engine, const TPanels& sheets, const TPanels& parts,
                            const TPanels& profiles, const TOptionValues& options,
                            const std::function<void()>& progressStep);

// The same run, which a stop request ends quickly. A stopped run leaves the engine empty
// and the process-wide random sequence and seed counter as it found them, so the next run
// gives what it would have given had the stopped one never started.
TRunOutcome RunStoppableOptimization(TVexlin& engine, const TPanels& sheets, const TPanels& parts,
                                     const TPanels& profiles, const TOptionValues& options,
                                     const TRunControl& control);

}  // namespace vexlin
