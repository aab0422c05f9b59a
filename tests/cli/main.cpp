// SPDX-License-Identifier: MIT
// The command-line tests: their own temporary folders, an application object
// without any windows for the processes they start, then the tests.
#include <gtest/gtest.h>

#include <QCoreApplication>

#include "tests/support/isolation.h"

int main(int argc, char** argv) {
  graf::testing::isolateProcess();
  QCoreApplication app(argc, argv);
  ::testing::InitGoogleTest(&argc, argv);
  return RUN_ALL_TESTS();
}
