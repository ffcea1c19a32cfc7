#include <dirent.h>
#include <fcntl.h>
#include <sys/mount.h>
#include <sys/resource.h>
#include <sys/stat.h>
#include <unistd.h>

#include <algorithm>
#include <atomic>
#include <future>
#include <random>
#include <set>
#include <sstream>
#include <string>
#include <utility>
#include <vector>

#include <gtest/gtest.h>

#include "engine/walk/TreeWalker.h"
#include "testkit/support/ContainedRun.h"
#include "testkit/support/FixtureHome.h"
#include "tests/engine/walk/BindMount.h"

namespace tidewell::engine {
namespace {

using namespace testing;

// The plain sequential measurement the parallel walker must agree with:
// readdir, lstat-like fstatat, one set of hard-linked inodes, no mounts.
using Inode = std::pair<dev_t, ino_t>;

int64_t oracleFile(const struct stat& st, std::set<Inode>& seen) {
  if (!S_ISREG(st.st_mode)) return 0;
  if (st.st_nlink > 1 && !seen.insert({st.st_dev, st.st_ino}).second) return 0;
  return int64_t(st.st_blocks) * 512;
}

int64_t oracleFolder(int fd, dev_t dev, std::set<Inode>& seen) {
  DIR* dir = fdopendir(fd);
  if (!dir) {
    close(fd);
    return 0;
  }
  int64_t total = 0;
  while (dirent* entry = readdir(dir)) {
    const std::string name = entry->d_name;
    if (name == "." || name == "..") continue;
    struct stat st {};
    if (fstatat(dirfd(dir), name.c_str(), &st, AT_SYMLINK_NOFOLLOW) != 0) continue;
    if (S_ISDIR(st.st_mode)) {
      if (st.st_dev != dev) continue;
      int child = openat(dirfd(dir), name.c_str(), O_RDONLY | O_DIRECTORY | O_NOFOLLOW | O_CLOEXEC);
      if (child >= 0) total += oracleFolder(child, dev, seen);
    } else {
      total += oracleFile(st, seen);
    }
  }
  closedir(dir);
  return total;
}

int64_t oracleSize(const std::string& path) {
  struct stat st {};
  if (stat(path.c_str(), &st) != 0) return 0;
  std::set<Inode> seen;
  if (!S_ISDIR(st.st_mode)) return oracleFile(st, seen);
  int fd = open(path.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
  return fd < 0 ? 0 : oracleFolder(fd, st.st_dev, seen);
}

void writeBytes(const std::string& path, size_t bytes, off_t holeFirst = 0) {
  int fd = open(path.c_str(), O_WRONLY | O_CREAT | O_TRUNC, 0644);
  ASSERT_GE(fd, 0) << path;
  std::string data(bytes, 'z');
  if (bytes) {
    ASSERT_EQ(pwrite(fd, data.data(), bytes, holeFirst), ssize_t(bytes));
  }
  close(fd);
}

// A random tree of about `entries` entries below base: nested folders,
// files of many sizes (some sparse), hidden and odd names, hard links inside
// and from outside, symlinks to files, folders and the victim, FIFOs.
void makeRandomTree(const std::string& base, const std::string& outsideFile, unsigned seed, int entries) {
  std::mt19937 rng(seed);
  auto pick = [&](int n) { return int(rng() % unsigned(n)); };
  std::vector<std::string> folders{base};
  std::vector<std::string> files;
  const char* prefixes[] = {"f", ".h", "name with space ", "ünï", "x\ny", "-"};
  for (int i = 0; i < entries; ++i) {
    const std::string& parent = folders[size_t(pick(int(folders.size())))];
    const std::string path = parent + "/" + prefixes[pick(6)] + std::to_string(i);
    switch (pick(20)) {
      case 0:
      case 1:
      case 2:
        ASSERT_EQ(mkdir(path.c_str(), 0755), 0);
        folders.push_back(path);
        break;
      case 3:
        if (!files.empty()) {
          ASSERT_EQ(link(files[size_t(pick(int(files.size())))].c_str(), path.c_str()), 0);
        }
        break;
      case 4:
        ASSERT_EQ(link(outsideFile.c_str(), path.c_str()), 0);
        break;
      case 5:
        ASSERT_EQ(::symlink(pick(2) ? outsideFile.c_str() : folders[0].c_str(), path.c_str()), 0);
        break;
      case 6:
        ASSERT_EQ(mkfifo(path.c_str(), 0644), 0);
        break;
      case 7:
        writeBytes(path, 3000, off_t(pick(4)) * 1024 * 1024);  // a hole before the data
        files.push_back(path);
        break;
      default:
        writeBytes(path, size_t(pick(3) == 0 ? 0 : pick(20000)));
        files.push_back(path);
        break;
    }
  }
}

TEST(TreeWalkerSize, AgreesWithTheSequentialOracleOnRandomTrees) {
  WorkPool single(1);
  WorkPool many(16);
  WorkPool callerOnly(0);
  for (unsigned seed : {1u, 2u}) {
    FixtureHome fx({folder("tree")});
    fx.addOutside({file("victim/linked", 70000)});
    makeRandomTree(fx.path("tree"), fx.outside("victim/linked"), seed, 3000);
    const int64_t expected = oracleSize(fx.path("tree"));
    ASSERT_GT(expected, 0);
    EXPECT_EQ(TreeWalker::allocatedSize(fx.path("tree"), single), expected) << "seed " << seed;
    EXPECT_EQ(TreeWalker::allocatedSize(fx.path("tree"), many), expected) << "seed " << seed;
    EXPECT_EQ(TreeWalker::allocatedSize(fx.path("tree"), callerOnly), expected) << "seed " << seed;
    EXPECT_EQ(TreeWalker::allocatedSize(fx.path("tree")), expected) << "seed " << seed;
  }
}

TEST(TreeWalkerSize, FourCallersAtOnceEachGetTheirOwnTotal) {
  FixtureHome fx;
  fx.addOutside({file("victim/linked", 70000)});
  std::vector<std::string> trees;
  std::vector<int64_t> expected;
  for (unsigned seed = 10; seed < 14; ++seed) {
    trees.push_back(fx.path("tree" + std::to_string(seed)));
    ASSERT_EQ(mkdir(trees.back().c_str(), 0755), 0);
    makeRandomTree(trees.back(), fx.outside("victim/linked"), seed, 800);
    expected.push_back(oracleSize(trees.back()));
  }
  WorkPool pool(3);
  std::vector<std::future<bool>> callers;
  for (size_t i = 0; i < trees.size(); ++i) {
    callers.push_back(std::async(std::launch::async, [&, i] {
      bool same = true;
      for (int round = 0; round < 5; ++round)
        same = same && TreeWalker::allocatedSize(trees[i], pool) == expected[i];
      return same;
    }));
  }
  for (size_t i = 0; i < callers.size(); ++i) EXPECT_TRUE(callers[i].get()) << trees[i];
}

// What a walk starved of descriptors is short of: every descriptor the
// process may still open, held until the walk first pauses for one, which
// gives them all back.
std::vector<int> heldDescriptors;
std::atomic<bool> walkWaited{false};
void giveDescriptorsBack() {
  if (walkWaited.exchange(true)) return;
  for (int fd : heldDescriptors) close(fd);
}

TEST(TreeWalkerSize, WaitsForDescriptorsInsteadOfSkippingFolders) {
  FixtureHome fx;
  for (int i = 0; i < 40; ++i)
    fx.add({file("tree/" + std::string(size_t(i % 5 + 1), 'd') + "/" + std::to_string(i), 5000)});
  const int64_t expected = oracleSize(fx.path("tree"));

  // The starved walk runs in a child process with a lower descriptor limit,
  // and nothing else runs there while the descriptors are used up: the
  // sanitizers need descriptors of their own to check what they see, and
  // without them report faults that are not there.
  const ContainedRun run = runContained(
      [&] {
        int64_t measured = -1;
        size_t held = 0;
        WorkPool pool(4);
        TreeWalker::setDescriptorWaitObserver(giveDescriptorsBack);
        heldDescriptors.reserve(256);
        rlimit low{};
        if (getrlimit(RLIMIT_NOFILE, &low) == 0) {
          low.rlim_cur = std::min<rlim_t>(low.rlim_cur, 256);
          if (setrlimit(RLIMIT_NOFILE, &low) == 0) {
            for (int fd; (fd = open("/dev/null", O_RDONLY | O_CLOEXEC)) >= 0;) heldDescriptors.push_back(fd);
            held = heldDescriptors.size();
            measured = TreeWalker::allocatedSize(fx.path("tree"), pool);
          }
        }
        return std::to_string(measured) + " " + std::to_string(held) + " " + (walkWaited ? "1" : "0");
      },
      std::chrono::seconds(60));
  ASSERT_TRUE(run.ended) << "the starved walk did not end";
  std::istringstream answer(run.text);
  int64_t measured = -1;
  size_t held = 0;
  int waited = 0;
  answer >> measured >> held >> waited;
  EXPECT_GT(held, 0u) << "the child used up its descriptors";
  EXPECT_TRUE(waited);
  EXPECT_EQ(measured, expected);
}

TEST(TreeWalkerSize, DoesNotCrossMountPoints) {
  FixtureHome fx({file("tree/a", 8192), folder("tree/mnt"), folder("tree/loop")});
  fx.addOutside({file("victim/big", 1 << 20)});
  struct stat a {};
  ASSERT_EQ(lstat(fx.path("tree/a").c_str(), &a), 0);
  {
    // Declared after the fixture, so it is unmounted before the fixture is
    // removed (removing through a live bind mount would reach the source).
    BindMount outside(fx.outside("victim"), fx.path("tree/mnt"));
    BindMount loop(fx.path("tree"), fx.path("tree/loop"));  // same device, a loop if entered
    if (!outside.ok() || !loop.ok()) GTEST_SKIP() << "bind mounts are not permitted here";
    WorkPool pool(4);
    EXPECT_EQ(TreeWalker::allocatedSize(fx.path("tree"), pool), a.st_blocks * 512);
    EXPECT_EQ(TreeWalker::allocatedSize(fx.path("tree/mnt"), pool), oracleSize(fx.outside("victim")));
  }
}

}  // namespace
}  // namespace tidewell::engine
