#include "platform/linux/XdgUserDirs.h"

#include <gtest/gtest.h>

#include <unistd.h>

#include <string>
#include <vector>

#include "platform/core/EngineContext.h"
#include "testkit/support/ContainedRun.h"
#include "testkit/support/FixtureHome.h"
#include "testkit/support/HostileFile.h"

namespace tidewell::platform {
namespace {

using Names = std::vector<std::string>;

TEST(XdgUserDirs, OneLineAtATime) {
  struct Case {
    std::string line;
    Names names;
  } cases[] = {
      {R"(XDG_VIDEOS_DIR="$HOME/Videos")", {"Videos"}},
      {R"(XDG_TEMPLATES_DIR="/home/a/Templates")", {"Templates"}},
      {R"(XDG_MUSIC_DIR="$HOME/My Music")", {"My Music"}},
      {R"(  XDG_PICTURES_DIR="$HOME/Bilder"  )", {"Bilder"}},
      {"XDG_DOWNLOAD_DIR=\"$HOME/Downloads\"\r", {"Downloads"}},
      {R"(XDG_VIDEOS_DIR="$HOME/./Filme/")", {"Filme"}},
      {R"(XDG_DESKTOP_DIR="$HOME/")", {}},  // the home itself: the folder is switched off
      {R"(XDG_DESKTOP_DIR="$HOME")", {}},
      {R"(XDG_MUSIC_DIR="$HOME/Media/Music")", {}},
      {R"(XDG_MUSIC_DIR="$HOME/../b/Music")", {}},
      {R"(XDG_MUSIC_DIR="/home/ab/Music")", {}},
      {R"(XDG_MUSIC_DIR="/srv/Music")", {}},
      {R"(XDG_MUSIC_DIR="Music")", {}},
      {R"(XDG_MUSIC_DIR=$HOME/Music)", {}},
      {R"(XDG_MUSIC_DIR="$HOME/Mu\"sic")", {}},
      {R"(XDG_MUSIC_DIR="${HOME}/Music")", {}},
      {R"(XDG_MUSIC_DIR="$HOME/Music" # mine)", {}},
      {R"(# XDG_MUSIC_DIR="$HOME/Music")", {}},
      {R"(MUSIC_DIR="$HOME/Music")", {}},
      {R"(XDG_MUSIC="$HOME/Music")", {}},
      {"", {}},
  };
  for (const auto& c : cases) EXPECT_EQ(parseXdgUserDirs(c.line, "/home/a"), c.names) << c.line;
}

TEST(XdgUserDirs, WholeFileInOrderOnce) {
  const std::string text =
      "# written by xdg-user-dirs-update\n"
      "XDG_DESKTOP_DIR=\"$HOME/Desktop\"\n"
      "XDG_VIDEOS_DIR=\"$HOME/Videos\"\n"
      "XDG_TEMPLATES_DIR=\"$HOME/Templates\"\n"
      "XDG_PUBLICSHARE_DIR=\"$HOME/\"\n"
      "XDG_MUSIC_DIR=\"/home/a/Videos\"";
  EXPECT_EQ(parseXdgUserDirs(text, "/home/a"), (Names{"Desktop", "Videos", "Templates"}));
  for (const char* home : {"", "/", "home/a"}) EXPECT_TRUE(parseXdgUserDirs(text, home).empty()) << home;
}

TEST(XdgUserDirs, TheFolderOfOneKey) {
  struct Case {
    std::string text;
    std::optional<std::string> folder;
  } cases[] = {
      {R"(XDG_DOWNLOAD_DIR="$HOME/Downloads")", "/home/a/Downloads"},
      {R"(XDG_DOWNLOAD_DIR="$HOME/Téléchargements/")", "/home/a/Téléchargements"},
      {R"(XDG_DOWNLOAD_DIR="$HOME/Media/Downloads")", "/home/a/Media/Downloads"},  // deeper is fine
      {R"(XDG_DOWNLOAD_DIR="/home/a/dl")", "/home/a/dl"},
      {R"(XDG_DOWNLOAD_DIR="$HOME")", std::nullopt},  // switched off
      {R"(XDG_DOWNLOAD_DIR="$HOME/")", std::nullopt},
      {R"(XDG_DOWNLOAD_DIR="/srv/downloads")", std::nullopt},
      {R"(XDG_DOWNLOAD_DIR="$HOME/../b/dl")", std::nullopt},
      {R"(XDG_DOWNLOAD_DIR=$HOME/Downloads)", std::nullopt},
      {R"(XDG_DESKTOP_DIR="$HOME/Desktop")", std::nullopt},                               // another key
      {"XDG_DOWNLOAD_DIR=\"$HOME/old\"\nXDG_DOWNLOAD_DIR=\"$HOME/new\"", "/home/a/new"},  // the last wins
      {"XDG_DOWNLOAD_DIR=\"$HOME/old\"\nXDG_DOWNLOAD_DIR=\"/srv/x\"", std::nullopt},
      {"", std::nullopt},
  };
  for (const auto& c : cases)
    EXPECT_EQ(parseXdgUserDir(c.text, "XDG_DOWNLOAD_DIR", "/home/a"), c.folder) << c.text;
  EXPECT_FALSE(parseXdgUserDir(R"(XDG_DOWNLOAD_DIR="$HOME/Downloads")", "XDG_DOWNLOAD_DIR", "/"));
}

TEST(XdgUserDirs, ReadFromTheHomeConfigFolder) {
  testing::FixtureHome fx;
  EXPECT_TRUE(readXdgUserDirs(fx.home()).empty());
  testing::writeFile(fx.path(".config/user-dirs.dirs"),
                     "XDG_VIDEOS_DIR=\"$HOME/Videos\"\nXDG_TEMPLATES_DIR=\"" + fx.path("Vorlagen") + "\"\n");
  EXPECT_EQ(readXdgUserDirs(fx.home()), (Names{"Videos", "Vorlagen"}));
}

// The engine's context reads the file whenever it is made: a file that
// blocks or never ends would hold every scan, so it counts as absent.
TEST(XdgUserDirs, AFileThatIsNoSmallRegularFileIsIgnoredAndLeftAlone) {
  for (const testing::HostileFile kind : testing::kHostileFiles) {
    SCOPED_TRACE(testing::nameOf(kind));
    testing::FixtureHome fx;
    const std::string path = fx.path(".config/user-dirs.dirs");
    testing::placeHostileFile(path, kind, "XDG_VIDEOS_DIR=\"$HOME/Videos\"\nXDG_DOWNLOAD_DIR=\"$HOME/dl\"\n",
                              kMaxUserDirsBytes + 1);
    const std::string before = testing::entryState(path);

    const testing::ContainedRun run = testing::runContained([&] {
      const auto ctx = EngineContext::fromEnvironment(fx.home(), nullptr, nullptr, nullptr, ::getuid(), 1);
      std::string seen = "text " + std::to_string(readXdgUserDirsFile(fx.home()).size()) + ", folders";
      for (const std::string& name : ctx.extraUserFolders) seen += " " + name;
      return seen + ", downloads " + ctx.downloadFolder;
    });
    EXPECT_TRUE(run.ended);
    EXPECT_LT(run.peakGrowthBytes, testing::kHostileFileMemoryBudget);
    if (run.ended) {
      EXPECT_EQ(run.text, "text 0, folders, downloads ");
    }
    EXPECT_EQ(testing::entryState(path), before);
  }
}

}  // namespace
}  // namespace tidewell::platform
