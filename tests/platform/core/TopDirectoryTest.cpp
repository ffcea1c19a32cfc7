#include "platform/core/TopDirectory.h"

#include <sys/stat.h>

#include <gtest/gtest.h>

#include "platform/core/Paths.h"
#include "tests/platform/core/TrashChecks.h"
#include "tests/support/FixtureHome.h"

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
  EXPECT_TRUE(isBelow(fx.path("Documents/a.txt"), top)) << top;
  EXPECT_EQ(deviceOf(top), deviceOf(fx.home()));
  if (top != "/") {
    EXPECT_NE(deviceOf(std::string(parentPath(top))), deviceOf(top)) << top;
  }

  testing::ScratchOnOtherFileSystem other(fx.root());
  if (other.path().empty()) GTEST_SKIP() << "/dev/shm is not a file system of its own here";
  testing::writeFile(other.path() + "/deep/er/file", "x");
  EXPECT_EQ(topDirectory(other.path() + "/deep/er/file"), "/dev/shm");
  EXPECT_EQ(topDirectory(other.path()), "/dev/shm");
  EXPECT_EQ(topDirectory("/dev/shm"), "/dev/shm");
}

TEST(TopDirectory, RootAndUnusablePaths) {
  EXPECT_EQ(topDirectory("/"), "/");
  EXPECT_EQ(topDirectory("/definitely/not/here"), "");
  EXPECT_EQ(topDirectory("relative/path"), "");
  EXPECT_EQ(topDirectory(""), "");
}

}  // namespace
}  // namespace tidewell::platform
