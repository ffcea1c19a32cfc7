#include <string>
#include <utility>
#include <vector>

#include <gtest/gtest.h>

#include "base/Paths.h"
#include "engine/deepscan/BigItemScanner.h"
#include "testkit/support/FixtureHome.h"
#include "tests/engine/walk/BindMount.h"

namespace tidewell::engine {
namespace {

using namespace testing;

// (name, home-relative path) of every row, in result order.
std::vector<std::pair<std::string, std::string>> found(const FixtureHome& fx,
                                                       const platform::EngineContext& ctx) {
  std::vector<std::pair<std::string, std::string>> out;
  for (const auto& row : BigItemScanner::findBuildArtifacts(ctx)) {
    EXPECT_EQ(row.paths.size(), 1u) << row.id;
    const std::string& path = row.paths.front();
    EXPECT_TRUE(base::isBelow(path, fx.home())) << path;
    std::string name = row.id.substr(std::string("artifact:").size());
    name = name.substr(0, name.find(':'));
    out.emplace_back(name, path.substr(fx.home().size() + 1));
  }
  return out;
}

std::vector<std::pair<std::string, std::string>> found(const FixtureHome& fx) {
  return found(fx, fx.context());
}

TEST(BuildArtifactFinder, FindsArtefactsByNameAndBuildFoldersByMarker) {
  FixtureHome fx({
      // Found, and never entered once found.
      folder("code/app/node_modules/x/node_modules"),
      folder("code/app/.venv/lib"),
      folder("code/app/__pycache__"),
      folder("Documents/app/node_modules"),
      folder("Documents/ios/Pods"),
      folder("code/mac/DerivedData/build"),
      folder("node_modules"),
      // "build" and "target" count only beside a project marker.
      file("code/web/package.json"),
      folder("code/web/build"),
      folder("code/ios/App.xcodeproj"),
      folder("code/ios/build"),
      file("code/rust/Cargo.toml"),
      folder("code/rust/target/debug"),
      file("code/c/CMakeLists.txt"),
      folder("code/c/build"),
      // Without a marker the folder is an ordinary one and is walked into.
      folder("code/plain/build/node_modules"),
      folder("code/plain/target/build"),
      file("code/plain/makefile"),
      file("code/plain/package.json.bak"),
      // Hidden folders are entered only when they are artefacts themselves.
      folder(".venv"),
      folder(".hidden/node_modules"),
      folder("code/.cache/node_modules"),
      // Skipped first-level folders.
      folder("Library/app/node_modules"),
      folder("Applications/app/node_modules"),
      folder("Movies/app/node_modules"),
      folder("Music/app/node_modules"),
      folder("Pictures/app/node_modules"),
      folder("Public/app/node_modules"),
      folder("Sites/app/node_modules"),
      // A file with an artefact's name is not a folder.
      file("code/files/node_modules"),
  });
  const std::vector<std::pair<std::string, std::string>> expected = {
      {"__pycache__", "code/app/__pycache__"},
      {".venv", "code/app/.venv"},
      {"build", "code/c/build"},
      {"build", "code/ios/build"},
      {"build", "code/web/build"},
      {"DerivedData", "code/mac/DerivedData"},
      // Paths of one name in plain string order: upper case first.
      {"node_modules", "Documents/app/node_modules"},
      {"node_modules", "code/app/node_modules"},
      {"node_modules", "code/plain/build/node_modules"},
      {"node_modules", "node_modules"},
      {"Pods", "Documents/ios/Pods"},
      {"target", "code/rust/target"},
  };
  EXPECT_EQ(found(fx), expected);
}

TEST(BuildArtifactFinder, ExaminesSevenLevelsAndNeverFollowsLinks) {
  FixtureHome fx({
      folder("l1/l2/l3/l4/l5/l6/node_modules"),     // level 7: found
      folder("l1/l2/l3/l4/l5/l6/l7/node_modules"),  // level 8: never examined
      file("l1/l2/l3/l4/l5/m6/Makefile"),
      folder("l1/l2/l3/l4/l5/m6/build"),  // level 7, marker beside it
      folder("code/app/node_modules"),
      symlink("code/linked-modules/node_modules", "{root}/victim/node_modules"),
      symlink("code/alias", "{home}/code/app"),
      symlink("outside", "{root}/victim"),
  });
  fx.addOutside({folder("victim/node_modules"), folder("victim/project/node_modules")});
  const std::vector<std::pair<std::string, std::string>> expected = {
      {"build", "l1/l2/l3/l4/l5/m6/build"},
      {"node_modules", "code/app/node_modules"},
      {"node_modules", "l1/l2/l3/l4/l5/l6/node_modules"},
  };
  EXPECT_EQ(found(fx), expected);
}

TEST(BuildArtifactFinder, StaysOnTheHomeFileSystem) {
  FixtureHome fx({folder("code/app/node_modules"), folder("code/mnt")});
  fx.addOutside({folder("victim/project/node_modules")});
  {
    BindMount other(fx.outside("victim"), fx.path("code/mnt"));
    if (!other.ok()) GTEST_SKIP() << "bind mounts are not permitted here";
    const std::vector<std::pair<std::string, std::string>> expected = {
        {"node_modules", "code/app/node_modules"}};
    EXPECT_EQ(found(fx), expected);
  }
}

// The desktop's own first-level folders hold media and templates like the
// skipped Movies; its documents, downloads and desktop folders are walked
// like Documents, Downloads and Desktop.
TEST(BuildArtifactFinder, SkipsTheDesktopsMediaFoldersButWalksItsDocuments) {
  FixtureHome fx({folder("Videos/app/node_modules"), folder("Vorlagen/app/node_modules"),
                  folder("Dokumente/app/node_modules"), folder("Schreibtisch/app/node_modules"),
                  folder("Documents/app/node_modules"), folder("code/app/node_modules")});
  auto ctx = fx.context();
  ctx.extraUserFolders = {"Videos", "Vorlagen", "Dokumente", "Schreibtisch", "Documents"};
  ctx.documentsFolder = fx.path("Dokumente");
  ctx.desktopFolder = fx.path("Schreibtisch");
  const std::vector<std::pair<std::string, std::string>> expected = {
      {"node_modules", "Documents/app/node_modules"},
      {"node_modules", "Dokumente/app/node_modules"},
      {"node_modules", "Schreibtisch/app/node_modules"},
      {"node_modules", "code/app/node_modules"},
  };
  EXPECT_EQ(found(fx, ctx), expected);
}

TEST(BuildArtifactFinder, UnusableOrMissingHomeFindsNothing) {
  FixtureHome fx({folder("code/app/node_modules")});
  auto ctx = fx.context();
  for (const char* home : {"", "/", "relative/home"}) {
    ctx.home = home;
    EXPECT_TRUE(BigItemScanner::findBuildArtifacts(ctx).empty()) << home;
  }
  ctx.home = fx.path("missing");
  EXPECT_TRUE(BigItemScanner::findBuildArtifacts(ctx).empty());
}

TEST(BuildArtifactFinder, RowsCarryTheirTextsAndSafety) {
  FixtureHome fx;
  const auto ctx = fx.context();
  struct Case {
    std::string name;
    std::string path;
    std::string title;
    std::string detail;
    SafetyLevel safety;
  };
  const std::vector<Case> cases = {
      {"node_modules", fx.path("code/app/node_modules"), "node_modules \u00b7 app",
       "JavaScript dependencies. Re-created by npm / yarn / pnpm install. In code/app.", SafetyLevel::safe},
      {"build", fx.path("code/web/build"), "build \u00b7 web",
       "Build output. Re-created by the next build. In code/web.", SafetyLevel::caution},
      {"target", fx.path("target"), "target \u00b7 home",
       "Build output. Re-created by the next build. In " + fx.home() + ".", SafetyLevel::caution},
      {".tox", fx.path("py/lib/.tox"), ".tox \u00b7 lib",
       "Build artifact. Re-created on the next build. In py/lib.", SafetyLevel::safe},
      {".venv", "/srv/tool/.venv", ".venv \u00b7 tool",
       "Python virtual environment. Re-created from requirements. In /srv/tool.", SafetyLevel::safe},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.path);
    const CleanupTarget row = BigItemScanner::artifactTarget(c.name, c.path, ctx);
    EXPECT_EQ(row.id, "artifact:" + c.name + ":" + c.path);
    EXPECT_EQ(row.title, c.title);
    EXPECT_EQ(row.detail, c.detail);
    EXPECT_EQ(row.category, CleanupCategory::developerCaches);
    EXPECT_EQ(row.safety, c.safety);
    EXPECT_EQ(row.paths, std::vector<std::string>{c.path});
    EXPECT_FALSE(row.isSweep);
  }
}

TEST(BuildArtifactFinder, IsBuildArtifactListsTheParentForBuildFolders) {
  FixtureHome fx({
      file("go/go.mod"),
      file("swift/Package.swift"),
      file("kts/build.gradle.kts"),
      folder("xc/Tool.xcodeproj"),
      file("near/makefile"),
      file("near/App.xcodeproj.bak"),
      file("near/Cargo.toml.orig"),
      folder("near/build"),
  });
  struct Case {
    std::string path;
    bool expected;
  };
  const std::vector<Case> cases = {
      {fx.path("go/build"), true},
      {fx.path("swift/target"), true},
      {fx.path("kts/build"), true},
      {fx.path("xc/build"), true},
      {fx.path("near/build"), false},
      {fx.path("missing/build"), false},
      {fx.path("go/Build"), false},
      {fx.path("go/dist"), false},
      // Artefact names need no marker and no parent on disk.
      {fx.path("missing/node_modules"), true},
      {fx.path("missing/.parcel-cache"), true},
  };
  for (const auto& c : cases) {
    EXPECT_EQ(BigItemScanner::isBuildArtifact(c.path, base::lastComponent(c.path)), c.expected) << c.path;
  }
}

}  // namespace
}  // namespace tidewell::engine
