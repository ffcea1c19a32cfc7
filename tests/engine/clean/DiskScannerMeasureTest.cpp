#include <sys/stat.h>

#include <set>
#include <string>
#include <utility>
#include <vector>

#include <gtest/gtest.h>

#include "engine/clean/DiskScanner.h"
#include "testkit/support/FixtureHome.h"

namespace tidewell::engine {
namespace {

using namespace testing;

// Allocated bytes of the named fixture files, each inode once, from lstat.
int64_t lstatSum(const FixtureHome& fx, const std::vector<std::string>& counted) {
  std::set<std::pair<dev_t, ino_t>> seen;
  int64_t sum = 0;
  for (const auto& rel : counted) {
    struct stat st {};
    EXPECT_EQ(lstat(fx.path(rel).c_str(), &st), 0) << rel;
    if (seen.insert({st.st_dev, st.st_ino}).second) sum += int64_t(st.st_blocks) * 512;
  }
  return sum;
}

TEST(DiskScannerMeasure, AllocatedSizeCountsRegularFilesOnce) {
  struct Case {
    const char* name;
    std::vector<Entry> entries;
    const char* measured;
    std::vector<std::string> counted;  // the files whose blocks make the total
  };
  const std::vector<Case> cases = {
      {"missing path", {}, "nothing", {}},
      {"empty folder", {folder("d")}, "d", {}},
      {"data files",
       {file("d/a", 10000), file("d/sub/b", 70000), file("d/sub/deeper/c", 1), folder("d/sub/none")},
       "d",
       {"d/a", "d/sub/b", "d/sub/deeper/c"}},
      {"hidden files",
       {file("d/.a", 5000), file("d/.h/b", 3000), file("d/c", 10)},
       "d",
       {"d/.a", "d/.h/b", "d/c"}},
      {"sparse file", {sparse("d/s", 1 << 30), file("d/a", 4096)}, "d", {"d/s", "d/a"}},
      {"symlinks inside add nothing",
       {file("big", 1 << 20), file("d/a", 100), symlink("d/tofile", "{home}/big"),
        symlink("d/todir", "{home}"), symlink("d/dangling", "{home}/none")},
       "d",
       {"d/a"}},
      {"hard-link pair", {file("d/a", 50000), hardlink("d/b", "d/a")}, "d", {"d/a"}},
      {"hard link to a file outside", {file("x", 50000), hardlink("d/b", "x")}, "d", {"d/b"}},
      {"FIFO", {fifo("d/p"), file("d/a", 10)}, "d", {"d/a"}},
      {"a file itself", {file("f", 12345)}, "f", {"f"}},
      {"a FIFO itself", {fifo("p")}, "p", {}},
      {"a symlink at the path is followed", {file("d/a", 9000), symlink("l", "{home}/d")}, "l", {"d/a"}},
  };
  for (const Case& c : cases) {
    FixtureHome fx;
    fx.add(c.entries);
    EXPECT_EQ(DiskScanner::allocatedSize(fx.path(c.measured)), lstatSum(fx, c.counted)) << c.name;
  }
}

TEST(DiskScannerMeasure, SparseFileCountsItsBlocksNotItsLength) {
  FixtureHome fx({sparse("s", 1 << 30)});
  EXPECT_LT(DiskScanner::allocatedSize(fx.path("s")), 1 << 20);
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
