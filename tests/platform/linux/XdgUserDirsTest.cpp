#include "platform/linux/XdgUserDirs.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "testkit/support/FixtureHome.h"

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

}  // namespace
}  // namespace tidewell::platform
