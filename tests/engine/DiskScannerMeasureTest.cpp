#include <sys/stat.h>

#include <gtest/gtest.h>

#include "engine/DiskScanner.h"
#include "tests/support/FixtureHome.h"

namespace tidewell::engine {
namespace {

using namespace testing;

TEST(DiskScannerMeasure, CountsRegularFilesOnceAndNothingElse) {
  FixtureHome fx({file("tree/a.bin", 10000), file("tree/.hidden", 5000), folder("tree/empty"),
                  hardlink("tree/a-again.bin", "tree/a.bin"), symlink("tree/link", "{home}/big"),
                  file("big", 1 << 20), fifo("tree/pipe")});
  struct stat a {}, h {};
  ASSERT_EQ(stat(fx.path("tree/a.bin").c_str(), &a), 0);
  ASSERT_EQ(stat(fx.path("tree/.hidden").c_str(), &h), 0);
  EXPECT_EQ(DiskScanner::allocatedSize(fx.path("tree")), (a.st_blocks + h.st_blocks) * 512);
  EXPECT_EQ(DiskScanner::allocatedSize(fx.path("tree/empty")), 0);
  EXPECT_EQ(DiskScanner::allocatedSize(fx.path("missing")), 0);
  EXPECT_EQ(DiskScanner::allocatedSize(fx.path("tree/a.bin")), a.st_blocks * 512);
}

TEST(DiskScannerMeasure, AvailableBytesIsZeroWhenUnreadable) {
  FixtureHome fx;
  EXPECT_GT(DiskScanner::availableBytes(fx.context()), 0);
  auto ctx = fx.context();
  ctx.home = "/";
  EXPECT_EQ(DiskScanner::availableBytes(ctx), 0);
  ctx.home = "/no/such/home";
  EXPECT_EQ(DiskScanner::availableBytes(ctx), 0);
}

}  // namespace
}  // namespace tidewell::engine
