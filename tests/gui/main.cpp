#include <gtest/gtest.h>

#include <QApplication>

#include "tests/support/isolation.h"

int main(int argc, char** argv) {
  graf::testing::isolateProcess();
  if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
  QApplication app(argc, argv);
  ::testing::InitGoogleTest(&argc, argv);
  return RUN_ALL_TESTS();
}
