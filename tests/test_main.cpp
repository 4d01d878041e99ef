// Shared test entry point: the arithmetic runs as the program runs it.
#include <gtest/gtest.h>

#include "numeric/extended.h"

int main(int argc, char** argv) {
  peruka::EnsureExtendedPrecision();
  testing::InitGoogleTest(&argc, argv);
  return RUN_ALL_TESTS();
}
