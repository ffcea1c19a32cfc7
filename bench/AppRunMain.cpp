// The measuring side of bench/startup and bench/idle: starts the real
// program offscreen, in a machine of its own, and reads what it reports at
// its first painted frame (TIDEWELL_BENCH_FIRST_PAINT, app/main).
//   tidewell_app_bench startup PROGRAM HOME [RUNS]
//     time from just before the process is started to the first painted
//     frame of the main window, one warm run then RUNS (default 7), and the
//     peak resident memory at that frame; goal: under 400 ms.
//   tidewell_app_bench first-run PROGRAM HOME [RUNS]
//     on a first run (the welcome card showing), the time from pressing
//     "Get Started" to the card's first faded frame, median of RUNS
//     (default 7) after a warm run: pressed 1.5 s after the first frame
//     (someone reading the card; goal: under 50 ms), and pressed at once
//     (told, no goal). The intro video is to be built (intro_video).
//   tidewell_app_bench idle PROGRAM HOME [SECONDS]
//     processor time of the window sitting still for SECONDS (default 10),
//     from one second after its first frame, and the frames it painted a
//     second: on Home at scale 1 (goal: under 3% of one core) and at
//     QT_SCALE_FACTOR=2 (under 6%), on every other section's idle screen
//     and on the Smart Scan done screen at scale 1 (under 3% each), and on
//     Home with reduce motion on (0%). One line each, the worst share of
//     the scale 1 lines last.
//
// The program sees only a small environment: HOME (a fixture's home, never
// the real one), and settings, caches, data, runtime and temporary folders
// in a folder of this run, removed at the end, with "hasOnboarded" set so
// the window opens on Home (but for first-run). Exits 1 when a goal is
// missed.
#include <fcntl.h>
#include <poll.h>
#include <signal.h>
#include <spawn.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <ctime>
#include <filesystem>
#include <fstream>
#include <optional>
#include <sstream>
#include <string>
#include <vector>

#include "bench/BenchProcess.h"

namespace {

using namespace tidewell;

constexpr double goalFirstFrameMs = 400;
constexpr double goalGetStartedFadeMs = 50;

int64_t realtimeNs() {
  timespec t{};
  clock_gettime(CLOCK_REALTIME, &t);
  return int64_t(t.tv_sec) * 1000000000 + t.tv_nsec;
}

double median(std::vector<double> v) {
  std::sort(v.begin(), v.end());
  const size_t n = v.size();
  return n % 2 ? v[n / 2] : (v[n / 2 - 1] + v[n / 2]) / 2;
}

// The machine the program runs in: everything but the home in one folder.
struct RunFolder {
  std::string root;

  explicit RunFolder(bool onboarded = true) {
    std::string pattern = (std::filesystem::temp_directory_path() / "tidewell-app-bench-XXXXXX").string();
    if (mkdtemp(pattern.data())) root = pattern;
    for (const char* sub : {"config/Tidewell", "cache", "data", "runtime", "tmp"})
      std::filesystem::create_directories(root + "/" + sub);
    chmod((root + "/runtime").c_str(), 0700);
    std::ofstream(root + "/config/Tidewell/TidewellMac.conf")
        << "[General]\nhasOnboarded=" << (onboarded ? "true" : "false") << "\n";
  }
  ~RunFolder() {
    std::error_code ignored;
    if (!root.empty()) std::filesystem::remove_all(root, ignored);
  }
};

struct Launch {
  pid_t pid = -1;
  int reports = -1;  // the read end of the program's standard error
  int64_t startedNs = 0;
};

// What the program is asked to show, beyond its first frame on Home.
struct Scene {
  const char* scale = nullptr;    // QT_SCALE_FACTOR, none: 1
  const char* section = nullptr;  // TIDEWELL_BENCH_SECTION
  bool smartScan = false;         // run a Smart Scan to its done screen
  bool reduceMotion = false;
  int getStartedAfterMs = -1;  // TIDEWELL_BENCH_GET_STARTED, none: -1
};

Launch launch(const std::string& program, const std::string& home, const RunFolder& folder,
              const std::string& quitAfterMs, const Scene& scene) {
  std::vector<std::string> env = {
      "PATH=/usr/bin:/bin",
      "HOME=" + home,
      "LANG=C.UTF-8",
      "XDG_CONFIG_HOME=" + folder.root + "/config",
      "XDG_CACHE_HOME=" + folder.root + "/cache",
      "XDG_DATA_HOME=" + folder.root + "/data",
      "XDG_RUNTIME_DIR=" + folder.root + "/runtime",
      "TMPDIR=" + folder.root + "/tmp",
      "QT_QPA_PLATFORM=offscreen",
      "TIDEWELL_BENCH_FIRST_PAINT=" + quitAfterMs,
  };
  if (scene.scale) env.push_back(std::string("QT_SCALE_FACTOR=") + scene.scale);
  if (scene.section) env.push_back(std::string("TIDEWELL_BENCH_SECTION=") + scene.section);
  if (scene.smartScan) env.push_back("TIDEWELL_BENCH_SMART_SCAN=1");
  if (scene.getStartedAfterMs >= 0)
    env.push_back("TIDEWELL_BENCH_GET_STARTED=" + std::to_string(scene.getStartedAfterMs));
  env.push_back(std::string("TIDEWELL_REDUCE_MOTION=") + (scene.reduceMotion ? "1" : "0"));
  std::vector<char*> envp;
  for (auto& e : env) envp.push_back(e.data());
  envp.push_back(nullptr);

  Launch l;
  int pipeFds[2];
  if (pipe2(pipeFds, O_CLOEXEC) != 0) return l;
  posix_spawn_file_actions_t actions;
  posix_spawn_file_actions_init(&actions);
  posix_spawn_file_actions_addopen(&actions, 0, "/dev/null", O_RDONLY, 0);
  posix_spawn_file_actions_addopen(&actions, 1, "/dev/null", O_WRONLY, 0);
  posix_spawn_file_actions_adddup2(&actions, pipeFds[1], 2);
  std::string path = program;
  char* argv[] = {path.data(), nullptr};
  l.startedNs = realtimeNs();
  if (posix_spawn(&l.pid, program.c_str(), &actions, nullptr, argv, envp.data()) != 0) l.pid = -1;
  posix_spawn_file_actions_destroy(&actions);
  close(pipeFds[1]);
  l.reports = pipeFds[0];
  return l;
}

// Reads the program's standard error until deadlineNs; returns the first
// "first-paint" line's fields once seen, as soon as it is seen.
struct FirstPaint {
  int64_t atNs = 0;
  long peakKib = 0;
};
// The rest of the first line of the program's output that starts with tag,
// once it has come; none when the program ended or deadlineNs passed first.
std::optional<std::string> awaitLine(int fd, const std::string& tag, int64_t deadlineNs, std::string& seen) {
  char buffer[4096];
  for (;;) {
    size_t at = seen.find(tag);
    while (at != std::string::npos && at > 0 && seen[at - 1] != '\n') at = seen.find(tag, at + 1);
    if (at != std::string::npos && seen.find('\n', at) != std::string::npos) {
      const size_t end = seen.find('\n', at);
      std::string rest = seen.substr(at + tag.size(), end - at - tag.size());
      seen.erase(0, end + 1);
      return rest;
    }
    const int64_t left = (deadlineNs - realtimeNs()) / 1000000;
    if (left <= 0) return std::nullopt;
    pollfd p{fd, POLLIN, 0};
    if (poll(&p, 1, int(left)) <= 0) continue;
    const ssize_t n = read(fd, buffer, sizeof buffer);
    if (n <= 0) return std::nullopt;  // the program ended without a frame
    seen.append(buffer, size_t(n));
  }
}

std::optional<FirstPaint> awaitFirstPaint(int fd, int64_t deadlineNs, std::string& seen) {
  const auto rest = awaitLine(fd, "first-paint ", deadlineNs, seen);
  if (!rest) return std::nullopt;
  std::istringstream line(*rest);
  FirstPaint paint;
  line >> paint.atNs >> paint.peakKib;
  return paint;
}

// Reads the program's output until it ends (into seen, when given); its
// exit status.
int finish(Launch& l, std::string* seen = nullptr) {
  char buffer[4096];
  ssize_t n = 0;
  while ((n = read(l.reports, buffer, sizeof buffer)) > 0) {
    if (seen) seen->append(buffer, size_t(n));
  }
  close(l.reports);
  int status = 0;
  waitpid(l.pid, &status, 0);
  return status;
}

// Processor time (user + system) the process has used so far, in seconds.
double cpuSeconds(pid_t pid) {
  std::ifstream stat("/proc/" + std::to_string(pid) + "/stat");
  std::string text((std::istreambuf_iterator<char>(stat)), std::istreambuf_iterator<char>());
  const size_t close = text.rfind(')');
  if (close == std::string::npos) return -1;
  std::istringstream fields(text.substr(close + 2));
  std::string field;
  // After the name: state is field 3, utime 14 and stime 15.
  long utime = 0, stime = 0;
  for (int i = 3; i <= 15 && fields >> field; ++i) {
    if (i == 14) utime = std::atol(field.c_str());
    if (i == 15) stime = std::atol(field.c_str());
  }
  return double(utime + stime) / double(sysconf(_SC_CLK_TCK));
}

void sleepUntil(int64_t atNs) {
  const int64_t left = atNs - realtimeNs();
  if (left <= 0) return;
  timespec t{time_t(left / 1000000000), long(left % 1000000000)};
  nanosleep(&t, nullptr);
}

int startup(const std::string& program, const std::string& home, int runs) {
  RunFolder folder;
  std::vector<double> frames, peaks;
  for (int r = 0; r <= runs; ++r) {
    Launch l = launch(program, home, folder, "0", Scene{});
    if (l.pid < 0) {
      std::fprintf(stderr, "startup: could not start %s\n", program.c_str());
      return 2;
    }
    std::string seen;
    const auto paint = awaitFirstPaint(l.reports, l.startedNs + 30 * 1000000000LL, seen);
    finish(l);
    if (!paint) {
      std::fprintf(stderr, "startup: no frame within 30 s\n%s", seen.c_str());
      return 1;
    }
    const double ms = double(paint->atNs - l.startedNs) / 1e6;
    if (r == 0) {
      std::printf("warm run: first frame %.0f ms\n", ms);
      continue;
    }
    frames.push_back(ms);
    peaks.push_back(double(paint->peakKib) / 1024.0);
    std::printf("run %d: first frame %.0f ms, peak %.0f MiB\n", r, ms, peaks.back());
  }
  const double frame = median(frames), peak = median(peaks);
  const bool met = frame < goalFirstFrameMs;
  std::printf("goal: first frame %.0f ms (under %.0f ms): %s\n", frame, goalFirstFrameMs,
              met ? "met" : "MISSED");
  std::printf("startup: first frame %.0f ms (median of %d), peak %.0f MiB\n", frame, runs, peak);
  return met ? 0 : 1;
}

// The milliseconds from "Get Started" to the card's first faded frame, in
// a program that starts on the welcome card; none when it did not come.
std::optional<double> getStartedFade(const std::string& program, const std::string& home, int afterMs) {
  RunFolder folder(false);
  Launch l = launch(program, home, folder, "200", Scene{.getStartedAfterMs = afterMs});
  if (l.pid < 0) return std::nullopt;
  std::string seen;
  const auto rest = awaitLine(l.reports, "get-started-fade ", l.startedNs + 60 * 1000000000LL, seen);
  if (!rest) kill(l.pid, SIGTERM);
  finish(l);
  if (!rest || rest->rfind("none", 0) == 0) return std::nullopt;
  return std::atof(rest->c_str());
}

int firstRun(const std::string& program, const std::string& home, int runs) {
  struct Case {
    const char* name;
    int afterMs;
    bool hasGoal;
  };
  bool met = true;
  for (const Case& c : {Case{"pressed after 1.5 s", 1500, true}, Case{"pressed at once", 0, false}}) {
    std::vector<double> fades;
    for (int r = 0; r <= runs; ++r) {
      const std::optional<double> fade = getStartedFade(program, home, c.afterMs);
      if (!fade) {
        std::fprintf(stderr, "first-run: no faded frame of the welcome card (%s)\n", c.name);
        return 1;
      }
      if (r > 0) fades.push_back(*fade);
    }
    const double fade = median(fades);
    const bool ok = !c.hasGoal || fade < goalGetStartedFadeMs;
    met = met && ok;
    if (c.hasGoal)
      std::printf("first-run: %s, the card fades after %.1f ms (median of %d; goal under %.0f ms: %s)\n",
                  c.name, fade, runs, goalGetStartedFadeMs, ok ? "met" : "MISSED");
    else
      std::printf("first-run: %s, the card fades after %.1f ms (median of %d)\n", c.name, fade, runs);
    std::fflush(stdout);
  }
  return met ? 0 : 1;
}

// What one sitting cost: the share of one core, the frames painted a
// second, and the machine's load meanwhile; a negative share when the
// window did not come up (or the scan did not finish).
struct Sitting {
  double share = -1;
  double framesPerSecond = 0;
  std::string load;
};

std::string loadAverage() {
  std::ifstream in("/proc/loadavg");
  std::string one;
  in >> one;
  return one;
}

Sitting sit(const std::string& program, const std::string& home, int seconds, const Scene& scene) {
  RunFolder folder;
  // Settled a second after the first frame (three after the scan's end:
  // the done screen counts its total up first), measured, then a second
  // to spare.
  const int settle = scene.smartScan ? 3 : 1;
  Launch l = launch(program, home, folder, std::to_string((seconds + settle + 1) * 1000), scene);
  if (l.pid < 0) return {};
  std::string seen;
  const auto paint = awaitFirstPaint(l.reports, l.startedNs + 30 * 1000000000LL, seen);
  int64_t settledFrom = paint ? paint->atNs : 0;
  if (paint && scene.smartScan) {
    const auto done = awaitLine(l.reports, "smart-scan-done ", realtimeNs() + 600 * 1000000000LL, seen);
    settledFrom = done ? std::atoll(done->c_str()) : 0;
  }
  if (settledFrom == 0) {
    kill(l.pid, SIGTERM);
    finish(l);
    return {};
  }
  sleepUntil(settledFrom + settle * 1000000000LL);
  const double before = cpuSeconds(l.pid);
  const int64_t from = realtimeNs();
  sleepUntil(from + int64_t(seconds) * 1000000000LL);
  const double after = cpuSeconds(l.pid);
  const double elapsed = double(realtimeNs() - from) / 1e9;
  Sitting result{(after - before) / elapsed, 0, loadAverage()};
  finish(l, &seen);
  const size_t at = seen.find("frames ");
  if (at != std::string::npos) {
    std::istringstream line(seen.substr(at + 7));
    double frames = 0, ms = 0;
    if (line >> frames >> ms && ms > 0) result.framesPerSecond = frames / (ms / 1000);
  }
  return result;
}

int idle(const std::string& program, const std::string& home, int seconds) {
  struct Case {
    std::string name;
    Scene scene;
    double goal;  // share of one core
  };
  const std::vector<Case> cases = {
      {"Home, scale 1", {}, 0.03},
      {"Home, scale 2", {.scale = "2"}, 0.06},
      {"Home, reduce motion", {.reduceMotion = true}, 0.005},
      {"Clean idle", {.section = "Clean"}, 0.03},
      {"Dev Mode idle", {.section = "Dev Mode"}, 0.03},
      {"Apps idle", {.section = "Apps"}, 0.03},
      {"Performance idle", {.section = "Performance"}, 0.03},
      {"Deep Scan idle", {.section = "Deep Scan"}, 0.03},
      {"Advisor idle", {.section = "Advisor"}, 0.03},
      {"Smart Scan done", {.smartScan = true}, 0.03},
  };
  bool met = true;
  const Case* worst = nullptr;
  Sitting worstSitting;
  for (const Case& c : cases) {
    const Sitting s = sit(program, home, seconds, c.scene);
    if (s.share < 0) {
      std::printf("%-20s did not come up\n", c.name.c_str());
      met = false;
      continue;
    }
    const bool ok = s.share < c.goal;
    met = met && ok;
    std::printf("%-20s %5.1f%% of one core, %4.1f frames/s (goal under %.1f%%: %s), load %s\n",
                c.name.c_str(), s.share * 100, s.framesPerSecond, c.goal * 100, ok ? "met" : "MISSED",
                s.load.c_str());
    std::fflush(stdout);
    if (!c.scene.scale && (!worst || s.share > worstSitting.share)) {
      worst = &c;
      worstSitting = s;
    }
  }
  if (worst)
    std::printf("idle: worst at scale 1: %s, %.1f%% of one core for %d s\n", worst->name.c_str(),
                worstSitting.share * 100, seconds);
  return met ? 0 : 1;
}

int usage() {
  std::fprintf(stderr,
               "usage: tidewell_app_bench startup PROGRAM HOME [RUNS]\n"
               "       tidewell_app_bench first-run PROGRAM HOME [RUNS]\n"
               "       tidewell_app_bench idle PROGRAM HOME [SECONDS]\n");
  return 2;
}

}  // namespace

int main(int argc, char** argv) {
  if (argc < 4) return usage();
  const std::string mode = argv[1];
  const std::string program = bench::resolvedPath(argv[2]);
  const std::string home = bench::resolvedPath(argv[3]);
  const int count = argc >= 5 ? std::max(1, std::atoi(argv[4])) : (mode == "idle" ? 10 : 7);
  if (program.empty() || home.empty()) return usage();
  if (bench::holdsRealHome(home)) {
    std::fprintf(stderr, "%s: %s is (or holds) your real home; give a fixture's home\n", mode.c_str(),
                 home.c_str());
    return 2;
  }
  if (mode == "startup") return startup(program, home, count);
  if (mode == "idle") return idle(program, home, count);
  if (mode == "first-run") return firstRun(program, home, count);
  return usage();
}
