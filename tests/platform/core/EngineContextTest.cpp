#include "platform/core/EngineContext.h"

#include <sys/stat.h>
#include <unistd.h>

#include <gtest/gtest.h>

#include "platform/core/TemporaryRoot.h"
#include "tests/support/FixtureHome.h"

namespace tidewell::platform {
namespace {

using testing::FixtureHome;

TEST(EngineContext, FromEnvironmentDerivesXdgFolders) {
  FixtureHome fx;
  auto ctx = EngineContext::fromEnvironment(fx.home() + "/", nullptr, nullptr, nullptr, getuid(), 42);
  EXPECT_EQ(ctx.home, fx.home());
  EXPECT_TRUE(ctx.temporaryRoots.empty());
  EXPECT_EQ(ctx.trashHome, fx.home() + "/.local/share/Trash");
  ASSERT_EQ(ctx.desktopEntryFolders.size(), 3u);
  EXPECT_EQ(ctx.desktopEntryFolders[1], "/usr/local/share/applications");
  EXPECT_EQ(ctx.desktopEntryFolders[2], "/usr/share/applications");
  EXPECT_EQ(ctx.pid, 42);

  auto custom = EngineContext::fromEnvironment(fx.home(), nullptr, "/data/", "relative:/opt/share", getuid(), 1);
  EXPECT_EQ(custom.trashHome, "/data/Trash");
  ASSERT_EQ(custom.desktopEntryFolders.size(), 2u);
  EXPECT_EQ(custom.desktopEntryFolders[1], "/opt/share/applications");

  auto relativeData = EngineContext::fromEnvironment(fx.home(), nullptr, "data", nullptr, getuid(), 1);
  EXPECT_EQ(relativeData.trashHome, fx.home() + "/.local/share/Trash");
}

TEST(EngineContext, UnusableHomeGivesAnEmptyContext) {
  for (const char* home : {"", "/", "relative"}) {
    auto ctx = EngineContext::fromEnvironment(home, "/tmp", nullptr, nullptr, getuid(), 1);
    EXPECT_FALSE(ctx.homeUsable()) << home;
    EXPECT_TRUE(ctx.temporaryRoots.empty());
    EXPECT_TRUE(ctx.trashHome.empty());
  }
}

TEST(EngineContext, FromEnvironmentReadsTheDesktopsUserFolders) {
  FixtureHome fx;
  EXPECT_TRUE(EngineContext::fromEnvironment(fx.home(), nullptr, nullptr, nullptr, getuid(), 1)
                  .extraUserFolders.empty());
  testing::writeFile(fx.path(".config/user-dirs.dirs"),
                     "XDG_VIDEOS_DIR=\"$HOME/Videos\"\nXDG_MUSIC_DIR=\"$HOME/Media/Music\"\n");
  auto ctx = EngineContext::fromEnvironment(fx.home(), nullptr, nullptr, nullptr, getuid(), 1);
  EXPECT_EQ(ctx.extraUserFolders, std::vector<std::string>{"Videos"});
  EXPECT_TRUE(fx.context().extraUserFolders.empty());
  EXPECT_EQ(ctx.downloadFolder, "");

  // The one file also names the desktop's own Downloads, Desktop and
  // Documents folders.
  testing::writeFile(fx.path(".config/user-dirs.dirs"),
                     "XDG_DOWNLOAD_DIR=\"$HOME/Téléchargements\"\n"
                     "XDG_DESKTOP_DIR=\"$HOME/Bureau\"\nXDG_DOCUMENTS_DIR=\"$HOME/Media/Docs\"\n");
  ctx = EngineContext::fromEnvironment(fx.home(), nullptr, nullptr, nullptr, getuid(), 1);
  EXPECT_EQ(ctx.downloadFolder, fx.path("Téléchargements"));
  EXPECT_EQ(ctx.desktopFolder, fx.path("Bureau"));
  EXPECT_EQ(ctx.documentsFolder, fx.path("Media/Docs"));
  EXPECT_EQ(ctx.extraUserFolders, (std::vector<std::string>{"Téléchargements", "Bureau"}));
  EXPECT_TRUE(fx.context().downloadFolder.empty());
}

TEST(EngineContext, FixtureKeepsEverythingInsideTheFixture) {
  FixtureHome fx;
  auto ctx = fx.context();
  EXPECT_EQ(ctx.home, fx.home());
  EXPECT_EQ(ctx.systemPath("/Applications"), fx.root() + "/system/Applications");
  EXPECT_EQ(ctx.procRoot, fx.root() + "/proc");
  EXPECT_EQ(ctx.tools.xcrun, fx.root() + "/tools/xcrun");
  EXPECT_EQ(ctx.inHome("Library"), fx.home() + "/Library");
}

TEST(TemporaryRoot, OnlyAPrivateFolderOfTheUserQualifies) {
  FixtureHome fx({testing::folder("Documents"), testing::folder("work/tmp")});
  fx.addOutside({testing::folder("private"), testing::folder("shared"), testing::symlink("link-to-root", "/")});
  chmod(fx.outside("private").c_str(), 0700);
  chmod(fx.outside("shared").c_str(), 0755);
  chmod(fx.path("work/tmp").c_str(), 0700);
  const std::string home = fx.home();
  const uid_t me = getuid();

  struct Case {
    std::string tmpdir;
    bool ok;
  } cases[] = {
      {"", false},
      {"relative/tmp", false},
      {"/", false},
      {"/tmp", false},                    // group and other writable
      {home, false},                      // the home itself
      {fx.root(), false},                 // an ancestor of the home
      {"/", false},
      {home + "/Documents", false},       // a first-level folder of the home
      {fx.outside("link-to-root"), false},  // judged where it really points
      {fx.outside("missing"), false},
      {fx.outside("private"), true},
      {fx.outside("private") + "/", true},
      {fx.outside("shared"), true},       // 0755: no group or other write bit
      {home + "/work/tmp", true},         // deeper inside the home is fine
  };
  for (const auto& c : cases) {
    auto root = validatedTemporaryRoot(c.tmpdir.empty() ? nullptr : c.tmpdir.c_str(), home, me);
    EXPECT_EQ(root.has_value(), c.ok) << c.tmpdir;
  }
  EXPECT_EQ(*validatedTemporaryRoot((fx.outside("private") + "/").c_str(), home, me), fx.outside("private"));

  chmod(fx.outside("shared").c_str(), 0775);
  EXPECT_FALSE(validatedTemporaryRoot(fx.outside("shared").c_str(), home, me));
  EXPECT_FALSE(validatedTemporaryRoot(fx.outside("private").c_str(), home, me + 1)) << "owned by someone else";
  EXPECT_FALSE(validatedTemporaryRoot(fx.outside("private").c_str(), "/", me)) << "unusable home";
}

}  // namespace
}  // namespace tidewell::platform
