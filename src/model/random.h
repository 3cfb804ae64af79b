#pragma once

#include <cstdint>

namespace vexlin {

// The program's one random generator: a 32-bit linear congruential generator that starts
// from 0 and is never reseeded, so the first run after start-up is reproducible and later
// runs continue the sequence.
class TRandomGenerator {
 public:
  // A draw from 0 to n - 1 (0 when n is 0); every draw advances the sequence. Inline: the
  // sheet filling draws millions of times.
  uint32_t Random(uint32_t n) {
    state_ = state_ * 134775813u + 1u;
    return static_cast<uint32_t>((static_cast<uint64_t>(state_) * n) >> 32);
  }
  uint32_t State() const { return state_; }
  // Goes back to a state read with State(), as if the draws since had never been made.
  void Restore(uint32_t state) { state_ = state; }
  void Reset() { state_ = 0; }

 private:
  uint32_t state_ = 0;
};

// The instance of the process.
TRandomGenerator& ProcessRandom();

// A draw from the process generator.
inline uint32_t Random(uint32_t n) {
  return ProcessRandom().Random(n);
}

// Starts the process sequence again; for tests only.
inline void ResetRandomForTests() {
  ProcessRandom().Reset();
}

}  // namespace vexlin
