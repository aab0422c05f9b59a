// SPDX-License-Identifier: MIT
// The main of every test program that needs windows: its own temporary
// folders first, then the application object, then the tests.
#include <gtest/gtest.h>

#include <QApplication>

#include "tests/support/isolation.h"

int main(int argc, char** argv) {
  graf::testing::isolateProcess();
  QApplication app(argc, argv);
  ::testing::InitGoogleTest(&argc, argv);
  return RUN_ALL_TESTS();
}
