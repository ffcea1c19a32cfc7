#include "platform/core/VolumeCapacity.h"

#include <sys/statvfs.h>

#include <gtest/gtest.h>

#include <limits>

#include "testkit/support/FixtureHome.h"

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

TEST(VolumeCapacity, FreeIsWhatAnOrdinaryUserMayStillWrite) {
  struct Case {
    const char* what;
    fsblkcnt_t blocks, free, available;
    unsigned long fragmentSize, blockSize;
    int64_t freeBytes, totalBytes;
  };
  constexpr auto kMax = std::numeric_limits<int64_t>::max();
  const Case cases[] = {
      // Blocks kept for root are not free to the user; sizes are in
      // fragments, not in the preferred block size.
      {"reserved blocks", 1000, 300, 250, 4096, 65536, 250 * 4096, 1000 * 4096},
      {"full for users, not for root", 1000, 50, 0, 4096, 4096, 0, 1000 * 4096},
      {"no reserve", 1000, 300, 300, 1024, 4096, 300 * 1024, 1000 * 1024},
      {"too large to count", fsblkcnt_t(1) << 62, fsblkcnt_t(1) << 62, fsblkcnt_t(1) << 61, 4096, 4096, kMax,
       kMax},
  };
  for (const Case& c : cases) {
    auto capacity = readVolumeCapacity("/anywhere", [&](const char* path, struct statvfs* out) {
      EXPECT_STREQ(path, "/anywhere");
      *out = {};
      out->f_blocks = c.blocks;
      out->f_bfree = c.free;
      out->f_bavail = c.available;
      out->f_frsize = c.fragmentSize;
      out->f_bsize = c.blockSize;
      return 0;
    });
    ASSERT_TRUE(capacity) << c.what;
    EXPECT_EQ(capacity->freeBytes, c.freeBytes) << c.what;
    EXPECT_EQ(capacity->totalBytes, c.totalBytes) << c.what;
  }
}

TEST(VolumeCapacity, FailureIsNotZero) {
  EXPECT_FALSE(readVolumeCapacity("/definitely/not/here"));
  EXPECT_FALSE(readVolumeCapacity(""));
  EXPECT_FALSE(readVolumeCapacity("/anywhere", [](const char*, struct statvfs*) { return -1; }));
}

}  // namespace
}  // namespace tidewell::platform
