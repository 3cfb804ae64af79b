#pragma once

#include <cstdint>
#include <ostream>

namespace vexlin {

// A text progress bar for a terminal: one line rewritten in place that only ever moves
// forward. A run does not know how many steps it will make, so each step covers a smaller
// share of what is left; Finish fills the bar. A bar that is not shown draws nothing, as
// when standard error is a file or a pipe, which a bar would only clutter.
class TTextProgressBar {
 public:
  TTextProgressBar(std::ostream& out, bool shown) : out_(out), shown_(shown) {}

  void Step();
  // Fills the bar and ends its line.
  void Finish();

 private:
  void Draw(int32_t percent);

  std::ostream& out_;
  bool shown_;
  int64_t steps_ = 0;
  int32_t drawn_ = -1;
};

}  // namespace vexlin
