#include "platform/linux/TopDirectory.h"

#include <sys/stat.h>

#include <gtest/gtest.h>

#include "base/Paths.h"
#include "testkit/support/FixtureHome.h"
#include "testkit/support/RootFixtures.h"
#include "testkit/support/TrashChecks.h"

namespace tidewell::platform {
namespace {

dev_t deviceOf(const std::string& path) {
  struct stat st {};
  EXPECT_EQ(lstat(path.c_str(), &st), 0) << path;
  return st.st_dev;
}

TEST(TopDirectory, StopsWhereTheFileSystemChanges) {
  testing::FixtureHome fx({testing::file("Documents/a.txt", 10)});
  const std::string top = topDirectory(fx.path("Documents/a.txt"));
  ASSERT_FALSE(top.empty());
  EXPECT_TRUE(base::isBelow(fx.path("Documents/a.txt"), top)) << top;
  EXPECT_EQ(deviceOf(top), deviceOf(fx.home()));
  if (top != "/") {
    EXPECT_NE(deviceOf(std::string(base::parentPath(top))), deviceOf(top)) << top;
  }

  testing::OtherFileSystem other(fx);
  if (other.path().empty()) GTEST_SKIP() << testing::kNeedsMounts;
  testing::writeFile(other.path() + "/deep/er/file", "x");
  EXPECT_EQ(topDirectory(other.path() + "/deep/er/file"), other.path());
  EXPECT_EQ(topDirectory(other.path() + "/deep"), other.path());
  EXPECT_EQ(topDirectory(other.path()), other.path());
}

TEST(TopDirectory, ABindMountOfTheSameFileSystemIsAMountOfItsOwn) {
  testing::FixtureHome fx({testing::folder("Documents/mnt")});
  fx.addOutside({testing::file("victim/deep/a.txt", 10)});
  auto mount = testing::ScopedMount::bind(fx.outside("victim"), fx.path("Documents/mnt"));
  if (!mount.ok()) GTEST_SKIP() << testing::kNeedsMounts;
  ASSERT_EQ(deviceOf(fx.path("Documents/mnt")), deviceOf(fx.home()));
  EXPECT_EQ(topDirectory(fx.path("Documents/mnt/deep/a.txt")), fx.path("Documents/mnt"));
  EXPECT_EQ(topDirectory(fx.path("Documents/mnt")), fx.path("Documents/mnt"));
  EXPECT_NE(topDirectory(fx.path("Documents")), fx.path("Documents/mnt"));
}

TEST(TopDirectory, RootAndUnusablePaths) {
  EXPECT_EQ(topDirectory("/"), "/");
  EXPECT_EQ(topDirectory("/definitely/not/here"), "");
  EXPECT_EQ(topDirectory("relative/path"), "");
  EXPECT_EQ(topDirectory(""), "");
}

}  // namespace
}  // namespace tidewell::platform
