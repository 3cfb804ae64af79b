#pragma once

#include <cstdint>
#include <ostream>

namespace vexlin {

// A text progress bar for a terminal: the run's steps (range 0 to 200, wrapping like the
// window's bar) drawn on one line that is rewritten in place.
class TTextProgressBar {
 public:
  explicit TTextProgressBar(std::ostream& out) : out_(out) {}

  void Step();
  // Fills the bar and ends its line.
  void Finish();

 private:
  void Draw(int32_t position);

  static constexpr int32_t kRange = 200;
  std::ostream& out_;
  int32_t position_ = 0;
  int32_t drawn_ = -1;
};

}  // namespace vexlin
