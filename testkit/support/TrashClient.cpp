#include "testkit/support/TrashClient.h"

#include <fcntl.h>
#include <spawn.h>
#include <sys/wait.h>
#include <unistd.h>

#include <algorithm>
#include <cstdlib>
#include <sstream>

#include "base/Paths.h"

namespace tidewell::testing {

std::string onPath(const std::string& program) {
  const char* path = std::getenv("PATH");
  std::stringstream dirs(path ? path : "");
  for (std::string dir; std::getline(dirs, dir, ':');) {
    const std::string candidate = dir + "/" + program;
    if (!dir.empty() && access(candidate.c_str(), X_OK) == 0) return candidate;
  }
  return {};
}

ToolRun runTrashClient(const FixtureHome& fx, const std::vector<std::string>& args, const std::string& input,
                       const std::string& cwd) {
  const std::string in = fx.outside("tool-input"), out = fx.outside("tool-output");
  writeFile(in, input);
  std::vector<std::string> env = {"HOME=" + fx.home(),      "XDG_DATA_HOME=" + fx.home() + "/.local/share",
                                  "LANG=C.UTF-8",           "LC_ALL=C.UTF-8",
                                  "PYTHONIOENCODING=utf-8", "PYTHONDONTWRITEBYTECODE=1"};
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

std::vector<std::string> listedBelow(const std::string& listing, const std::string& root) {
  std::vector<std::string> paths;
  std::stringstream lines(listing);
  for (std::string line; std::getline(lines, line);) {
    // "2024-01-01 12:00:00 /path with spaces": the path follows the second space.
    const size_t first = line.find(' ');
    const size_t second = first == std::string::npos ? first : line.find(' ', first + 1);
    if (second == std::string::npos) continue;
    const std::string path = line.substr(second + 1);
    if (base::isBelow(path, root)) paths.push_back(path);
  }
  std::sort(paths.begin(), paths.end());
  return paths;
}

}  // namespace tidewell::testing
