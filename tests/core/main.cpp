// SPDX-License-Identifier: MIT
#include <gtest/gtest.h>

#include "tests/support/isolation.h"

int main(int argc, char** argv) {
  graf::testing::isolateProcess();
  ::testing::InitGoogleTest(&argc, argv);
  return RUN_ALL_TESTS();
}
