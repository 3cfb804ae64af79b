#include <gtest/gtest.h>

#include <clocale>
#include <locale>

// A fixed locale, so no test depends on the machine's number format.
int main(int argc, char** argv) {
  std::setlocale(LC_ALL, "C");
  std::locale::global(std::locale::classic());
  ::testing::InitGoogleTest(&argc, argv);
  return RUN_ALL_TESTS();
}
