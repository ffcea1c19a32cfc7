#include <gtest/gtest.h>
#include <unistd.h>

#include "platform/core/RunningBundleCheck.h"
#include "tests/support/FixtureHome.h"

namespace tidewell::platform {
namespace {

using namespace testing;

// A fixture process table: each numbered folder has the "exe" link the
// kernel would show.
TEST(RunningBundleCheck, MatchesTheUsersProcessesRunningFromInsideTheBundle) {
  FixtureHome fx;
  fx.addOutside(
      {file("system/Applications/Alpha.app/Contents/MacOS/alpha"),
       file("system/Applications/Alpha.app2/Contents/MacOS/alpha"),
       file("system/Applications/Beta.app/Contents/MacOS/beta"),
       file("system/Applications/Gamma.app/Contents/MacOS/gamma"),
       symlink("system/Applications/Linked.app", "{root}/system/Applications/Beta.app"),
       symlink("proc/100/exe", "{root}/system/Applications/Alpha.app2/Contents/MacOS/alpha"),
       symlink("proc/101/exe", "{root}/system/Applications/Beta.app/Contents/MacOS/beta"),
       symlink("proc/102/exe", "{root}/system/Applications/Gamma.app/Contents/MacOS/gamma (deleted)"),
       symlink("proc/self/exe", "{root}/system/Applications/Alpha.app/Contents/MacOS/alpha"),
       folder("proc/103")});
  const auto ctx = fx.context();
  struct Case {
    const char* bundle;
    bool running;
  };
  const Case cases[] = {
      {"/Applications/Alpha.app", false},  // only a look-alike sibling runs, and "self" is no pid
      {"/Applications/Beta.app", true},     {"/Applications/Linked.app", true},  // matched by real location
      {"/Applications/Gamma.app", true},  // its executable was replaced while running
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
