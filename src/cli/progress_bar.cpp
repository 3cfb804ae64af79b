#include "cli/progress_bar.h"

#include <string>

namespace vexlin {

void TTextProgressBar::Step() {
  position_ = (position_ + 1) % (kRange + 1);
  Draw(position_);
}

void TTextProgressBar::Finish() {
  drawn_ = -1;
  Draw(kRange);
  out_ << '\n' << std::flush;
}

void TTextProgressBar::Draw(int32_t position) {
  constexpr int32_t kWidth = 40;
  const int32_t filled = position * kWidth / kRange;
  if (filled == drawn_) return;  // redraw only when the picture changes
  drawn_ = filled;
  out_ << "\r[" << std::string(filled, '#') << std::string(kWidth - filled, ' ') << "] "
       << position * 100 / kRange << "%" << std::flush;
}

}  // namespace vexlin
