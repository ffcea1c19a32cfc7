#include <gtest/gtest.h>

#include "engine/performance/PerformanceService.h"
#include "testkit/support/FixtureHome.h"

namespace tidewell::engine {
namespace {

using namespace testing;

constexpr uid_t kUser = 4242;
constexpr uid_t kOtherUser = 4343;
constexpr pid_t kSelf = 700;

struct FakeProcess {
  pid_t pid;
  pid_t parent = 1;
  uid_t uid = kUser;
  std::string exe;  // "" leaves the exe link out
  std::string comm;
  std::vector<std::string> environment = {};
  std::optional<int64_t> pssKb = std::nullopt;
  std::optional<int64_t> rssKb = std::nullopt;
  char state = 'S';
  std::optional<uint64_t> startTime = std::nullopt;  // leaves stat out when absent
};

// A fake /proc and two applications folders (the user's, then the system's).
class FakeDesktop {
 public:
  FakeDesktop() {
    ctx_.uid = kUser;
    ctx_.pid = kSelf;
    ctx_.desktopEntryFolders = {userApps(), systemApps()};
  }

  std::string userApps() const { return fx_.path(".local/share/applications"); }
  std::string systemApps() const { return fx_.outside("system/usr/share/applications"); }
  // A program file somewhere on the fake system.
  std::string program(const std::string& rel) const {
    const std::string path = fx_.outside("system/" + rel);
    if (!exists(path)) writeScript(path, "#!/bin/sh\n");
    return path;
  }

  void entry(const std::string& folder, const std::string& file, const std::string& body) const {
    writeFile(folder + "/" + file, "[Desktop Entry]\nType=Application\n" + body);
  }

  void process(const FakeProcess& p) {
    const std::string base = "proc/" + std::to_string(p.pid);
    std::string status = "Name:\t" + p.comm + "\nState:\t" + std::string(1, p.state) + " (x)\nPPid:\t" +
                         std::to_string(p.parent) + "\nUid:\t" + std::to_string(p.uid) + "\t" +
                         std::to_string(p.uid) + "\t" + std::to_string(p.uid) + "\t" + std::to_string(p.uid) +
                         "\n";
    if (p.rssKb) status += "VmRSS:\t  " + std::to_string(*p.rssKb) + " kB\n";
    writeFile(fx_.outside(base + "/status"), status);
    writeFile(fx_.outside(base + "/comm"), p.comm + "\n");
    std::string env;
    for (const std::string& v : p.environment) env += v + '\0';
    writeFile(fx_.outside(base + "/environ"), env);
    if (p.pssKb) {
      writeFile(fx_.outside(base + "/smaps_rollup"),
                "5581d9c5a000-7ffd1d5ff000 ---p 00000000 00:00 0 [rollup]\nRss:  999999 kB\nPss:  " +
                    std::to_string(*p.pssKb) + " kB\nPss_Anon:  1 kB\n");
    }
    if (p.startTime) {
      writeFile(fx_.outside(base + "/stat"), std::to_string(p.pid) + " (" + p.comm + ") " + p.state +
                                                 " 1 1 1 0 -1 0 0 0 0 0 0 0 0 0 20 0 1 0 " +
                                                 std::to_string(*p.startTime) + " 1000 10\n");
    }
    if (!p.exe.empty()) fx_.addOutside({symlink(base + "/exe", p.exe)});
  }

  const platform::EngineContext& context() const { return ctx_; }
  FixtureHome& fixture() { return fx_; }

 private:
  FixtureHome fx_;
  platform::EngineContext ctx_ = fx_.context();
};

std::vector<std::string> summary(const std::vector<RunningApp>& apps) {
  std::vector<std::string> out;
  for (const auto& a : apps)
    out.push_back(std::to_string(a.id) + " " + a.name + " " + std::to_string(a.memoryBytes));
  return out;
}

TEST(PerformanceServiceApps, ListsTheUsersApplicationsMostMemoryFirst) {
  FakeDesktop d;
  const std::string editor = d.program("opt/editor/editor");
  const std::string browser = d.program("usr/lib/browser/browser");
  const std::string python = d.program("usr/bin/python3");
  const std::string bash = d.program("usr/bin/bash");
  const std::string daemon = d.program("usr/bin/some-daemon");
  const std::string helper = d.program("usr/libexec/hidden-helper");
  const std::string vim = d.program("usr/bin/vim");
  const std::string shell = d.program("usr/bin/sh");
  d.entry(d.systemApps(), "org.example.Editor.desktop", "Name=Editor\nExec=" + editor + " %F\n");
  d.entry(d.systemApps(), "browser.desktop", "Name=Browser\nExec=browser %u\n");
  d.entry(d.systemApps(), "tool.desktop", "Name=Tool\nExec=python3 /usr/share/tool/main.py\n");
  d.entry(d.systemApps(), "helper.desktop", "Name=Helper\nExec=" + helper + "\nNoDisplay=true\n");
  d.entry(d.systemApps(), "vim.desktop", "Name=Vim\nExec=vim %F\nTerminal=true\n");
  d.entry(d.systemApps(), "runner.desktop", "Name=Runner\nExec=sh -c 'exec something'\n");
  d.entry(d.systemApps(), "long.desktop", "Name=\nExec=longapplication-name\n");
  d.entry(d.systemApps(), "self.desktop", "Name=Tidewell\nExec=tidewell\n");
  const std::string tool = d.systemApps() + "/tool.desktop";

  d.process({.pid = 300, .exe = editor, .comm = "editor", .pssKb = 50000, .rssKb = 70000});
  d.process({.pid = 2000, .exe = editor, .comm = "editor", .pssKb = 50000});   // second window, same weight
  d.process({.pid = 999, .exe = browser, .comm = "browser", .rssKb = 80000});  // no smaps_rollup: VmRSS
  d.process({.pid = 1001, .parent = 999, .exe = browser, .comm = "browser", .pssKb = 90000});  // its helper
  d.process(
      {.pid = 400,
       .exe = python,
       .comm = "python3",
       .environment = {"HOME=/x", "GIO_LAUNCHED_DESKTOP_FILE=" + tool, "GIO_LAUNCHED_DESKTOP_FILE_PID=400"}});
  // A shell started from the launched tool inherits the file but not the
  // pid; its own parent (init, once the tool that started it quit) is not
  // the tool, so only the pid tells it apart.
  d.process({.pid = 401,
             .parent = 1,
             .exe = bash,
             .comm = "bash",
             .environment = {"GIO_LAUNCHED_DESKTOP_FILE=" + tool, "GIO_LAUNCHED_DESKTOP_FILE_PID=400"},
             .pssKb = 1000});
  d.process({.pid = 402, .exe = python, .comm = "python3", .pssKb = 1000});  // some other script
  d.process({.pid = 500, .uid = kOtherUser, .exe = editor, .comm = "editor", .pssKb = 99999});
  d.process({.pid = kSelf, .exe = d.program("opt/tidewell/tidewell"), .comm = "tidewell", .pssKb = 99999});
  d.process({.pid = 501, .exe = daemon, .comm = "some-daemon", .pssKb = 99999});
  d.process({.pid = 502, .exe = helper, .comm = "hidden-helper", .pssKb = 99999});
  d.process({.pid = 503, .exe = vim, .comm = "vim", .pssKb = 99999});
  d.process({.pid = 504, .exe = shell, .comm = "sh", .pssKb = 99999});
  d.process({.pid = 505, .exe = editor, .comm = "editor", .pssKb = 99999, .state = 'Z'});
  d.process({.pid = 600,
             .exe = "",
             .comm = "longapplication",
             .pssKb = 10000});  // exe unreadable: the kernel's short name
  d.fixture().addOutside({folder("proc/self"), folder("proc/sys")});

  const auto apps = PerformanceService::runningApps(d.context());
  EXPECT_EQ(summary(apps),
            (std::vector<std::string>{"999 Browser 81920000", "300 Editor 51200000", "2000 Editor 51200000",
                                      "600 App 10240000", "400 Tool 0"}));
  ASSERT_EQ(apps.size(), 5u);
  EXPECT_EQ(apps[1].bundleID, "org.example.Editor");
  EXPECT_EQ(apps[1].url, d.systemApps() + "/org.example.Editor.desktop");
}

TEST(PerformanceServiceApps, UserEntryOverridesTheSystemOne) {
  FakeDesktop d;
  const std::string editor = d.program("opt/editor/editor");
  d.entry(d.systemApps(), "editor.desktop", "Name=System Editor\nExec=" + editor + "\n");
  d.entry(d.userApps(), "editor.desktop", "Name=My Editor\nExec=" + editor + "\n");
  d.entry(d.systemApps(), "gone.desktop", "Name=Gone\nExec=gone\n");
  d.entry(d.userApps(), "gone.desktop", "Name=Gone\nExec=gone\nHidden=true\n");
  d.process({.pid = 10, .exe = editor, .comm = "editor", .pssKb = 1});
  d.process({.pid = 11, .exe = d.program("usr/bin/gone"), .comm = "gone", .pssKb = 1});
  EXPECT_EQ(summary(PerformanceService::runningApps(d.context())),
            (std::vector<std::string>{"10 My Editor 1024"}));
}

TEST(PerformanceServiceApps, NothingWithoutAProcessTableOrEntries) {
  FakeDesktop d;
  d.entry(d.systemApps(), "a.desktop", "Name=A\nExec=a\n");
  EXPECT_TRUE(PerformanceService::runningApps(d.context()).empty());  // no proc folder at all
  d.process({.pid = 10, .exe = d.program("usr/bin/a"), .comm = "a", .pssKb = 1});
  auto noFolders = d.context();
  noFolders.desktopEntryFolders.clear();
  EXPECT_TRUE(PerformanceService::runningApps(noFolders).empty());
  EXPECT_EQ(PerformanceService::runningApps(d.context()).size(), 1u);
}

TEST(PerformanceServiceApps, EachApplicationCarriesItsStartTimeToTellAReusedPidApart) {
  FakeDesktop d;
  const std::string editor = d.program("opt/editor/editor");
  d.entry(d.systemApps(), "editor.desktop", "Name=Editor\nExec=" + editor + "\n");
  d.process({.pid = 10, .exe = editor, .comm = "editor (main)", .pssKb = 2, .startTime = 8812345});
  d.process({.pid = 11, .exe = editor, .comm = "editor", .pssKb = 1});  // stat unreadable
  const auto apps = PerformanceService::runningApps(d.context());
  ASSERT_EQ(apps.size(), 2u);
  EXPECT_EQ(apps[0].startTime, 8812345u);
  EXPECT_EQ(apps[1].startTime, std::nullopt);
}

TEST(PerformanceServiceMemory, ReadsMeminfo) {
  struct Case {
    const char* what;
    std::optional<std::string> meminfo;
    int64_t used;
    int64_t total;
  };
  const int64_t k = 1024;
  const Case cases[] = {
      {"MemAvailable",
       "MemTotal:       16000000 kB\nMemFree:         1000000 kB\nMemAvailable:    4000000 kB\n",
       12000000 * k, 16000000 * k},
      {"older kernel without MemAvailable",
       "MemTotal: 16000000 kB\nMemFree: 1000000 kB\nBuffers: 500000 kB\nCached: 2000000 kB\nSReclaimable: "
       "500000 kB\n",
       12000000 * k, 16000000 * k},
      {"neither MemAvailable nor MemFree", "MemTotal: 16000000 kB\nCached: 2000000 kB\n", 0, 16000000 * k},
      {"available above total is clamped", "MemTotal: 1000 kB\nMemAvailable: 5000 kB\n", 0, 1000 * k},
      {"no MemTotal", "MemFree: 1000 kB\nMemAvailable: 500 kB\n", 0, 0},
      {"garbage", "MemTotal: lots\n\x01\x02", 0, 0},
      {"overflowing value", "MemTotal: 99999999999999999999 kB\nMemAvailable: 1 kB\n", 0, 0},
      {"no meminfo", std::nullopt, 0, 0},
  };
  for (const Case& c : cases) {
    FixtureHome fx;
    if (c.meminfo) writeFile(fx.outside("proc/meminfo"), *c.meminfo);
    const auto stats = PerformanceService::memoryStats(fx.context());
    EXPECT_EQ(stats.used, c.used) << c.what;
    EXPECT_EQ(stats.total, c.total) << c.what;
  }
}

}  // namespace
}  // namespace tidewell::engine
