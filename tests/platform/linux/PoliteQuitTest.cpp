#include "platform/core/PoliteQuit.h"

#include <gtest/gtest.h>

#include <functional>
#include <memory>
#include <string>
#include <vector>

#include "platform/linux/ProcProcess.h"
#include "testkit/support/FixtureHome.h"

namespace tidewell::platform {
namespace {

using testing::FixtureHome;
using testing::writeFile;

// A stat line whose 22nd field is startTime.
std::string statLine(pid_t pid, const std::string& name, const std::string& startTime) {
  return std::to_string(pid) + " (" + name + ") S 1 1 1 0 -1 4194560 100 0 0 0 5 3 0 0 20 0 1 0 " +
         startTime + " 123456 789 18446744073709551615 1 1 0 0 0 0 0 0 0 0 0 0 17 3 0 0 0 0 0\n";
}

TEST(ProcProcess, StartTimeIsTheTwentySecondFieldWhateverTheNameHolds) {
  FixtureHome fx;
  struct Case {
    const char* what;
    std::string stat;
    std::optional<uint64_t> expected;
  };
  const std::vector<Case> cases = {
      {"plain name", statLine(10, "gedit", "8812345"), 8812345},
      {"name with spaces and parentheses", statLine(10, "a) b (c) S 9 9", "77"), 77},
      {"last field of the line", "10 (x) S 1 1 1 0 -1 0 0 0 0 0 0 0 0 0 0 0 1 0 42\n", 42},
      {"too few fields", "10 (x) S 1 1 1\n", std::nullopt},
      {"not a number", statLine(10, "x", "12a"), std::nullopt},
      {"ended, not reaped yet", "10 (x) Z 1 1 1 0 -1 0 0 0 0 0 0 0 0 0 0 0 1 0 42\n", std::nullopt},
      {"no name at all", "10 x S 1 1 1 0 -1 0 0 0 0 0 0 0 0 0 0 0 1 0 42\n", std::nullopt},
  };
  for (const Case& c : cases) {
    writeFile(fx.outside("proc/10/stat"), c.stat);
    EXPECT_EQ(ProcProcess::startTimeOf(fx.outside("proc"), 10), c.expected) << c.what;
  }
  EXPECT_EQ(ProcProcess::startTimeOf(fx.outside("proc"), 11), std::nullopt) << "no such process";
}

TEST(ProcProcess, StartTimeOfARealProcessStaysPut) {
  const auto first = ProcProcess::startTimeOf("/proc", getpid());
  ASSERT_TRUE(first.has_value());
  EXPECT_EQ(ProcProcess::startTimeOf("/proc", getpid()), first);
}

// A window list that records what it was asked; beforeConfirm runs between
// finding the windows and confirming (where a process could be replaced).
class FakeWindows final : public DesktopWindows {
 public:
  int windows = 0;      // windows the process owns
  int deliverable = 0;  // how many of them take the request
  std::function<void()> beforeConfirm = [] {};
  mutable int asked = 0;
  mutable int lookups = 0;

  int askToClose(pid_t, const std::function<bool()>& confirm) const override {
    ++lookups;
    if (windows == 0) return 0;
    beforeConfirm();
    if (!confirm()) return 0;
    asked = std::min(windows, deliverable);
    return asked;
  }
};

TEST(PoliteQuit, AsksOnlyTheListedProcessAndSaysWhetherAnyWindowWasAsked) {
  constexpr pid_t kPid = 4321;
  struct Case {
    const char* what;
    std::optional<std::string> statNow;  // the 22nd field under /proc now; absent: no such process
    std::optional<uint64_t> listed;      // the start time read with the list
    int windows;
    int deliverable;
    bool replacedWhileLooking;  // the pid names another process by the time windows are found
    PoliteQuit::Answer expected;
    int expectedAsked;
  };
  using A = PoliteQuit::Answer;
  const std::vector<Case> cases = {
      {"same process, two windows", "500", 500, 2, 2, false, A::asked, 2},
      {"same process, one of two windows gone meanwhile", "500", 500, 2, 1, false, A::asked, 1},
      {"same process, no window that takes a close request", "500", 500, 0, 0, false, A::refused, 0},
      {"same process, no request delivered", "500", 500, 1, 0, false, A::refused, 0},
      {"ended", std::nullopt, 500, 1, 1, false, A::notRunning, 0},
      {"pid reused by a later process", "900", 500, 1, 1, false, A::notRunning, 0},
      {"listed without a start time", "500", std::nullopt, 1, 1, false, A::notRunning, 0},
      {"replaced while its windows were looked up", "500", 500, 1, 1, true, A::notRunning, 0},
  };
  for (const Case& c : cases) {
    FixtureHome fx;
    const std::string stat = fx.outside("proc/" + std::to_string(kPid) + "/stat");
    if (c.statNow) writeFile(stat, statLine(kPid, "editor", *c.statNow));
    auto windows = std::make_shared<FakeWindows>();
    windows->windows = c.windows;
    windows->deliverable = c.deliverable;
    if (c.replacedWhileLooking)
      windows->beforeConfirm = [&] { writeFile(stat, statLine(kPid, "other", "901")); };

    const PoliteQuit quit(fx.outside("proc"), windows);
    EXPECT_EQ(quit.ask(kPid, c.listed), c.expected) << c.what;
    EXPECT_EQ(windows->asked, c.expectedAsked) << c.what;
    // A process that is not the listed one is not even looked for.
    if (c.expected == A::notRunning && !c.replacedWhileLooking) {
      EXPECT_EQ(windows->lookups, 0) << c.what;
    }
  }
}

}  // namespace
}  // namespace tidewell::platform
