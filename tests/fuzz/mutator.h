#pragma once

#include <cstddef>
#include <cstdint>
#include <random>
#include <string>
#include <vector>

namespace vexlin {

// Damages file texts the way disks, editors and other programs damage them, from a fixed
// seed so that every run feeds the readers the same inputs.
class TMutator {
 public:
  // Words worth planting in this kind of file: section names, keys, DXF group codes.
  TMutator(uint32_t seed, std::vector<std::string> words);

  // One to four damages applied to the text.
  std::string Mutate(std::string text);

 private:
  size_t Below(size_t n);  // 0 .. n - 1; 0 for n == 0
  std::string Pick(const std::vector<std::string>& from);
  void Damage(std::string& text);

  std::mt19937 rng_;
  std::vector<std::string> words_;
};

// The number of mutated files each reader gets: VEXLIN_FUZZ_ITERATIONS, or the default.
size_t FuzzIterations(size_t fallback);

}  // namespace vexlin
