#include "platform/core/EngineContext.h"

#include <sys/stat.h>
#include <unistd.h>

#include <gtest/gtest.h>

#include "platform/linux/TemporaryRoot.h"
#include "testkit/support/FixtureHome.h"
#include "testkit/support/RootFixtures.h"

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

  auto custom =
      EngineContext::fromEnvironment(fx.home(), nullptr, "/data/", "relative:/opt/share", getuid(), 1);
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

TEST(EngineContext, TopDirectoriesOfAFixtureLieInsideIt) {
  // The fixture's own file system has its top directory outside the
  // fixture ("/" or a real mount): never offered to the Trash.
  FixtureHome fx({testing::file("Documents/a.txt", 10), testing::folder("Documents/mnt")});
  const auto ctx = fx.context();
  ASSERT_TRUE(ctx.topDirectoryOf);
  EXPECT_EQ(ctx.topDirectoryOf(fx.path("Documents/a.txt")), "");
  EXPECT_EQ(ctx.topDirectoryOf("/"), "");
  EXPECT_TRUE(
      EngineContext::fromEnvironment(fx.home(), nullptr, nullptr, nullptr, getuid(), 1).topDirectoryOf);

  auto mount = testing::ScopedMount::tmpfs(fx.path("Documents/mnt"));
  if (!mount.ok()) GTEST_SKIP() << "mounting a file system inside the fixture needs root";
  testing::writeFile(fx.path("Documents/mnt/deep/b.txt"), "b");
  EXPECT_EQ(ctx.topDirectoryOf(fx.path("Documents/mnt/deep/b.txt")), fx.path("Documents/mnt"));
}

TEST(TemporaryRoot, OnlyAPrivateFolderOfTheUserQualifies) {
  FixtureHome fx({testing::folder("Documents"), testing::folder("work/tmp")});
  fx.addOutside(
      {testing::folder("private"), testing::folder("shared"), testing::symlink("link-to-root", "/")});
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
      {"/tmp", false},     // group and other writable
      {home, false},       // the home itself
      {fx.root(), false},  // an ancestor of the home
      {"/", false},
      {home + "/Documents", false},         // a first-level folder of the home
      {fx.outside("link-to-root"), false},  // judged where it really points
      {fx.outside("missing"), false},
      {fx.outside("private"), true},
      {fx.outside("private") + "/", true},
      {fx.outside("shared"), true},  // 0755: no group or other write bit
      {home + "/work/tmp", true},    // deeper inside the home is fine
  };
  const std::vector<std::string> noSession;
  for (const auto& c : cases) {
    auto root = validatedTemporaryRoot(c.tmpdir.empty() ? nullptr : c.tmpdir.c_str(), home, me, noSession);
    EXPECT_EQ(root.has_value(), c.ok) << c.tmpdir;
  }
  EXPECT_EQ(*validatedTemporaryRoot((fx.outside("private") + "/").c_str(), home, me, noSession),
            fx.outside("private"));

  chmod(fx.outside("shared").c_str(), 0775);
  EXPECT_FALSE(validatedTemporaryRoot(fx.outside("shared").c_str(), home, me, noSession));
  EXPECT_FALSE(validatedTemporaryRoot(fx.outside("private").c_str(), home, me + 1, noSession))
      << "owned by someone else";
  EXPECT_FALSE(validatedTemporaryRoot(fx.outside("private").c_str(), "/", me, noSession)) << "unusable home";
}

TEST(TemporaryRoot, TheSessionsRuntimeFolderNeverQualifies) {
  // The runtime folder holds the session's live sockets (bus, display,
  // audio, agents): a TMPDIR that is it, holds it or lies inside it is no
  // temporary root, however it is spelled.
  FixtureHome fx({testing::folder("Documents")});
  fx.addOutside({testing::folder("run/user/1000/app"), testing::folder("tmp-private"),
                 testing::symlink("runtime-link", "{root}/run/user/1000")});
  for (const char* folder : {"run", "run/user", "run/user/1000", "run/user/1000/app", "tmp-private"})
    chmod(fx.outside(folder).c_str(), 0700);
  const std::vector<std::string> session = {fx.outside("run/user/1000")};
  const std::vector<std::string> sessionByLink = {fx.outside("runtime-link")};
  struct Case {
    std::string tmpdir;
    const std::vector<std::string>& session;
    bool ok;
  };
  const Case cases[] = {
      {fx.outside("run/user/1000"), session, false},            // the runtime folder itself
      {fx.outside("run/user/1000/app"), session, false},        // inside it
      {fx.outside("run/user"), session, false},                 // holding it
      {fx.outside("run"), session, false},                      // holding it further up
      {fx.outside("runtime-link"), session, false},             // through a link
      {fx.outside("run/user/1000/app"), sessionByLink, false},  // the variable names a link
      {fx.outside("run/user/1000") + "/", session, false},
      {fx.outside("tmp-private"), session, true},  // a sibling is fine
      {fx.outside("run/user/1000"), {}, true},     // without a session folder it is a folder
  };
  for (const Case& c : cases)
    EXPECT_EQ(validatedTemporaryRoot(c.tmpdir.c_str(), fx.home(), getuid(), c.session).has_value(), c.ok)
        << c.tmpdir;
}

TEST(TemporaryRoot, RuntimeFoldersAreTheVariableAndTheStandardPlace) {
  EXPECT_EQ(runtimeFolders(nullptr, 1000), std::vector<std::string>{"/run/user/1000"});
  EXPECT_EQ(runtimeFolders("", 1000), std::vector<std::string>{"/run/user/1000"});
  EXPECT_EQ(runtimeFolders("relative/run", 1000), std::vector<std::string>{"/run/user/1000"});
  EXPECT_EQ(runtimeFolders("/run/user/1000/", 1000), std::vector<std::string>{"/run/user/1000"});
  EXPECT_EQ(runtimeFolders("/var/run/session", 42),
            (std::vector<std::string>{"/var/run/session", "/run/user/42"}));
}

TEST(TemporaryRoot, FromEnvironmentRefusesTheRuntimeFolder) {
  FixtureHome fx;
  fx.addOutside({testing::folder("session"), testing::folder("scratch")});
  chmod(fx.outside("session").c_str(), 0700);
  chmod(fx.outside("scratch").c_str(), 0700);
  const std::string session = fx.outside("session");
  const std::string scratch = fx.outside("scratch");
  auto refused = EngineContext::fromEnvironment(fx.home(), session.c_str(), nullptr, nullptr, getuid(), 1,
                                                session.c_str());
  EXPECT_TRUE(refused.temporaryRoots.empty());
  auto accepted = EngineContext::fromEnvironment(fx.home(), scratch.c_str(), nullptr, nullptr, getuid(), 1,
                                                 session.c_str());
  EXPECT_EQ(accepted.temporaryRoots, std::vector<std::string>{scratch});
}

}  // namespace
}  // namespace tidewell::platform
