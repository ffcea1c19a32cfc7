#include "engine/deepscan/ContainerScanner.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <gtest/gtest.h>

#include <map>
#include <optional>
#include <string>
#include <vector>

#include "testkit/support/FixtureHome.h"
#include "tests/engine/walk/FakeSizes.h"

namespace tidewell::engine {
namespace {

using namespace testing;

constexpr int64_t GB = 1'000'000'000;
const std::string dockerData = "Library/Containers/com.docker.docker/Data";
const std::string orbGroup = "Library/Group Containers/HUAQ24HBR6.dev.orbstack";
const std::string podman = ".local/share/containers/podman/machine";

struct Found {
  std::string name;
  std::string id;  // home-relative
  int64_t sizeBytes;
  std::optional<std::string> command;
};

struct Case {
  const char* what;
  std::vector<Entry> home;
  std::vector<Entry> outside;            // relative to the fixture root
  std::map<std::string, int64_t> sizes;  // home-relative path -> bytes
  std::vector<Found> expected;
};

TEST(ContainerScanner, DetectsMeasuresAndPointsPerTool) {
  const std::vector<Case> cases = {
      {"nothing installed", {}, {}, {}, {}},
      {"Docker app without a data folder", {}, {folder("system/Applications/Docker.app")}, {}, {}},
      {"Docker measures every machine but points at the first machine's disk",
       {folder(dockerData + "/vms/0/data"), folder(dockerData + "/vms/1")},
       {},
       {{dockerData + "/vms", 20 * GB}},
       {{"Docker data", dockerData + "/vms/0/data", 20 * GB, "docker system prune"}}},
      {"Docker without the disk folder points at the first machine",
       {folder(dockerData + "/vms/0")},
       {},
       {{dockerData + "/vms", 2 * GB}},
       {{"Docker data", dockerData + "/vms/0", 2 * GB, "docker system prune"}}},
      {"Docker without any machine points at what it measured",
       {folder(dockerData + "/vms")},
       {},
       {{dockerData + "/vms", 2 * GB}},
       {{"Docker data", dockerData + "/vms", 2 * GB, "docker system prune"}}},
      {"OrbStack through ~/.orbstack only measures its data folder",
       {folder(".orbstack/data")},
       {},
       {{".orbstack/data", 3 * GB}, {".orbstack", 4 * GB}},
       {{"OrbStack data", ".orbstack/data", 3 * GB, "docker system prune"}}},
      {"OrbStack through ~/.orbstack without a data folder measures it whole",
       {folder(".orbstack")},
       {},
       {{".orbstack", 4 * GB}},
       {{"OrbStack data", ".orbstack", 4 * GB, "docker system prune"}}},
      {"OrbStack app with data in ~/.orbstack",
       {folder(".orbstack/data")},
       {folder("system/Applications/OrbStack.app")},
       {{".orbstack/data", 1 * GB}},
       {{"OrbStack data", ".orbstack/data", 1 * GB, "docker system prune"}}},
      {"the first existing measure path is too small: a later big one is not tried",
       {folder(orbGroup + "/data"), folder(".orbstack/data")},
       {},
       {{orbGroup + "/data", ContainerScanner::minimumBytes - 1}, {".orbstack/data", 50 * GB}},
       {}},
      {"one byte below the minimum", {folder(".colima")}, {}, {{".colima", 104'857'599}}, {}},
      {"exactly the minimum",
       {folder(".colima")},
       {},
       {{".colima", 104'857'600}},
       {{"Colima data", ".colima", 104'857'600, "docker system prune -a"}}},
      {"Podman",
       {folder(podman)},
       {},
       {{podman, GB}},
       {{"Podman data", podman, GB, "podman system prune -a"}}},
      {"Lima has no reclaim command",
       {folder(".lima/default")},
       {},
       {{".lima", 5 * GB}},
       {{"Lima data", ".lima", 5 * GB, std::nullopt}}},
      {"largest first; equal sizes keep the tools' order",
       {folder(".lima"), folder(".colima"), folder(podman)},
       {},
       {{".lima", GB}, {".colima", 2 * GB}, {podman, GB}},
       {{"Colima data", ".colima", 2 * GB, "docker system prune -a"},
        {"Podman data", podman, GB, "podman system prune -a"},
        {"Lima data", ".lima", GB, std::nullopt}}},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.what);
    FixtureHome fx;
    fx.add(c.home);
    fx.addOutside(c.outside);
    FakeSizes fake = FakeSizes::belowHome(fx, c.sizes);

    std::vector<BigItem> items = ContainerScanner::scan(fx.context(), fake.measure());
    ASSERT_EQ(items.size(), c.expected.size());
    for (size_t i = 0; i < items.size(); ++i) {
      const Found& want = c.expected[i];
      EXPECT_EQ(items[i].name, want.name);
      EXPECT_EQ(items[i].id, fx.path(want.id));
      EXPECT_EQ(items[i].url, fx.path(want.id));
      EXPECT_EQ(items[i].sizeBytes, want.sizeBytes);
      EXPECT_EQ(items[i].reclaimCommand, want.command);
      EXPECT_EQ(items[i].location, "Containers & VMs");
      EXPECT_TRUE(items[i].isDirectory);
      EXPECT_EQ(items[i].kind, BigItem::Kind::container);
    }
  }
}

TEST(ContainerScanner, DockerRecordAndWhatIsMeasured) {
  FixtureHome fx({folder(dockerData + "/vms/0/data")});
  fx.addOutside({folder("system/Applications/Docker.app")});
  FakeSizes fake({{fx.path(dockerData + "/vms"), 20 * GB}});

  std::vector<BigItem> items = ContainerScanner::scan(fx.context(), fake.measure());
  BigItem want;
  want.id = fx.path(dockerData + "/vms/0/data");
  want.url = want.id;
  want.name = "Docker data";
  want.location = "Containers & VMs";
  want.sizeBytes = 20 * GB;
  want.isDirectory = true;
  want.kind = BigItem::Kind::container;
  want.note =
      "Docker's VM disk: every image, container and volume. Reclaim from inside Docker, don't delete this "
      "file.";
  want.reclaimCommand = "docker system prune";
  want.identity = identityAt(want.id);
  ASSERT_TRUE(want.identity);
  EXPECT_EQ(items, std::vector<BigItem>{want});
  // Only the one measure path of the one tool present is walked.
  EXPECT_EQ(fake.measured, std::vector<std::string>{fx.path(dockerData + "/vms")});
}

TEST(ContainerScanner, MeasuresThroughALinkAtItsOwnPath) {
  FixtureHome fx({symlink(".lima", "{root}/victim/lima"), symlink(".colima", "{root}/victim/gone")});
  fx.addOutside({folder("victim/lima")});
  // Allocate the blocks without writing them, so the real measure sees a
  // disk above the minimum.
  const std::string disk = fx.outside("victim/lima/diffdisk");
  int fd = open(disk.c_str(), O_WRONLY | O_CREAT | O_CLOEXEC, 0644);
  ASSERT_GE(fd, 0);
  int allocated = fallocate(fd, 0, 0, ContainerScanner::minimumBytes);
  close(fd);
  if (allocated != 0) GTEST_SKIP() << "fallocate is not supported here";

  std::vector<BigItem> items = ContainerScanner::scan(fx.context());
  ASSERT_EQ(items.size(), 1u);  // the dangling ~/.colima link is not there
  EXPECT_EQ(items[0].id, fx.path(".lima"));
  struct stat st {};
  ASSERT_EQ(stat(disk.c_str(), &st), 0);
  EXPECT_EQ(items[0].sizeBytes, int64_t(st.st_blocks) * 512);
}

TEST(ContainerScanner, ManagedPathsAreTheAppDataFoldersOnly) {
  FixtureHome fx;
  EXPECT_EQ(ContainerScanner::managedPaths(fx.context()),
            (std::vector<std::string>{fx.path("Library/Containers/com.docker.docker"),
                                      fx.path("Library/Group Containers/group.com.docker"),
                                      fx.path("Library/Application Support/Docker Desktop"),
                                      fx.path("Library/Group Containers/HUAQ24HBR6.dev.orbstack")}));
}

TEST(ContainerScanner, UnusableHomeFindsNothing) {
  FixtureHome fx({folder(".lima")});
  FakeSizes fake({{fx.path(".lima"), 5 * GB}});
  for (const char* home : {"", "/", "relative/home"}) {
    SCOPED_TRACE(home);
    auto ctx = fx.context();
    ctx.home = home;
    EXPECT_TRUE(ContainerScanner::scan(ctx, fake.measure()).empty());
    EXPECT_TRUE(ContainerScanner::managedPaths(ctx).empty());
  }
  EXPECT_TRUE(fake.measured.empty());
}

}  // namespace
}  // namespace tidewell::engine
