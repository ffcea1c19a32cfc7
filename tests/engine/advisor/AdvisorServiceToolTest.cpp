#include <sys/stat.h>

#include <cerrno>
#include <csignal>
#include <functional>

#include <gtest/gtest.h>

#include "engine/advisor/AdvisorService.h"
#include "engine/clean/DiskScanner.h"
#include "testkit/support/FailurePrinting.h"
#include "tests/engine/advisor/FakeTool.h"

namespace tidewell::engine {
namespace {

using namespace testing;
using End = FakeTool::End;

constexpr const char* kRuntimeList = "simctl runtime list -j";
constexpr const char* kDeviceList = "simctl list devices -j";
constexpr const char* kSnapshotList = "listlocalsnapshots /";

const char* const kIOS = "com.apple.CoreSimulator.SimRuntime.iOS-17-4";
const char* const kWatch = "com.apple.CoreSimulator.SimRuntime.watchOS-10-2";

// Keys deliberately out of alphabetical order: equal sizes must keep this
// document order, not the order of a sorted map.
const std::string kRuntimesJson = std::string(R"j({
  "ZZZ-small": {"identifier": "ZZZ-small", "runtimeIdentifier": ")j") +
                                  kWatch + R"j(",
                "sizeBytes": 1000, "deletable": true},
  "MMM-tie-first": {"identifier": "MMM-tie-first", "sizeBytes": 5000, "name": "Tie one"},
  "AAA-tie-second": {"sizeBytes": 5000, "name": "Tie two", "deletable": false},
  "BBB-big": {"identifier": "BBB-big", "runtimeIdentifier": ")j" +
                                  kIOS + R"j(",
              "build": "21E213", "sizeBytes": 7340032000},
  "CCC-huge-float": {"identifier": "CCC", "sizeBytes": 1e30}
})j";

const std::string kDevicesJson = std::string(R"j({"devices": {
  ")j") + kIOS + R"j(": [
    {"name": "iPhone 15", "isAvailable": true},
    {"name": "iPad Air", "isAvailable": false},
    {"isAvailable": false},
    {"name": 42, "isAvailable": "false"}
  ],
  ")j" + kWatch + R"j(": [{"name": "Watch Ultra"}],
  "com.apple.CoreSimulator.SimRuntime.tvOS-17-0": []
}})j";

struct Tools {
  FixtureHome fx;
  FakeTool xcrun{fx, "xcrun"};
  FakeTool tmutil{fx, "tmutil"};
  platform::EngineContext ctx = fx.context();
};

std::vector<std::string> ids(const std::vector<AdvisorService::SimRuntime>& list) {
  std::vector<std::string> out;
  for (const auto& r : list) out.push_back(r.id);
  return out;
}

TEST(AdvisorServiceTools, EveryInvocationHasItsExactArguments) {
  Tools t;
  t.xcrun.answer(kRuntimeList, "{}");
  AdvisorService::SimRuntime odd;
  odd.id = "id with spaces; rm -rf ~";
  struct Case {
    const char* what;
    std::function<void()> call;
    const FakeTool& tool;
    std::vector<std::string> expected;
  };
  const Case cases[] = {
      {"runtime list, then the device list once",
       [&] { AdvisorService::runtimes(t.ctx); },
       t.xcrun,
       {"<simctl><runtime><list><-j>", "<simctl><list><devices><-j>"}},
      {"names by runtime",
       [&] { AdvisorService::deviceNamesByRuntime(t.ctx); },
       t.xcrun,
       {"<simctl><list><devices><-j>"}},
      {"unavailable count",
       [&] { AdvisorService::unavailableSimulatorCount(t.ctx); },
       t.xcrun,
       {"<simctl><list><devices><-j>"}},
      {"delete one runtime; the id is one argument",
       [&] { (void)AdvisorService::deleteRuntime(odd, t.ctx); },  // only the call is checked
       t.xcrun,
       {"<simctl><runtime><delete><id with spaces; rm -rf ~>"}},
      {"delete unavailable simulators",
       [&] {
         auto c = AdvisorService::deleteUnavailableCommand(t.ctx);
         AdvisorService::run(c.executable, c.arguments);
       },
       t.xcrun,
       {"<simctl><delete><unavailable>"}},
      {"count local snapshots",
       [&] { AdvisorService::localSnapshotCount(t.ctx); },
       t.tmutil,
       {"<listlocalsnapshots></>"}},
      {"thin local snapshots",
       [&] {
         auto c = AdvisorService::thinSnapshotsCommand(t.ctx);
         AdvisorService::run(c.executable, c.arguments);
       },
       t.tmutil,
       {"<thinlocalsnapshots></><999999999999><4>"}},
  };
  for (const Case& c : cases) {
    t.xcrun.clearCalls();
    t.tmutil.clearCalls();
    c.call();
    EXPECT_EQ(c.tool.calls(), c.expected) << c.what;
    const FakeTool& other = &c.tool == &t.xcrun ? t.tmutil : t.xcrun;
    EXPECT_TRUE(other.calls().empty()) << c.what;
  }
}

TEST(AdvisorServiceTools, RuntimesLargestFirstWithDevicesAndDocumentOrderForTies) {
  Tools t;
  t.xcrun.answer(kRuntimeList, kRuntimesJson);
  t.xcrun.answer(kDeviceList, kDevicesJson);
  const auto list = AdvisorService::runtimes(t.ctx);
  // The float beyond 64 bits counts 0 and sorts last.
  EXPECT_EQ(ids(list),
            (std::vector<std::string>{"BBB-big", "MMM-tie-first", "AAA-tie-second", "ZZZ-small", "CCC"}));
  ASSERT_EQ(list.size(), 5u);
  EXPECT_EQ(list[0].name, "iOS 17.4");
  EXPECT_EQ(list[0].build, "21E213");
  EXPECT_EQ(list[0].sizeBytes, 7340032000);
  EXPECT_EQ(list[0].deviceNames, (std::vector<std::string>{"iPhone 15", "iPad Air"}));
  EXPECT_FALSE(list[2].deletable);
  EXPECT_EQ(list[3].name, "watchOS 10.2");
  EXPECT_EQ(list[3].deviceNames, (std::vector<std::string>{"Watch Ultra"}));
  EXPECT_EQ(list[4].sizeBytes, 0);
  EXPECT_EQ(list[4].name, "Simulator runtime");
}

TEST(AdvisorServiceTools, RuntimeListThatIsNotADictionaryOfDictionariesGivesNothing) {
  Tools t;
  for (const char* output : {"", "not json", "[]", R"j([{"sizeBytes": 5}])j", R"j({"a": {}, "b": "x"})j",
                             R"j({"a": {"sizeBytes": 5}} trailing)j", "\xff\xfe{}"}) {
    t.xcrun.answer(kRuntimeList, output);
    EXPECT_TRUE(AdvisorService::runtimes(t.ctx).empty()) << output;
  }
  t.xcrun.answer(kRuntimeList, "{}");
  EXPECT_TRUE(AdvisorService::runtimes(t.ctx).empty());
}

TEST(AdvisorServiceTools, DeviceNamesKeepEveryRuntimeAndArrayOrder) {
  Tools t;
  t.xcrun.answer(kDeviceList, kDevicesJson);
  const AdvisorService::DeviceNames expected = {
      {kIOS, {"iPhone 15", "iPad Air"}},
      {kWatch, {"Watch Ultra"}},
      {"com.apple.CoreSimulator.SimRuntime.tvOS-17-0", {}},
  };
  EXPECT_EQ(AdvisorService::deviceNamesByRuntime(t.ctx), expected);
  // Only the Boolean false counts: a missing key or the string "false" does not.
  EXPECT_EQ(AdvisorService::unavailableSimulatorCount(t.ctx), 2);
}

TEST(AdvisorServiceTools, MalformedDeviceListGivesNothing) {
  Tools t;
  for (const char* output :
       {"", "{", R"j({"devices": []})j", R"j({"nodevices": {}})j", R"j({"devices": {"r": {}}})j",
        R"j({"devices": {"r": [{"name": "a", "isAvailable": false}, 7]}})j", "[]"}) {
    t.xcrun.answer(kDeviceList, output);
    EXPECT_TRUE(AdvisorService::deviceNamesByRuntime(t.ctx).empty()) << output;
    EXPECT_EQ(AdvisorService::unavailableSimulatorCount(t.ctx), 0) << output;
  }
}

TEST(AdvisorServiceTools, LargeDeviceListIsReadWhole) {
  Tools t;
  std::string json = R"j({"devices": {"r": [)j";
  const int devices = 20000;  // about 1.2 MB of output
  for (int i = 0; i < devices; ++i) {
    if (i) json += ",";
    json += R"j({"name": "Simulator number )j" + std::to_string(i) +
            R"j(", "isAvailable": false, "udid": "0000"})j";
  }
  json += "]}}";
  ASSERT_GT(json.size(), 1u << 20);
  t.xcrun.answer(kDeviceList, json);
  EXPECT_EQ(AdvisorService::unavailableSimulatorCount(t.ctx), devices);
}

TEST(AdvisorServiceTools, SnapshotCountCountsTimeMachineLines) {
  Tools t;
  struct Case {
    std::string listing;
    End end;
    int expected;
  };
  const Case cases[] = {
      {"Snapshots for disk /:\ncom.apple.TimeMachine.2024-05-01-101010.local\n"
       "com.apple.TimeMachine.2024-05-02-101010.local\n",
       End::Exit0, 2},
      {"com.apple.TimeMachine.a\n\n\ncom.apple.TimeMachine.b", End::Exit0, 2},
      {"Snapshots for disk /:\n", End::Exit0, 0},
      {"", End::Exit0, 0},
      {"com.apple.os.update-ABC\nsomething else\n", End::Exit0, 0},
      {"com.apple.TimeMachine.a\ncom.apple.TimeMachine.b\n", End::Exit1, 0},
      {"com.apple.TimeMachine.a\ncom.apple.TimeMachine.b\n", End::Killed, 0},
      {"com.apple.TimeMachine.a\n\xc3\x28\n", End::Exit0, 0},  // not UTF-8
  };
  for (const Case& c : cases) {
    t.tmutil.answer(kSnapshotList, c.listing, c.end);
    EXPECT_EQ(AdvisorService::localSnapshotCount(t.ctx), c.expected) << c.listing;
  }
}

TEST(AdvisorServiceTools, DeleteSucceedsOnlyOnExitZeroAndSaysHowTheToolEnded) {
  using platform::Attempt;
  using Kind = platform::FailureReason::Kind;
  Tools t;
  AdvisorService::SimRuntime r;
  r.id = "ABC-123";
  const std::string argv = "simctl runtime delete ABC-123";
  struct Case {
    End end;
    Attempt expected;
  };
  const Case cases[] = {
      {End::Exit0, Attempt::done()},
      {End::Exit1, Attempt::failed(Kind::toolExited, 1)},
      {End::Killed, Attempt::failed(Kind::toolSignalled, SIGKILL)},
  };
  for (const Case& c : cases) {
    t.xcrun.answer(argv, "Deleting runtime\n", c.end);
    EXPECT_EQ(AdvisorService::deleteRuntime(r, t.ctx), c.expected);
  }
  // The bulk actions' runner says the same.
  t.xcrun.answer("simctl delete unavailable", "", End::Exit1);
  EXPECT_EQ(AdvisorService::perform(AdvisorService::deleteUnavailableCommand(t.ctx)),
            Attempt::failed(Kind::toolExited, 1));
}

TEST(AdvisorServiceTools, FailedToolsGiveNoData) {
  for (End end : {End::Exit1, End::Killed}) {
    Tools t;
    t.xcrun.answer(kRuntimeList, kRuntimesJson, end);
    t.xcrun.answer(kDeviceList, kDevicesJson, end);
    EXPECT_TRUE(AdvisorService::runtimes(t.ctx).empty());
    EXPECT_TRUE(AdvisorService::deviceNamesByRuntime(t.ctx).empty());
    EXPECT_EQ(AdvisorService::unavailableSimulatorCount(t.ctx), 0);
  }
  // A runtime list that works with a device list that fails: runtimes stay,
  // without device names.
  Tools t;
  t.xcrun.answer(kRuntimeList, kRuntimesJson);
  t.xcrun.answer(kDeviceList, kDevicesJson, End::Exit1);
  const auto list = AdvisorService::runtimes(t.ctx);
  ASSERT_EQ(list.size(), 5u);
  for (const auto& r : list) EXPECT_TRUE(r.deviceNames.empty()) << r.id;
}

TEST(AdvisorServiceTools, MissingToolsGiveNothing) {
  FixtureHome fx;  // no scripts in its tools folder
  auto ctx = fx.context();
  AdvisorService::SimRuntime r;
  r.id = "X";
  EXPECT_TRUE(AdvisorService::runtimes(ctx).empty());
  EXPECT_TRUE(AdvisorService::deviceNamesByRuntime(ctx).empty());
  EXPECT_EQ(AdvisorService::unavailableSimulatorCount(ctx), 0);
  EXPECT_EQ(AdvisorService::localSnapshotCount(ctx), 0);
  EXPECT_EQ(AdvisorService::deleteRuntime(r, ctx),
            platform::Attempt::failed(platform::FailureReason::Kind::toolNotStarted, ENOENT));
  auto c = AdvisorService::thinSnapshotsCommand(ctx);
  EXPECT_EQ(AdvisorService::run(c.executable, c.arguments), std::nullopt);
}

TEST(AdvisorServiceDocker, MeasuresTheVirtualMachineFolder) {
  const std::string vms = "Library/Containers/com.docker.docker/Data/vms";
  FixtureHome none({folder("Library/Containers/com.docker.docker/Data")});
  EXPECT_EQ(AdvisorService::dockerDiskBytes(none.context()), 0);

  FixtureHome fx({file(vms + "/0/data/Docker.raw", 300000), file(vms + "/0/log", 5000)});
  const int64_t expected = DiskScanner::allocatedSize(fx.path(vms));
  EXPECT_GT(expected, 0);
  EXPECT_EQ(AdvisorService::dockerDiskBytes(fx.context()), expected);

  auto unusable = fx.context();
  unusable.home = "/";
  EXPECT_EQ(AdvisorService::dockerDiskBytes(unusable), 0);
}

}  // namespace
}  // namespace tidewell::engine
