#include "platform/core/VolumeCapacity.h"

#include <sys/statvfs.h>

#include <gtest/gtest.h>

#include "tests/support/FixtureHome.h"

namespace tidewell::platform {
namespace {

TEST(VolumeCapacity, ReadsTheVolumeOfAFolder) {
  testing::FixtureHome fx;
  auto capacity = readVolumeCapacity(fx.home());
  ASSERT_TRUE(capacity);
  struct statvfs info {};
  ASSERT_EQ(statvfs(fx.home().c_str(), &info), 0);
  EXPECT_EQ(capacity->totalBytes, int64_t(info.f_blocks * info.f_frsize));
  EXPECT_GT(capacity->totalBytes, 0);
  EXPECT_GE(capacity->totalBytes, capacity->freeBytes);
  EXPECT_GE(capacity->freeBytes, 0);
}

TEST(VolumeCapacity, FailureIsNotZero) {
  EXPECT_FALSE(readVolumeCapacity("/definitely/not/here"));
  EXPECT_FALSE(readVolumeCapacity(""));
}

}  // namespace
}  // namespace tidewell::platform
