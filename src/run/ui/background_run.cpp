#include "run/ui/background_run.h"

#include <QThread>
#include <utility>

#include "optimizer/vexlin.h"

namespace vexlin {

TBackgroundRun::TBackgroundRun(QObject* parent)
    : QObject(parent), engine_(std::make_unique<TVexlin>()) {}

TBackgroundRun::~TBackgroundRun() {
  if (thread_ == nullptr) return;
  RequestStop();
  thread_->wait();
  delete thread_;
}

void TBackgroundRun::Start(TRunJob job) {
  if (Running()) return;
  stop_ = false;
  steps_ = 0;
  engine_ = std::make_unique<TVexlin>();
  thread_ = QThread::create([this, job = std::move(job)] {
    const TRunControl control{[this] { steps_.fetch_add(1, std::memory_order_relaxed); }, &stop_};
    outcome_ = RunStoppableOptimization(*engine_, job.Sheets, job.Parts, job.Profiles, job.Options,
                                        control);
  });
  // Delivered on this object's thread once the run's thread is done.
  connect(thread_, &QThread::finished, this, &TBackgroundRun::EndThread);
  thread_->start();
}

void TBackgroundRun::RequestStop() {
  stop_ = true;
}

void TBackgroundRun::EndThread() {
  thread_->wait();
  delete thread_;
  thread_ = nullptr;
  emit Finished(outcome_);
}

}  // namespace vexlin
