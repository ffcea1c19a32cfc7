#pragma once
// A fake system tool for engine tests: a #!/bin/sh script in a fixture's
// tools folder that logs every invocation's argv ("<a><b>" per line), writes
// noise to stderr, and answers the invocations it was told about with canned
// stdout and an exit status (or dies by SIGKILL). Unknown invocations print
// nothing and exit 0.

#include <unistd.h>

#include <string>
#include <vector>

#include "base/Paths.h"
#include "testkit/support/FixtureHome.h"

namespace tidewell::testing {

class FakeTool {
 public:
  enum class End { Exit0, Exit1, Killed };

  // Writes the script at fx.outside("tools/" + name), where the fixture
  // context expects it, and returns its path through path().
  FakeTool(const FixtureHome& fx, const std::string& name)
      : path_(fx.outside("tools/" + name)), dir_(fx.outside("tools/" + name + ".d")) {
    writeFile(dir_ + "/calls.log", "");
    writeScript(path_,
                "#!/bin/sh\n"
                "d='" +
                    dir_ +
                    "'\n"
                    "log=''\n"
                    "for a in \"$@\"; do log=\"$log<$a>\"; done\n"
                    "printf '%s\\n' \"$log\" >> \"$d/calls.log\"\n"
                    "echo 'warning: noise on stderr {\"not\": \"data\"}' >&2\n"
                    "key=$(printf '%s' \"$*\" | tr -c 'A-Za-z0-9' '_')\n"
                    "[ -f \"$d/$key.out\" ] && cat \"$d/$key.out\"\n"
                    "echo 'more noise' >&2\n"
                    "[ -f \"$d/$key.killed\" ] && kill -KILL $$\n"
                    "[ -f \"$d/$key.failed\" ] && exit 1\n"
                    "exit 0\n");
  }

  const std::string& path() const { return path_; }

  // argv: the arguments joined by single spaces, as the tool sees "$*".
  void answer(const std::string& argv, const std::string& output, End end = End::Exit0) const {
    const std::string base = dir_ + "/" + key(argv);
    writeFile(base + ".out", output);
    ::unlink((base + ".killed").c_str());
    ::unlink((base + ".failed").c_str());
    if (end == End::Killed) writeFile(base + ".killed", "");
    if (end == End::Exit1) writeFile(base + ".failed", "");
  }

  // Every invocation since the last clear, one "<arg><arg>" entry each.
  std::vector<std::string> calls() const {
    std::vector<std::string> lines;
    const std::string log = readFile(dir_ + "/calls.log");
    size_t start = 0;
    for (size_t nl; (nl = log.find('\n', start)) != std::string::npos; start = nl + 1)
      lines.push_back(log.substr(start, nl - start));
    return lines;
  }

  void clearCalls() const { writeFile(dir_ + "/calls.log", ""); }

 private:
  static std::string key(const std::string& argv) {
    std::string k = argv;
    for (char& c : k) {
      const bool plain = (c >= 'A' && c <= 'Z') || (c >= 'a' && c <= 'z') || (c >= '0' && c <= '9');
      if (!plain) c = '_';
    }
    return k;
  }

  std::string path_;
  std::string dir_;
};

}  // namespace tidewell::testing
