// The main of the model tests: the decoy home first, then one
// QCoreApplication (models need an event loop, never a display).
#include <gtest/gtest.h>

#include <QCoreApplication>

#include "testkit/support/TestEnvironment.h"

int main(int argc, char** argv) {
  tidewell::testing::installTestEnvironment();
  QCoreApplication app(argc, argv);
  ::testing::InitGoogleTest(&argc, argv);
  return RUN_ALL_TESTS();
}
