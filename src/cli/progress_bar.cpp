#include "cli/progress_bar.h"

#include <string>

namespace vexlin {
namespace {

// After this many steps the bar is half full; ordinary jobs make a few hundred to a few
// thousand.
constexpr int64_t kHalfWaySteps = 1000;
constexpr int32_t kWidth = 40;

}  // namespace

void TTextProgressBar::Step() {
  ++steps_;
  Draw(static_cast<int32_t>(steps_ * 100 / (steps_ + kHalfWaySteps)));
}

void TTextProgressBar::Finish() {
  Draw(100);
  if (shown_) out_ << '\n' << std::flush;
}

void TTextProgressBar::Draw(int32_t percent) {
  if (!shown_ || percent <= drawn_) return;  // redraw only when the bar moves on
  drawn_ = percent;
  const int32_t filled = percent * kWidth / 100;
  out_ << "\r[" << std::string(filled, '#') << std::string(kWidth - filled, ' ') << "] " << percent
       << "%" << std::flush;
}

}  // namespace vexlin
