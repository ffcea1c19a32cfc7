// Another Trash client must find and restore what our Trash moved. Runs
// Debian's trash-cli, when installed, against the fixture home only.
#include <fcntl.h>
#include <spawn.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

#include <gtest/gtest.h>

#include <cstdlib>
#include <sstream>
#include <string>
#include <vector>

#include "platform/core/Trash.h"
#include "tests/platform/core/TrashChecks.h"
#include "tests/support/FixtureHome.h"

namespace tidewell::platform {
namespace {

using testing::exists;
using testing::FixtureHome;
using testing::moveToFixtureTrash;
using testing::namesIn;
using testing::readFile;
using testing::writeFile;

// The full path of a program found on $PATH, empty when there is none.
std::string onPath(const std::string& program) {
  const char* path = std::getenv("PATH");
  std::stringstream dirs(path ? path : "");
  for (std::string dir; std::getline(dirs, dir, ':');) {
    const std::string candidate = dir + "/" + program;
    if (!dir.empty() && access(candidate.c_str(), X_OK) == 0) return candidate;
  }
  return {};
}

struct ToolRun {
  int status = -1;  // exit status, -1 when it did not run or exit normally
  std::string output;
};

// Runs program with the fixture's home as HOME and XDG_DATA_HOME below it,
// `input` as its standard input, in folder `cwd`.
ToolRun runClient(const FixtureHome& fx, const std::vector<std::string>& args, const std::string& input,
                  const std::string& cwd) {
  const std::string in = fx.outside("tool-input"), out = fx.outside("tool-output");
  writeFile(in, input);
  std::vector<std::string> env = {"HOME=" + fx.home(), "XDG_DATA_HOME=" + fx.home() + "/.local/share",
                                  "LANG=C.UTF-8", "LC_ALL=C.UTF-8", "PYTHONIOENCODING=utf-8"};
  if (const char* path = std::getenv("PATH")) env.push_back(std::string("PATH=") + path);
  if (const char* tz = std::getenv("TZ")) env.push_back(std::string("TZ=") + tz);
  std::vector<char*> argv, envp;
  for (const auto& a : args) argv.push_back(const_cast<char*>(a.c_str()));
  for (const auto& e : env) envp.push_back(const_cast<char*>(e.c_str()));
  argv.push_back(nullptr);
  envp.push_back(nullptr);

  posix_spawn_file_actions_t actions;
  posix_spawn_file_actions_init(&actions);
  posix_spawn_file_actions_addopen(&actions, 0, in.c_str(), O_RDONLY, 0);
  posix_spawn_file_actions_addopen(&actions, 1, out.c_str(), O_WRONLY | O_CREAT | O_TRUNC, 0600);
  posix_spawn_file_actions_addopen(&actions, 2, "/dev/null", O_WRONLY, 0);
  posix_spawn_file_actions_addchdir_np(&actions, cwd.c_str());
  ToolRun run;
  pid_t pid = 0;
  if (posix_spawn(&pid, argv[0], &actions, nullptr, argv.data(), envp.data()) == 0) {
    int status = 0;
    if (waitpid(pid, &status, 0) == pid && WIFEXITED(status)) run.status = WEXITSTATUS(status);
  }
  posix_spawn_file_actions_destroy(&actions);
  run.output = readFile(out);
  return run;
}

bool listsPath(const std::string& listing, const std::string& path) {
  std::stringstream lines(listing);
  for (std::string line; std::getline(lines, line);)
    if (line.size() > path.size() && line.compare(line.size() - path.size(), path.size(), path) == 0 &&
        line[line.size() - path.size() - 1] == ' ')
      return true;
  return false;
}

TEST(TrashInterop, TrashCliListsAndRestoresWhatWeMoved) {
  const std::string list = onPath("trash-list"), restore = onPath("trash-restore");
  if (list.empty() || restore.empty()) GTEST_SKIP() << "trash-cli is not installed";
  FixtureHome fx;
  const std::string original = fx.path("My Documents/R\xC3\xA9sum\xC3\xA9 100%.txt");
  writeFile(original, "cv");
  const std::string folder = fx.path("Projects/build output");
  writeFile(folder + "/a.o", "obj");
  const EngineContext ctx = fx.context();
  ASSERT_TRUE(moveToFixtureTrash(original, ctx));
  ASSERT_TRUE(moveToFixtureTrash(folder, ctx));

  const ToolRun listing = runClient(fx, {list}, "", fx.home());
  ASSERT_EQ(listing.status, 0) << listing.output;
  EXPECT_TRUE(listsPath(listing.output, original)) << listing.output;
  EXPECT_TRUE(listsPath(listing.output, folder)) << listing.output;

  // trash-restore offers what was trashed from below the folder it runs in
  // and restores the number typed.
  const ToolRun restored = runClient(fx, {restore}, "0\n", fx.path("My Documents"));
  EXPECT_EQ(restored.status, 0) << restored.output;
  EXPECT_EQ(readFile(original), "cv") << restored.output;
  EXPECT_EQ(namesIn(ctx.trashHome + "/info"), std::vector<std::string>{"build output.trashinfo"});

  const ToolRun again = runClient(fx, {restore}, "0\n", fx.path("Projects"));
  EXPECT_EQ(again.status, 0) << again.output;
  EXPECT_EQ(readFile(folder + "/a.o"), "obj") << again.output;
  EXPECT_TRUE(namesIn(ctx.trashHome + "/files").empty());
  EXPECT_TRUE(namesIn(ctx.trashHome + "/info").empty());
}

}  // namespace
}  // namespace tidewell::platform
