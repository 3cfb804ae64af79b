#include <iostream>
#include <string_view>

namespace {

constexpr std::string_view kUsage =
    "Usage: vexlin-batch [--help]\n"
    "\n"
    "Runs a Vexlin cutting job from its files without the window.\n"
    "The optimizer search is not available in this build yet.\n"
    "\n"
    "  --help   show this text\n";

}  // namespace

int main(int argc, char** argv) {
  for (int i = 1; i < argc; ++i) {
    if (std::string_view(argv[i]) != "--help") {
      std::cerr << "vexlin-batch: unknown option " << argv[i] << "\n" << kUsage;
      return 2;
    }
  }
  std::cout << kUsage;
  return 0;
}
