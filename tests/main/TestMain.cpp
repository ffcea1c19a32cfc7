// The main of every engine and platform test binary.
#include <gtest/gtest.h>

#include "testkit/support/TestEnvironment.h"

int main(int argc, char** argv) {
  tidewell::testing::installTestEnvironment();
  ::testing::InitGoogleTest(&argc, argv);
  return RUN_ALL_TESTS();
}
