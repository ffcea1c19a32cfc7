#include "screens/advisor/AdvisorRules.h"

#include <gtest/gtest.h>

namespace tidewell::screens {
namespace {

using engine::AdvisorService;
using namespace std::chrono_literals;

AdvisorService::SimRuntime runtime(std::string id, int64_t bytes, std::vector<std::string> devices = {}) {
  AdvisorService::SimRuntime r;
  r.id = id;
  r.name = "iOS " + id;
  r.build = "21E213";
  r.sizeBytes = bytes;
  r.deviceNames = std::move(devices);
  return r;
}

AdvisorFindingsSnapshot findings(std::vector<AdvisorService::SimRuntime> runtimes, int unavailable,
                                 int snapshots, int64_t docker) {
  AdvisorFindingsSnapshot f;
  f.findings = {std::move(runtimes), unavailable, snapshots, docker};
  f.hasFindings = !f.findings.runtimes.empty() || unavailable > 0 || snapshots > 0 || docker > 0;
  for (const auto& r : f.findings.runtimes) f.runtimeBytes += r.sizeBytes;
  return f;
}

TEST(AdvisorRules, HeadlineAndCards) {
  using C = AdvisorCard;
  struct Case {
    const char* what;
    AdvisorFindingsSnapshot findings;
    const char* headline;
    std::vector<AdvisorCard> cards;
  };
  const Case cases[] = {
      {"no findings", findings({}, 0, 0, 0), "You're all good.", {}},
      {"Docker only", findings({}, 0, 0, 64'000'000'000), "A few easy wins found.", {C::dockerDisk}},
      {"runtimes of total 0",
       findings({runtime("a", 0), runtime("b", 0)}, 0, 0, 0),
       "A few easy wins found.",
       {C::runtimes}},
      {"runtimes above 0",
       findings({runtime("a", 7'250'000'000), runtime("b", 5'000'000'000)}, 0, 0, 0),
       "12.25 GB of easy wins found.",
       {C::runtimes}},
      {"Docker bytes never count",
       findings({runtime("a", 1'000'000'000)}, 0, 0, 64'000'000'000),
       "1 GB of easy wins found.",
       {C::runtimes, C::dockerDisk}},
      {"snapshots first without runtimes",
       findings({}, 0, 3, 0),
       "A few easy wins found.",
       {C::localSnapshots}},
      {"all four in order",
       findings({runtime("a", 2'000'000'000)}, 2, 3, 5'000'000'000),
       "2 GB of easy wins found.",
       {C::runtimes, C::unavailableSimulators, C::localSnapshots, C::dockerDisk}},
      {"negative counts are no finding", findings({}, -1, -2, -3), "You're all good.", {}},
  };
  for (const Case& c : cases) {
    EXPECT_EQ(advisorHeadline(c.findings.hasFindings, c.findings.runtimeBytes), c.headline) << c.what;
    EXPECT_EQ(advisorCards(c.findings), c.cards) << c.what;
  }
  // A negative runtime total is not a size.
  EXPECT_EQ(advisorHeadline(true, -5), "A few easy wins found.");
}

TEST(AdvisorRules, CardHeaders) {
  const AdvisorFindingsSnapshot f = findings({runtime("a", 7'250'000'000)}, 2, 1, 64'000'000'000);
  const AdvisorCardHeader runtimes = advisorCardHeader(AdvisorCard::runtimes, f);
  EXPECT_EQ(runtimes.symbol.text(), "iphone.gen3");
  EXPECT_EQ(runtimes.title, "iOS Simulator runtimes");
  EXPECT_EQ(
      runtimes.blurb,
      QString::fromUtf8("A runtime is just the copy of iOS your Simulator boots. Your code and projects "
                        "aren't in it. Xcode re-downloads it if you ever need it again. Usually the "
                        "biggest hidden chunk of “System Data”."));
  EXPECT_EQ(runtimes.size, "7.25 GB");

  const AdvisorCardHeader unavailable = advisorCardHeader(AdvisorCard::unavailableSimulators, f);
  EXPECT_EQ(unavailable.symbol.text(), "iphone.slash");
  EXPECT_EQ(unavailable.title, "Unavailable simulators");
  EXPECT_FALSE(unavailable.size);

  const AdvisorCardHeader snapshots = advisorCardHeader(AdvisorCard::localSnapshots, f);
  EXPECT_EQ(snapshots.symbol.text(), "clock.arrow.circlepath");
  EXPECT_EQ(snapshots.title, "Time Machine local snapshots");
  EXPECT_FALSE(snapshots.size);

  const AdvisorCardHeader docker = advisorCardHeader(AdvisorCard::dockerDisk, f);
  EXPECT_EQ(docker.symbol.text(), "shippingbox");
  EXPECT_EQ(docker.title, "Docker virtual disk");
  EXPECT_EQ(
      docker.blurb,
      QString::fromUtf8("Docker keeps all images and containers in one 64 GB virtual disk. Reclaim space "
                        "safely from Docker itself: open Docker Desktop ▸ Troubleshoot ▸ Clean / Purge "
                        "data, or run “docker system prune” in Terminal."));
  EXPECT_FALSE(docker.size);

  // Negative sizes read as zero bytes.
  AdvisorFindingsSnapshot negative = f;
  negative.runtimeBytes = -9;
  EXPECT_EQ(advisorCardHeader(AdvisorCard::runtimes, negative).size, "Zero KB");
}

TEST(AdvisorRules, CountBlurbsTakeThePluralUnlessTheCountIsOne) {
  const std::pair<int, const char*> unavailable[] = {
      {1, "1 simulator whose runtime is gone. Dead weight."},
      {2, "2 simulators whose runtime is gone. Dead weight."},
      {1000, "1000 simulators whose runtime is gone. Dead weight."},  // no grouping
  };
  for (const auto& [n, text] : unavailable) EXPECT_EQ(unavailableSimulatorsBlurb(n), text) << n;

  const char* ending =
      " counted as “System Data”. macOS decides what's safe to purge. Your real backups on other drives stay "
      "untouched.";
  EXPECT_EQ(localSnapshotsBlurb(1), QString::fromUtf8("1 local snapshot") + QString::fromUtf8(ending));
  EXPECT_EQ(localSnapshotsBlurb(3), QString::fromUtf8("3 local snapshots") + QString::fromUtf8(ending));
}

TEST(AdvisorRules, RuntimeRowTexts) {
  const auto now = std::chrono::system_clock::time_point{std::chrono::seconds{1796904000}};
  AdvisorService::SimRuntime r = runtime("17.4", 7'000'000'000);
  EXPECT_EQ(runtimeUsageText(r), "No simulators currently use it");
  EXPECT_FALSE(runtimeLastUsedText(r, now));

  r.deviceNames = {"iPhone 15", "iPhone 15 Pro", "iPad Air", "iPhone SE"};
  EXPECT_EQ(runtimeUsageText(r), "Used by 4 simulators: iPhone 15, iPhone 15 Pro, iPad Air +1 more");
  r.lastUsed = now - 24h * 61;
  EXPECT_EQ(runtimeLastUsedText(r, now), "Last used 2 months ago");
  r.lastUsed = now - 3h;
  EXPECT_EQ(runtimeLastUsedText(r, now), "Last used 3 hours ago");
}

TEST(AdvisorRules, DeleteQuestionNamesTheRuntimeItsDevicesAndItsDownload) {
  const char* middle = " is the copy of iOS the Simulator boots, not your code, projects, or personal data. ";
  const char* after = ". Those simulators stop working until Xcode re-downloads the runtime (a ";
  struct Case {
    AdvisorService::SimRuntime runtime;
    const char* summary;
    const char* size;
  };
  const Case cases[] = {
      {runtime("17.4", 7'250'000'000), "No simulators currently use it", "7.25 GB"},
      {runtime("17.4", 1'000'000'000, {"iPhone 15"}), "Used by 1 simulator: iPhone 15", "1 GB"},
      {runtime("17.4", -5, {"A", "B", "C", "D", "E"}), "Used by 5 simulators: A, B, C +2 more", "Zero KB"},
  };
  for (const Case& c : cases) {
    EXPECT_EQ(deleteRuntimeMessage(c.runtime), QString::fromStdString(c.runtime.name) + middle + c.summary +
                                                   after + c.size +
                                                   " download) the next time you need them.");
  }
  EXPECT_EQ(deleteRuntimeTitle(), "Delete this Simulator runtime?");
}

TEST(AdvisorRules, TheRunningActionSpinsAndEveryOtherActionWaits) {
  const QString runtimeA = "com.apple.CoreSimulator.SimRuntime.iOS-17-4";
  const QString unavailable = models::AdvisorViewModel::unavailableSimsAction;
  const QString snapshots = models::AdvisorViewModel::snapshotsAction;
  struct Case {
    std::optional<QString> busy;
    QString control;
    bool allowed;
    AdvisorActionControl state;
  };
  const Case cases[] = {
      {std::nullopt, runtimeA, true, {false, true}},
      {std::nullopt, runtimeA, false, {false, false}},  // not deletable
      {std::nullopt, snapshots, true, {false, true}},
      {runtimeA, runtimeA, true, {true, false}},
      {runtimeA, snapshots, true, {false, false}},
      {runtimeA, "com.apple.CoreSimulator.SimRuntime.iOS-16-0", true, {false, false}},
      {unavailable, unavailable, true, {true, false}},
      {unavailable, snapshots, true, {false, false}},
      {snapshots, unavailable, true, {false, false}},
      {snapshots, runtimeA, false, {false, false}},
  };
  for (const Case& c : cases)
    EXPECT_EQ(advisorActionControl(c.busy, c.control, c.allowed), c.state)
        << c.busy.value_or("none").toStdString() << " / " << c.control.toStdString();
}

}  // namespace
}  // namespace tidewell::screens
