// The main of every Qt layer's test binary: the decoy home first, then one
// QApplication on the offscreen platform, so widgets can be built and
// rendered into images without a display.
#include <gtest/gtest.h>

#include <QApplication>
#include <cstdlib>

#include "testkit/support/TestEnvironment.h"

int main(int argc, char** argv) {
  tidewell::testing::installTestEnvironment();
  setenv("QT_QPA_PLATFORM", "offscreen", 0);
  // Animations stand still unless a test asks for them.
  setenv("TIDEWELL_REDUCE_MOTION", "1", 0);
  QApplication app(argc, argv);
  ::testing::InitGoogleTest(&argc, argv);
  return RUN_ALL_TESTS();
}
