#include "platform/core/ProcessRunner.h"

#include <dirent.h>
#include <signal.h>
#include <sys/wait.h>
#include <unistd.h>

#include <cerrno>
#include <climits>
#include <cstdint>
#include <string>
#include <thread>
#include <utility>

#include <gtest/gtest.h>

#include "testkit/support/FailurePrinting.h"
#include "testkit/support/FixtureHome.h"

namespace tidewell::platform {
namespace {

using Kind = FailureReason::Kind;
using testing::FixtureHome;
using testing::readFile;
using testing::writeScript;

int openDescriptorCount() {
  DIR* dir = opendir("/proc/self/fd");
  if (!dir) return -1;
  int count = 0;
  while (readdir(dir)) ++count;
  closedir(dir);
  return count;
}

// A fake tool in the fixture's tools folder whose body is a shell script.
std::string tool(const FixtureHome& fx, const std::string& name, const std::string& body) {
  const std::string path = fx.outside("tools/" + name);
  writeScript(path, "#!/bin/sh\n" + body);
  return path;
}

TEST(ProcessRunner, OnlyExitStatusZeroGivesTheOutputAndEveryOtherEndSaysHowItEnded) {
  FixtureHome fx;
  struct Case {
    const char* what;
    const char* body;
    std::optional<std::string> expected;
    Attempt attempt = Attempt::done();
  };
  const Case cases[] = {
      {"clean exit", "printf 'a\\nb\\n'\n", std::string("a\nb\n")},
      {"clean exit, no output", "exit 0\n", std::string()},
      {"output then exit 1", "echo data\nexit 1\n", std::nullopt, Attempt::failed(Kind::toolExited, 1)},
      {"output then exit 255", "echo data\nexit 255\n", std::nullopt, Attempt::failed(Kind::toolExited, 255)},
      {"killed by a signal", "echo data\nkill -KILL $$\n", std::nullopt,
       Attempt::failed(Kind::toolSignalled, SIGKILL)},
      {"terminated by a signal", "echo data\nkill -TERM $$\n", std::nullopt,
       Attempt::failed(Kind::toolSignalled, SIGTERM)},
      {"stderr noise never reaches the data", "echo noise >&2\necho data\necho more noise >&2\n",
       std::string("data\n")},
      {"stdin is empty, not inherited", "cat\necho done\n", std::string("done\n")},
  };
  for (const Case& c : cases) {
    const std::string path = tool(fx, "t", c.body);
    EXPECT_EQ(ProcessRunner::run(path, {}), c.expected) << c.what;
    std::string output = "untouched";
    EXPECT_EQ(ProcessRunner::attempt(path, {}, &output), c.attempt) << c.what;
    EXPECT_EQ(output, c.expected.value_or("untouched")) << c.what;
  }
}

TEST(ProcessRunner, ArgumentsArriveExactlyAsGivenWithoutAShell) {
  FixtureHome fx;
  const std::string log = fx.outside("tools/args.log");
  const std::string path =
      tool(fx, "args", "for a in \"$@\"; do printf '<%s>' \"$a\"; done > '" + log + "'\n");
  const std::string marker = fx.outside("tools/injected");
  const std::vector<std::string> args = {
      "id with spaces; touch " + marker, "$(touch " + marker + ")", "", "*", "'quoted' \"double\"", "-j"};
  ASSERT_TRUE(ProcessRunner::run(path, args));
  std::string expected;
  for (const std::string& a : args) expected += "<" + a + ">";
  EXPECT_EQ(readFile(log), expected);
  EXPECT_FALSE(testing::exists(marker));

  // A NUL would cut an argument short, so the tool would act on another
  // value: the call is refused before anything starts.
  testing::writeFile(log, "untouched");
  EXPECT_EQ(ProcessRunner::run(path, {std::string("ABC\0XYZ", 7)}), std::nullopt);
  ProcessRunner::runDiscardingOutput(path, {std::string("ABC\0XYZ", 7)});
  EXPECT_EQ(readFile(log), "untouched");
}

TEST(ProcessRunner, ToolThatCannotStartGivesNothing) {
  FixtureHome fx;
  const std::string notExecutable = fx.outside("tools/plain");
  testing::writeFile(notExecutable, "#!/bin/sh\necho hi\n");
  const std::string relative = "tools/plain";
  // What the system said, or EINVAL for a path that is never handed to it.
  const std::pair<std::string, int> cases[] = {
      {fx.outside("tools/missing"), ENOENT},
      {notExecutable, EACCES},
      {fx.outside("tools"), EACCES},
      {std::string(), EINVAL},
      {relative, EINVAL},
      {std::string("sh"), EINVAL},
  };
  for (const auto& [path, error] : cases) {
    EXPECT_EQ(ProcessRunner::run(path, {"-c", "echo hi"}), std::nullopt) << path;
    EXPECT_EQ(ProcessRunner::attempt(path, {"-c", "echo hi"}), Attempt::failed(Kind::toolNotStarted, error))
        << path;
    ProcessRunner::runDiscardingOutput(path, {});  // must simply return
  }
}

TEST(ProcessRunner, LargeOutputOnBothStreamsDoesNotBlock) {
  FixtureHome fx;
  // 1 MiB on stdout and on stderr, far beyond what a pipe holds.
  const std::string path = tool(fx, "big",
                                "i=0\nline=0123456789abcdef0123456789abcdef0123456789abcdef0123456789abcde\n"
                                "while [ $i -lt 16384 ]; do echo $line; echo $line >&2; i=$((i+1)); done\n");
  auto out = ProcessRunner::run(path, {});
  ASSERT_TRUE(out);
  EXPECT_EQ(out->size(), 1024u * 1024u);
  EXPECT_EQ(out->substr(0, 64), "0123456789abcdef0123456789abcdef0123456789abcdef0123456789abcde\n");
}

TEST(ProcessRunner, LeavesNoDescriptorOpen) {
  FixtureHome fx;
  const std::string ok = tool(fx, "ok", "echo fine\n");
  const std::string failing = tool(fx, "fail", "exit 3\n");
  const int before = openDescriptorCount();
  for (int i = 0; i < 20; ++i) {
    ProcessRunner::run(ok, {});
    ProcessRunner::run(failing, {});
    ProcessRunner::run(fx.outside("tools/missing"), {});
    ProcessRunner::runDiscardingOutput(ok, {});
  }
  EXPECT_EQ(openDescriptorCount(), before);
}

TEST(ProcessRunner, DiscardingOutputWaitsForTheTool) {
  FixtureHome fx;
  const std::string log = fx.outside("tools/discard.log");
  const std::string path =
      tool(fx, "quiet", "echo out\necho err >&2\nprintf '%s|' \"$@\" > '" + log + "'\nexit 7\n");
  ProcessRunner::runDiscardingOutput(path, {"unload", "/a b/c.plist"});
  // Waited for means reaped: no child of this process is left, running or
  // finished, and what the tool wrote before it exited is there.
  int status = 0;
  const pid_t left = waitpid(-1, &status, WNOHANG);
  EXPECT_EQ(left, -1);
  EXPECT_EQ(errno, ECHILD);
  if (left == 0) waitpid(-1, &status, 0);
  EXPECT_EQ(readFile(log), "unload|/a b/c.plist|");
}

// Changes this process's working folder for one scope.
class ScopedWorkingFolder {
 public:
  explicit ScopedWorkingFolder(const std::string& folder) {
    char here[PATH_MAX];
    if (getcwd(here, sizeof here)) saved_ = here;
    ok_ = chdir(folder.c_str()) == 0;
  }
  ~ScopedWorkingFolder() {
    if (!saved_.empty()) (void)!chdir(saved_.c_str());
  }
  bool ok() const { return ok_; }

 private:
  std::string saved_;
  bool ok_ = false;
};

TEST(ProcessRunner, ARelativeExecutableIsNeverRunEvenWhenOneIsThere) {
  FixtureHome fx;
  const std::string marker = fx.outside("tools/ran");
  tool(fx, "helper", "touch '" + marker + "'\necho ran\n");
  ScopedWorkingFolder cwd(fx.outside("tools"));
  ASSERT_TRUE(cwd.ok());
  for (const std::string& relative :
       {std::string("helper"), std::string("./helper"), std::string("../tools/helper")}) {
    EXPECT_EQ(ProcessRunner::run(relative, {}), std::nullopt) << relative;
    ProcessRunner::runDiscardingOutput(relative, {});
  }
  EXPECT_FALSE(testing::exists(marker));
  EXPECT_EQ(ProcessRunner::run(fx.outside("tools/helper"), {}), std::optional<std::string>("ran\n"));
}

// The set bits of a /proc status mask line such as "SigBlk:\t0000000000010000".
uint64_t maskOf(const std::string& status, const std::string& field) {
  const size_t at = status.find(field + ":\t");
  if (at == std::string::npos) return ~uint64_t(0);
  return std::stoull(status.substr(at + field.size() + 2, 16), nullptr, 16);
}

TEST(ProcessRunner, AToolStartsWithDefaultSignalHandling) {
  FixtureHome fx;
  // exec: the status read is that of the process the runner started.
  const std::string path = tool(fx, "signals", "exec cat /proc/self/status\n");

  // This program ignores SIGPIPE and, on this thread, blocks two signals;
  // neither may reach the tool. Run on a thread of its own so the mask
  // dies with it.
  struct sigaction ignore {
  }, saved{};
  ignore.sa_handler = SIG_IGN;
  sigemptyset(&ignore.sa_mask);
  ASSERT_EQ(sigaction(SIGPIPE, &ignore, &saved), 0);
  std::optional<std::string> status;
  std::thread runner([&] {
    sigset_t blocked;
    sigemptyset(&blocked);
    sigaddset(&blocked, SIGTERM);
    sigaddset(&blocked, SIGUSR1);
    pthread_sigmask(SIG_BLOCK, &blocked, nullptr);
    status = ProcessRunner::run(path, {});
  });
  runner.join();
  sigaction(SIGPIPE, &saved, nullptr);

  ASSERT_TRUE(status);
  const uint64_t pipeBit = uint64_t(1) << (SIGPIPE - 1);
  EXPECT_EQ(maskOf(*status, "SigBlk"), 0u) << *status;
  EXPECT_EQ(maskOf(*status, "SigIgn") & pipeBit, 0u) << *status;
}

}  // namespace
}  // namespace tidewell::platform
