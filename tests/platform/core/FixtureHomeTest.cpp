// The fixture helper is what keeps every destructive test away from real
// files, so it is tested like product code.
#include "tests/support/FixtureHome.h"

#include <sys/stat.h>
#include <unistd.h>

#include <gtest/gtest.h>

#include "tests/support/TestEnvironment.h"

namespace tidewell::testing {
namespace {

TEST(FixtureHome, BuildsEveryKindOfEntry) {
  std::string root;
  {
    FixtureHome fx({folder("Library/Caches"), file("a.bin", 5000), sparse("s.img", 1 << 20),
                    symlink("link", "{root}/victim"), hardlink("a2.bin", "a.bin"), fifo("pipe")});
    root = fx.root();
    struct stat st {};
    ASSERT_EQ(stat(fx.path("Library/Caches").c_str(), &st), 0);
    EXPECT_TRUE(S_ISDIR(st.st_mode));
    ASSERT_EQ(stat(fx.path("a.bin").c_str(), &st), 0);
    EXPECT_EQ(st.st_size, 5000);
    EXPECT_EQ(st.st_nlink, 2u);
    ASSERT_EQ(stat(fx.path("s.img").c_str(), &st), 0);
    EXPECT_EQ(st.st_size, 1 << 20);
    EXPECT_LT(st.st_blocks * 512, 1 << 20);
    char target[256] = {};
    ASSERT_GT(readlink(fx.path("link").c_str(), target, sizeof target - 1), 0);
    EXPECT_EQ(std::string(target), fx.root() + "/victim");
    ASSERT_EQ(lstat(fx.path("pipe").c_str(), &st), 0);
    EXPECT_TRUE(S_ISFIFO(st.st_mode));
    EXPECT_EQ(fx.context().home, fx.home());
  }
  EXPECT_FALSE(exists(root)) << "the fixture removes itself";
}

TEST(FixtureHome, CleansUpLockedFoldersAndNeverFollowsLinks) {
  FixtureHome outsider;
  outsider.add({file("keep.txt", 10)});
  std::string root;
  {
    FixtureHome fx({folder("locked/inner"), symlink("out", outsider.home())});
    root = fx.root();
    chmod(fx.path("locked").c_str(), 0);
  }
  EXPECT_FALSE(exists(root));
  EXPECT_TRUE(exists(outsider.path("keep.txt")));
}

TEST(FixtureHome, TheRealHomeIsHiddenBehindADecoy) {
  const char* home = std::getenv("HOME");
  ASSERT_TRUE(home);
  EXPECT_NE(std::string(home), originalHome());
  EXPECT_NE(std::string(home), passwdHome());
}

}  // namespace
}  // namespace tidewell::testing
