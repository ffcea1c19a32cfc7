// The measuring side of bench/smartscan: a whole Smart Scan of one home
// through the real models and engine, headless, against the same four
// scans called directly on the engine seams.
//   tidewell_smartscan_bench HOME [ROUNDS]
//
// HOME is a fixture's home (bench/home-fixture); its parent folder holds
// the rest of the fixture machine (system/Applications, tmp, tools), so no
// real system folder, Trash or tool is reached. The real home is refused.
//
// One warm round of each, then ROUNDS rounds (default 5) alternating the
// two, so both see the same page cache and machine load. Prints a line per
// round, what was found, the goals, and as its last line
//   smartscan: FILES files, total MS ms, engine MS ms, stall MS ms, peak MIB MiB
// with the medians of total (Smart Scan from start to done) and engine (the
// direct calls), the longest stall of the GUI thread in any round (the
// longest gap between two beats of a 1 ms timer, less the beat), and the
// process's peak resident memory. Exits 1 when a goal is missed.
#include <ftw.h>
#include <qcoro/qcorotask.h>
#include <sys/stat.h>
#include <unistd.h>

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QTemporaryDir>
#include <QTimer>
#include <algorithm>
#include <atomic>
#include <cstdio>
#include <cstdlib>
#include <ctime>
#include <memory>
#include <string>
#include <thread>
#include <vector>

#include "base/Paths.h"
#include "bench/BenchProcess.h"
#include "models/ModelServices.h"
#include "models/ThreadPoolExecutor.h"
#include "models/advisor/MachineAdvisorEngine.h"
#include "models/apps/MachineAppsEngine.h"
#include "models/clean/MachineCleanupEngine.h"
#include "models/deepscan/MachineDeepScanEngine.h"
#include "models/smartscan/SmartScanController.h"
#include "platform/core/BackgroundThread.h"
#include "platform/core/EngineContext.h"
#include "platform/core/PeakMemory.h"

namespace {

using namespace tidewell;
using namespace tidewell::models;

constexpr double goalRatio = 1.15;
constexpr double goalStallMs = 16;
constexpr double goalPeakMiB = 150;

// ---- The machine the scans see ----

// The fixture machine around home: everything forFixture puts in the root,
// with this home, its Trash, and the fixture's temporary root when present.
platform::EngineContext fixtureContext(const std::string& home) {
  const std::string root(base::parentPath(home));
  platform::EngineContext ctx = platform::EngineContext::forFixture(root);
  ctx.home = home;
  ctx.trashHome = ctx.inHome(".local/share/Trash");
  ctx.desktopEntryFolders = {ctx.inHome(".local/share/applications")};
  struct stat st {};
  const std::string tmp = base::joinPath(root, "tmp");
  if (stat(tmp.c_str(), &st) == 0 && S_ISDIR(st.st_mode)) ctx.temporaryRoots = {tmp};
  return ctx;
}

long regularFiles = 0;
int countRegular(const char*, const struct stat* st, int type, FTW*) {
  if (type == FTW_F && S_ISREG(st->st_mode)) ++regularFiles;
  return 0;
}

double msSince(const QElapsedTimer& t) { return double(t.nsecsElapsed()) / 1e6; }

double median(std::vector<double> v) {
  std::sort(v.begin(), v.end());
  const size_t n = v.size();
  return n % 2 ? v[n / 2] : (v[n / 2 - 1] + v[n / 2]) / 2;
}

// ---- The engine seams, shared by both ways of scanning ----

struct Engines {
  std::shared_ptr<const CleanupEngine> clean;
  std::shared_ptr<const AppsEngine> apps;
  std::shared_ptr<const DeepScanEngine> deepScan;
  std::shared_ptr<const AdvisorEngine> advisor;
};

struct Found {
  size_t cleanItems = 0;
  int64_t cleanBytes = 0;
  size_t apps = 0;
  size_t deepItems = 0;
  int64_t deepBytes = 0;
  bool advisorFindings = false;
  // The direct scans' own times: Clean, Apps, Deep Scan, Advisor.
  double stepMs[4] = {};
};

// The four scans, one after another, as the models call the seams: the
// Clean rows four at a time (the models' measuring window), the rest one
// call each, all on background threads as the models' executor runs them.
Found scanDirectlyHere(const Engines& e) {
  Found found;
  QElapsedTimer step;
  step.start();
  e.clean->availableBytes();
  std::vector<engine::CleanupTarget> rows = e.clean->catalog();
  std::vector<engine::CleanupTarget> artifacts = e.clean->findBuildArtifacts();
  rows.insert(rows.end(), artifacts.begin(), artifacts.end());
  std::atomic<size_t> next{0};
  std::atomic<size_t> items{0};
  std::atomic<int64_t> bytes{0};
  std::vector<std::thread> window;
  for (size_t w = 0; w < CleanupItemsModel::measureWidth; ++w) {
    window.emplace_back([&] {
      // As the models' executor threads are.
      platform::markCurrentThreadAsBackground();
      for (size_t i = next++; i < rows.size(); i = next++) {
        if (auto item = e.clean->scan(rows[i])) {
          ++items;
          bytes += item->sizeBytes;
        }
      }
    });
  }
  for (auto& t : window) t.join();
  found.cleanItems = items;
  found.cleanBytes = bytes;
  found.stepMs[0] = msSince(step);

  step.restart();
  found.apps = e.apps->scanApps({}).size();
  found.stepMs[1] = msSince(step);

  step.restart();
  std::vector<engine::BigItem> big = e.deepScan->bigItems({});
  std::vector<engine::BigItem> installers = e.deepScan->installers();
  std::vector<engine::BigItem> containers = e.deepScan->containers();
  e.deepScan->managedPaths();
  found.deepItems = big.size() + installers.size() + containers.size();
  found.stepMs[2] = msSince(step);

  step.restart();
  found.advisorFindings = !e.advisor->runtimes().empty() || e.advisor->unavailableSimulatorCount() > 0 ||
                          e.advisor->localSnapshotCount() > 0 || e.advisor->dockerDiskBytes() > 0;
  found.stepMs[3] = msSince(step);
  return found;
}

Found scanDirectly(const Engines& e) {
  Found found;
  std::thread worker([&] {
    platform::markCurrentThreadAsBackground();
    found = scanDirectlyHere(e);
  });
  worker.join();
  return found;
}

// ---- The GUI thread's health during a Smart Scan ----

// Times every event the GUI thread delivers (outermost deliveries only) in
// processor time of the thread: the longest is our own code's share of a
// stall; the rest of a long gap between heartbeats is the thread waiting
// for a processor.
class TimedApplication : public QCoreApplication {
 public:
  using QCoreApplication::QCoreApplication;

  bool notify(QObject* receiver, QEvent* event) override {
    if (depth_++ > 0) {
      const bool handled = QCoreApplication::notify(receiver, event);
      --depth_;
      return handled;
    }
    const int64_t start = threadCpuNs();
    const bool handled = QCoreApplication::notify(receiver, event);
    --depth_;
    longest_ = std::max(longest_, threadCpuNs() - start);
    return handled;
  }
  void resetLongest() { longest_ = 0; }
  double longestMs() const { return double(longest_) / 1e6; }

 private:
  static int64_t threadCpuNs() {
    timespec t{};
    clock_gettime(CLOCK_THREAD_CPUTIME_ID, &t);
    return int64_t(t.tv_sec) * 1000000000 + t.tv_nsec;
  }

  int depth_ = 0;
  int64_t longest_ = 0;
};

// A 1 ms heartbeat: the longest gap between two beats is the longest the
// GUI thread went without running its event loop (plus the beat).
class Heartbeat : public QObject {
 public:
  Heartbeat() {
    timer_.setTimerType(Qt::PreciseTimer);
    timer_.setInterval(1);
    connect(&timer_, &QTimer::timeout, this, [this] { beat(); });
  }

  void start() {
    longestGap_ = 0;
    clock_.start();
    last_ = 0;
    timer_.start();
  }
  void stop() {
    beat();
    timer_.stop();
  }
  // The longest gap less the beat itself, in ms.
  double stallMs() const { return std::max(0.0, double(longestGap_) / 1e6 - 1.0); }

 private:
  void beat() {
    const qint64 now = clock_.nsecsElapsed();
    longestGap_ = std::max(longestGap_, now - last_);
    last_ = now;
  }

  QTimer timer_;
  QElapsedTimer clock_;
  qint64 last_ = 0;
  qint64 longestGap_ = 0;
};

struct SmartScanRound {
  double ms = 0;
  double stallMs = 0;
  double busyMs = 0;
  Found found;
};

// A Smart Scan as a fresh window runs it: new models over the shared
// services and engines, the controller started and awaited.
SmartScanRound scanThroughModels(const ModelServices& services, const Engines& e, Heartbeat& heartbeat,
                                 TimedApplication& app) {
  auto clean = std::make_shared<CleanupViewModel>(services, e.clean);
  auto apps = std::make_shared<AppsViewModel>(services, e.apps);
  auto deepScan = std::make_shared<DeepScanViewModel>(services, e.deepScan);
  auto advisor = std::make_shared<AdvisorViewModel>(services, e.advisor);
  auto controller = std::make_shared<SmartScanController>(clean, apps, deepScan, advisor);

  SmartScanRound round;
  app.resetLongest();
  heartbeat.start();
  QElapsedTimer clock;
  clock.start();
  QCoro::Task<> run = controller->start();
  QCoro::waitFor(run);
  round.ms = msSince(clock);
  heartbeat.stop();
  round.stallMs = heartbeat.stallMs();
  round.busyMs = app.longestMs();
  if (controller->phase() != SmartScanController::Phase::done) round.ms = -1;

  round.found.cleanItems = clean->items().size();
  round.found.cleanBytes = clean->totalBytes();
  round.found.apps = apps->apps().size();
  round.found.deepItems = deepScan->items().size();
  round.found.deepBytes = deepScan->totalBytes();
  round.found.advisorFindings = advisor->hasFindings();
  return round;
}

double gib(int64_t bytes) { return double(bytes) / 1e9; }

}  // namespace

int main(int argc, char** argv) {
  TimedApplication app(argc, argv);
  if (argc < 2) {
    std::fprintf(stderr, "usage: tidewell_smartscan_bench HOME [ROUNDS]\n");
    return 2;
  }
  const std::string home = bench::resolvedPath(argv[1]);
  const int rounds = argc >= 3 ? std::max(1, std::atoi(argv[2])) : 5;
  if (home.empty()) {
    std::fprintf(stderr, "smartscan: %s is not a folder\n", argv[1]);
    return 2;
  }
  if (bench::holdsRealHome(home)) {
    std::fprintf(stderr, "smartscan: %s is (or holds) your real home; give a fixture's home\n", home.c_str());
    return 2;
  }
  nftw(home.c_str(), countRegular, 64, FTW_PHYS | FTW_MOUNT);

  const platform::EngineContext ctx = fixtureContext(home);
  const Engines engines{std::make_shared<MachineCleanupEngine>(ctx), std::make_shared<MachineAppsEngine>(ctx),
                        std::make_shared<MachineDeepScanEngine>(ctx),
                        std::make_shared<MachineAdvisorEngine>(ctx)};
  QTemporaryDir settingsFolder;
  ModelServices services{std::make_shared<ThreadPoolExecutor>(),
                         SettingsStore::atFile(settingsFolder.filePath("settings.ini")), Clock::system()};
  Heartbeat heartbeat;

  std::printf("home: %s (%ld regular files), %u cores\n", home.c_str(), regularFiles,
              std::thread::hardware_concurrency());
  // Warm: the page cache, the pools' threads, the first-use tables.
  const Found direct = scanDirectly(engines);
  SmartScanRound warm = scanThroughModels(services, engines, heartbeat, app);
  if (warm.ms < 0) {
    std::fprintf(stderr, "smartscan: the Smart Scan did not finish\n");
    return 1;
  }

  std::vector<double> totals, directs;
  double worstStall = 0, worstBusy = 0;
  for (int r = 0; r < rounds; ++r) {
    QElapsedTimer clock;
    clock.start();
    const Found steps = scanDirectly(engines);
    directs.push_back(msSince(clock));
    const SmartScanRound round = scanThroughModels(services, engines, heartbeat, app);
    totals.push_back(round.ms);
    worstStall = std::max(worstStall, round.stallMs);
    worstBusy = std::max(worstBusy, round.busyMs);
    std::printf(
        "round %d: smart scan %.0f ms, engine %.0f ms (Clean %.0f, Apps %.0f, Deep Scan %.0f, Advisor %.0f), "
        "stall %.1f ms (longest event %.1f ms)\n",
        r + 1, round.ms, directs.back(), steps.stepMs[0], steps.stepMs[1], steps.stepMs[2], steps.stepMs[3],
        round.stallMs, round.busyMs);
  }

  std::printf("longest single event on the GUI thread: %.1f ms\n", worstBusy);
  const Found& f = warm.found;
  std::printf("found: Clean %zu items (%.2f GB), Apps %zu, Deep Scan %zu items (%.2f GB), Advisor %s\n",
              f.cleanItems, gib(f.cleanBytes), f.apps, f.deepItems, gib(f.deepBytes),
              f.advisorFindings ? "findings" : "nothing");
  if (direct.cleanItems != f.cleanItems || direct.cleanBytes != f.cleanBytes || direct.apps != f.apps)
    std::printf("note: the direct scans found Clean %zu items (%.2f GB), Apps %zu\n", direct.cleanItems,
                gib(direct.cleanBytes), direct.apps);

  const double total = median(totals), engine = median(directs);
  const double peakMiB = double(platform::peakResidentKib()) / 1024.0;
  bool met = true;
  auto goal = [&met](bool ok, const char* text, double value, double limit) {
    std::printf("goal: %s %.2f (at most %.2f): %s\n", text, value, limit, ok ? "met" : "MISSED");
    met = met && ok;
  };
  goal(total <= goalRatio * engine, "Smart Scan / direct engine", total / engine, goalRatio);
  goal(worstStall < goalStallMs, "GUI-thread stall, ms", worstStall, goalStallMs);
  goal(peakMiB < goalPeakMiB, "peak resident memory, MiB", peakMiB, goalPeakMiB);
  std::printf("smartscan: %ld files, total %.0f ms, engine %.0f ms, stall %.1f ms, peak %.0f MiB\n",
              regularFiles, total, engine, worstStall, peakMiB);
  return met ? 0 : 1;
}
