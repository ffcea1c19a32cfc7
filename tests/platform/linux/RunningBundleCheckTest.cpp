#include <gtest/gtest.h>
#include <unistd.h>

#include "platform/core/RunningBundleCheck.h"
#include "testkit/support/FixtureHome.h"

namespace tidewell::platform {
namespace {

using namespace testing;

// A fixture process table: each numbered folder has the status and "exe"
// link the kernel would show.
void addProcess(FixtureHome& fx, const std::string& pid, const std::string& exe, uid_t uid = getuid(),
                char state = 'S') {
  writeFile(fx.outside("proc/" + pid + "/status"), "Name:\tx\nState:\t" + std::string(1, state) +
                                                       " (x)\nUid:\t" + std::to_string(uid) + "\t0\t0\t0\n");
  fx.addOutside({symlink("proc/" + pid + "/exe", exe)});
}

TEST(RunningBundleCheck, MatchesTheUsersProcessesRunningFromInsideTheBundle) {
  FixtureHome fx;
  fx.addOutside({file("system/Applications/Alpha.app/Contents/MacOS/alpha"),
                 file("system/Applications/Alpha.app2/Contents/MacOS/alpha"),
                 file("system/Applications/Beta.app/Contents/MacOS/beta"),
                 file("system/Applications/Gamma.app/Contents/MacOS/gamma"),
                 file("system/Applications/Delta.app/Contents/MacOS/delta"),
                 file("system/Applications/Other.app/Contents/MacOS/other"),
                 symlink("system/Applications/Linked.app", "{root}/system/Applications/Beta.app"),
                 folder("proc/103")});
  const std::string apps = fx.outside("system/Applications");
  addProcess(fx, "100", apps + "/Alpha.app2/Contents/MacOS/alpha");
  addProcess(fx, "101", apps + "/Beta.app/Contents/MacOS/beta");
  addProcess(fx, "102", apps + "/Gamma.app/Contents/MacOS/gamma (deleted)");
  addProcess(fx, "104", apps + "/Delta.app/Contents/MacOS/delta", getuid(), 'Z');
  addProcess(fx, "105", apps + "/Other.app/Contents/MacOS/other", getuid() + 1);
  addProcess(fx, "self", apps + "/Alpha.app/Contents/MacOS/alpha");
  const auto ctx = fx.context();
  struct Case {
    const char* bundle;
    bool running;
  };
  const Case cases[] = {
      {"/Applications/Alpha.app", false},  // only a look-alike sibling runs, and "self" is no pid
      {"/Applications/Beta.app", true},    // its own executable
      {"/Applications/Linked.app", true},  // matched by real location
      {"/Applications/Gamma.app", true},   // its executable was replaced while running
      {"/Applications/Delta.app", false},  // only a zombie is left of it
      {"/Applications/Other.app", false},  // another user's process
      {"/Applications/Missing.app", false},
  };
  for (const auto& c : cases)
    EXPECT_EQ(RunningBundleCheck::isRunning(ctx.systemPath(c.bundle), ctx), c.running) << c.bundle;

  auto otherUser = ctx;
  otherUser.uid = ctx.uid + 1;
  EXPECT_FALSE(RunningBundleCheck::isRunning(ctx.systemPath("/Applications/Beta.app"), otherUser));
  auto noProc = ctx;
  noProc.procRoot = fx.outside("no-proc");
  EXPECT_FALSE(RunningBundleCheck::isRunning(ctx.systemPath("/Applications/Beta.app"), noProc));
}

}  // namespace
}  // namespace tidewell::platform
