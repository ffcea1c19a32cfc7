// The fixture helper is what keeps every destructive test away from real
// files, so it is tested like product code.
#include "testkit/support/FixtureHome.h"

#include <fcntl.h>
#include <sys/file.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

#include <gtest/gtest.h>

#include <fstream>
#include <string>

#include "testkit/support/ContainedRun.h"
#include "testkit/support/RootFixtures.h"
#include "testkit/support/TestEnvironment.h"

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

TEST(FixtureHome, WhatACrashedRunLeftIsClearedAwayFirst) {
  // A run that dies (here: exits without unwinding) leaves its fixture
  // behind, with a mount, an immutable folder and a locked folder in it.
  FixtureHome outsider;
  outsider.add({file("keep.txt", 10)});
  const ContainedRun run = runContained([&] {
    auto* fx = new FixtureHome({folder("mnt"), file("stuck/a", 10), file("locked/inner/b", 10)});
    auto* mount = new ScopedMount(ScopedMount::bind(outsider.home(), fx->path("mnt")));
    auto* stuck = new Undeletable(fx->path("stuck"));
    chmod(fx->path("locked").c_str(), 0);
    return fx->root() + "\n" + (mount->ok() ? "1" : "0") + (stuck->ok() ? "1" : "0");
  });
  ASSERT_TRUE(run.ended);
  const std::string& said = run.text;
  const size_t newline = said.find('\n');
  ASSERT_NE(newline, std::string::npos) << said;
  const std::string stale = said.substr(0, newline);
  ASSERT_TRUE(exists(stale + "/home/stuck/a"));
  if (said.substr(newline + 1) == "11") {
    EXPECT_TRUE(exists(stale + "/home/mnt/keep.txt")) << "the bind mount outlived its run";
  }

  removeStaleFixturesNow();
  EXPECT_FALSE(exists(stale));
  EXPECT_TRUE(exists(outsider.path("keep.txt"))) << "removal never goes through a mount";
  std::ifstream mounts("/proc/self/mountinfo");
  for (std::string line; std::getline(mounts, line);) EXPECT_EQ(line.find(stale), std::string::npos) << line;
}

// A pid that names no process any more: a child that ended and was reaped.
pid_t goneProcess() {
  const pid_t child = fork();
  if (child == 0) _exit(0);
  waitpid(child, nullptr, 0);
  return child;
}

TEST(FixtureHome, AnotherProcessesSweepLeavesWhatALiveProcessWillClearAwayItself) {
  // A child of this process dies and leaves its fixture behind; this
  // process clears it away, not a sweep that another one runs meanwhile.
  FixtureHome before;  // the folder of this process's fixtures exists
  const ContainedRun run = runContained([] { return (new FixtureHome({file("a", 10)}))->root(); });
  ASSERT_TRUE(run.ended);
  const std::string& stale = run.text;
  ASSERT_TRUE(exists(stale + "/home/a"));

  // Another test process sweeps meanwhile.
  EXPECT_TRUE(runContained([] {
                removeStaleFixturesNow();
                return std::string();
              }).ended);
  EXPECT_TRUE(exists(stale + "/home/a")) << "another process's sweep passes it by";
  removeStaleFixturesNow();
  EXPECT_FALSE(exists(stale));
  EXPECT_TRUE(exists(before.home())) << "this process's own fixture stays";
}

// A folder of fixtures as another test process makes it, named after its
// maker, with one fixture in it. When held, the folder comes with a shared
// lock on it (the descriptor in held) before it takes its name, so that no
// sweep sees it unheld.
std::string folderOfFixtures(pid_t maker, int* held = nullptr) {
  // Made in this process's own folder: what a failed test leaves there goes
  // when that folder is swept.
  std::string making = fixtureFolder() + "/making-XXXXXX";
  if (!mkdtemp(making.data())) return {};
  writeFile(making + "/tidewell-fixture-" + std::to_string(maker) + "-abcdef/home/keep", "x");
  if (held) {
    *held = open(making.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    if (*held < 0 || flock(*held, LOCK_SH) != 0) return {};
  }
  const std::string folder = fixtureParent() + "/tidewell-fixtures-" + std::to_string(maker) + "-" +
                             making.substr(making.size() - 6);
  if (rename(making.c_str(), folder.c_str()) != 0) return {};
  return folder;
}

TEST(FixtureHome, ASweepTakesAnotherProcesssFolderOnlyOnceNobodyHoldsIt) {
  const std::string crashed = folderOfFixtures(goneProcess());
  // Its maker still runs (pid 1 always does), before it has taken the lock.
  const std::string starting = folderOfFixtures(1);
  // Its maker is gone, but a child forked from it still runs and holds the
  // lock (here this process stands in for that child).
  int held = -1;
  const std::string orphaned = folderOfFixtures(goneProcess(), &held);
  ASSERT_FALSE(crashed.empty() || starting.empty() || orphaned.empty());

  removeStaleFixturesNow();
  EXPECT_FALSE(exists(crashed)) << "nothing holds what a crashed run left";
  EXPECT_TRUE(exists(starting + "/tidewell-fixture-1-abcdef/home/keep")) << "its maker still runs";
  EXPECT_TRUE(exists(orphaned)) << "a process still holds it";

  close(held);
  removeStaleFixturesNow();
  EXPECT_FALSE(exists(orphaned)) << "its last process is gone";
  EXPECT_TRUE(exists(starting));
  removeFixtureTree(starting);
}

TEST(FixtureHome, TheRealHomeIsHiddenBehindADecoy) {
  const char* home = std::getenv("HOME");
  ASSERT_TRUE(home);
  EXPECT_NE(std::string(home), originalHome());
  EXPECT_NE(std::string(home), passwdHome());
  // The runtime folder, where a running program listens, is the decoy's.
  const char* runtime = std::getenv("XDG_RUNTIME_DIR");
  ASSERT_TRUE(runtime);
  EXPECT_EQ(std::string(runtime).rfind(std::string(home) + "/", 0), 0u) << runtime;
}

}  // namespace
}  // namespace tidewell::testing
