#pragma once

#include <QObject>
#include <atomic>
#include <cstdint>
#include <memory>

#include "input/option_values.h"
#include "model/panels.h"
#include "run/optimization_run.h"

class QThread;

namespace vexlin {

class TVexlin;

// The inputs of one run, copied, so that the run depends on nothing the window may change.
struct TRunJob {
  TPanels Sheets;
  TPanels Parts;
  TPanels Profiles;
  TOptionValues Options;
};

// One optimisation at a time on a thread of its own and an engine of its own: the window
// stays live while it works, and the result on show is untouched until a run has finished.
// The process-wide values the engine reads (the applied options, the profile shapes, the
// random generator) must be left alone until then.
class TBackgroundRun : public QObject {
  Q_OBJECT

 public:
  explicit TBackgroundRun(QObject* parent = nullptr);
  // A run still at work is stopped and waited for.
  ~TBackgroundRun() override;

  bool Running() const { return thread_ != nullptr; }
  void Start(TRunJob job);
  // The run ends at its next check and finishes as stopped.
  void RequestStop();
  // The progress steps of the run so far.
  int64_t Steps() const { return steps_.load(std::memory_order_relaxed); }
  // The engine of the last run; it holds a result only when that run finished.
  TVexlin& Engine() { return *engine_; }

 signals:
  void Finished(const TRunOutcome& outcome);

 private:
  void EndThread();

  std::unique_ptr<TVexlin> engine_;
  QThread* thread_ = nullptr;
  std::atomic<bool> stop_{false};
  std::atomic<int64_t> steps_{0};
  TRunOutcome outcome_;  // written by the run's thread, read once it has ended
};

}  // namespace vexlin
