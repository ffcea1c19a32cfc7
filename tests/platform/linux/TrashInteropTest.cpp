// Another Trash client must find and restore what our Trash moved. Runs
// Debian's trash-cli, when installed, against the fixture home only, and
// looks only at entries below the fixture.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "platform/core/Trash.h"
#include "testkit/support/FixtureHome.h"
#include "testkit/support/TimeFixtures.h"
#include "testkit/support/TrashChecks.h"
#include "testkit/support/TrashClient.h"

namespace tidewell::platform {
namespace {

using testing::FixtureHome;
using testing::listedBelow;
using testing::moveToFixtureTrash;
using testing::namesIn;
using testing::onPath;
using testing::readFile;
using testing::runTrashClient;
using testing::writeFile;

TEST(TrashInterop, TrashCliListsAndRestoresWhatWeMoved) {
  const std::string list = onPath("trash-list"), restore = onPath("trash-restore");
  if (list.empty() || restore.empty()) GTEST_SKIP() << "trash-cli is not installed";
  // Both sides write and read the deletion date in local time: one zone,
  // without daylight saving, for both.
  testing::ScopedTimeZone zone(testing::kUtc);
  FixtureHome fx;
  const std::string original = fx.path("My Documents/R\xC3\xA9sum\xC3\xA9 100%.txt");
  writeFile(original, "cv");
  const std::string folder = fx.path("Projects/build output");
  writeFile(folder + "/a.o", "obj");
  const EngineContext ctx = fx.context();
  ASSERT_TRUE(moveToFixtureTrash(original, ctx));
  ASSERT_TRUE(moveToFixtureTrash(folder, ctx));

  const testing::ToolRun listing = runTrashClient(fx, {list}, "", fx.home());
  ASSERT_EQ(listing.status, 0) << listing.output;
  EXPECT_EQ(listedBelow(listing.output, fx.root()), (std::vector<std::string>{original, folder}))
      << listing.output;

  // trash-restore offers what was trashed from below the folder it runs in
  // and restores the number typed.
  const testing::ToolRun restored = runTrashClient(fx, {restore}, "0\n", fx.path("My Documents"));
  EXPECT_EQ(restored.status, 0) << restored.output;
  EXPECT_EQ(readFile(original), "cv") << restored.output;
  EXPECT_EQ(namesIn(ctx.trashHome + "/info"), std::vector<std::string>{"build output.trashinfo"});

  const testing::ToolRun again = runTrashClient(fx, {restore}, "0\n", fx.path("Projects"));
  EXPECT_EQ(again.status, 0) << again.output;
  EXPECT_EQ(readFile(folder + "/a.o"), "obj") << again.output;
  EXPECT_TRUE(namesIn(ctx.trashHome + "/files").empty());
  EXPECT_TRUE(namesIn(ctx.trashHome + "/info").empty());
}

}  // namespace
}  // namespace tidewell::platform
