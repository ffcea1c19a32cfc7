#include "engine/clean/CleanupTarget.h"

#include <gtest/gtest.h>

#include <map>
#include <regex>
#include <set>
#include <string>
#include <vector>

#include "testkit/support/FixtureHome.h"

namespace tidewell::engine {
namespace {

using Names = std::set<std::string>;

const CleanupTarget* row(const std::vector<CleanupTarget>& rows, const std::string& id) {
  for (const auto& r : rows)
    if (r.id == id) return &r;
  return nullptr;
}

TEST(CleanupTarget, RowsKeepTheirOrderGradesAndGroups) {
  testing::FixtureHome fx;
  const auto rows = CleanupTarget::catalog(fx.context());
  ASSERT_EQ(rows.size(), 65u);
  EXPECT_EQ(rows.front().id, "xcode-derived-data");
  EXPECT_EQ(rows.back().id, "trash");

  std::set<std::string> ids;
  const std::regex idShape("[a-z0-9]+(-[a-z0-9]+)*");
  std::vector<int> caution, sweep;
  for (size_t i = 0; i < rows.size(); ++i) {
    const auto& r = rows[i];
    EXPECT_TRUE(ids.insert(r.id).second) << "duplicate " << r.id;
    EXPECT_TRUE(std::regex_match(r.id, idShape)) << r.id;
    EXPECT_FALSE(r.title.empty()) << r.id;
    EXPECT_FALSE(r.detail.empty()) << r.id;
    // Three groups in a row: 26 developer, 31 app and 8 system rows; no AI row.
    const CleanupCategory expected = i < 26   ? CleanupCategory::developerCaches
                                     : i < 57 ? CleanupCategory::appCaches
                                              : CleanupCategory::system;
    EXPECT_EQ(r.category, expected) << r.id;
    if (r.safety == SafetyLevel::caution) caution.push_back(int(i) + 1);
    if (r.isSweep) sweep.push_back(int(i) + 1);
  }
  EXPECT_EQ(caution, (std::vector<int>{25, 43, 60, 63, 64, 65}));
  EXPECT_EQ(sweep, (std::vector<int>{26, 57}));
  EXPECT_EQ(rows[25].paths, (std::vector<std::string>{"~/.cache"}));
  EXPECT_EQ(rows[56].paths, (std::vector<std::string>{"~/Library/Caches"}));
}

TEST(CleanupTarget, WrittenPathsAreHomeRelativeAndClean) {
  testing::FixtureHome fx;
  for (const auto& r : CleanupTarget::catalog(fx.context())) {
    if (r.id == "user-temp" || r.id == "trash") continue;
    ASSERT_FALSE(r.paths.empty()) << r.id;
    for (const auto& p : r.paths) {
      EXPECT_EQ(p.substr(0, 2), "~/") << r.id << ": " << p;
      EXPECT_NE(p.back(), '/') << r.id << ": " << p;
      EXPECT_EQ(p.find("//"), std::string::npos) << r.id << ": " << p;
    }
  }
}

TEST(CleanupTarget, TextsAndPathsAreExact) {
  testing::FixtureHome fx;
  const auto rows = CleanupTarget::catalog(fx.context());
  const std::map<std::string, std::string> details = {
      {"xcode-derived-data",
       "Build intermediates and indexes. Xcode rebuilds these the next time you build."},
      {"cocoapods-cache", "Cached pods. Re-downloaded by `pod install` when needed."},
      {"pub-cache", "Downloaded Dart & Flutter packages. Re-fetched by `pub get` when needed."},
      {"playwright-browsers", "Downloaded test browsers. Re-installed with `playwright install`."},
      {"cocoapods-spec-repos",
       "The public CocoaPods trunk spec mirror. Re-fetched by `pod install`; the first install after "
       "clearing "
       "is slower."},
      {"editor-app-caches",
       "Web caches kept by VS Code\xE2\x80\x93"
       "family editors (VS Code, Windsurf, Cursor, Antigravity). Rebuilt on the next launch; settings and "
       "extensions stay."},
      {"cargo-cache",
       "Downloaded crates, registry index and cached git dependencies. Re-fetched on the next build. Your "
       "installed tools in ~/.cargo/bin and credentials stay."},
      {"safari-cache",
       "Safari's on-disk cache. Does not touch history, passwords, or bookmarks. Needs Full Disk Access."},
      {"other-app-caches",
       "Caches every other app keeps in ~/Library/Caches, the folder macOS designates as safe to purge. Apps "
       "rebuild what they need. Items listed separately are not double-counted."},
      {"user-temp",
       "Per-user scratch space macOS clears on restart anyway. Quit heavyweight apps first, since some keep "
       "work-in-progress files here."},
      {"trash", "Permanently removes everything in the Trash. Make sure you don't need any of it."},
  };
  for (const auto& [id, detail] : details) {
    const auto* r = row(rows, id);
    ASSERT_NE(r, nullptr) << id;
    EXPECT_EQ(r->detail, detail) << id;
  }

  const std::map<std::string, std::string> titles = {
      {"pub-cache", "Dart / Pub cache"},
      {"cargo-cache", "Rust / Cargo cache"},
      {"ios-backups", "iPhone / iPad backups"},
      {"macos-on-demand-assets", "macOS on-demand assets"},
      {"cli-tool-caches", "Command-line tool caches"},
  };
  for (const auto& [id, title] : titles) EXPECT_EQ(row(rows, id)->title, title) << id;

  EXPECT_EQ(row(rows, "gradle-caches")->paths,
            (std::vector<std::string>{"~/.gradle/caches", "~/.gradle/wrapper/dists", "~/.gradle/daemon"}));
  EXPECT_EQ(row(rows, "composer-cache")->paths,
            (std::vector<std::string>{"~/.composer/cache", "~/Library/Caches/composer"}));
  EXPECT_EQ(row(rows, "ios-updates")->paths,
            (std::vector<std::string>{"~/Library/iTunes/iPhone Software Updates"}));
  const auto& editors = row(rows, "editor-app-caches")->paths;
  ASSERT_EQ(editors.size(), 12u);
  EXPECT_EQ(editors.front(), "~/Library/Application Support/Code/Cache");
  EXPECT_EQ(editors.back(), "~/Library/Application Support/Antigravity/Code Cache");
}

TEST(CleanupTarget, TemporaryRootsAndTrashComeFromTheContext) {
  testing::FixtureHome fx;
  auto ctx = fx.context();
  EXPECT_TRUE(row(CleanupTarget::catalog(ctx), "user-temp")->paths.empty());

  ctx.temporaryRoots = {fx.outside("tmp")};
  ctx.trashHome = fx.path(".local/share/Trash");
  const auto rows = CleanupTarget::catalog(ctx);
  EXPECT_EQ(row(rows, "user-temp")->paths, ctx.temporaryRoots);
  EXPECT_EQ(row(rows, "trash")->paths, (std::vector<std::string>{fx.path(".local/share/Trash/files"),
                                                                 fx.path(".local/share/Trash/info")}));
  // Both are absolute, so no tilde expansion can send them anywhere else.
  for (const auto& p : row(rows, "trash")->paths) EXPECT_EQ(p.front(), '/');

  ctx.trashHome.clear();
  EXPECT_TRUE(row(CleanupTarget::catalog(ctx), "trash")->paths.empty());
}

TEST(CleanupTarget, SweepNeverTakesSyncStateOrModelDownloads) {
  EXPECT_EQ(CleanupTarget::sweepSkipNames(),
            (std::set<std::string, std::less<>>{"CloudKit", "com.apple.HomeKit", "FamilyCircle",
                                                "huggingface", "torch", "lm-studio"}));
}

TEST(CleanupTarget, CoveredNamesUnderTheCachesRoot) {
  testing::FixtureHome fx;
  const auto ctx = fx.context();
  const Names expected = {"CocoaPods",
                          "Yarn",
                          "pip",
                          "go-build",
                          "Homebrew",
                          "deno",
                          "ms-playwright",
                          "org.swift.swiftpm",
                          "uv",
                          "node-gyp",
                          "composer",
                          "com.unity3d.UnityEditor",
                          "Unity",
                          "com.apple.dt.Xcode",
                          "Google",
                          "com.apple.Safari",
                          "Firefox",
                          "Microsoft Edge",
                          "BraveSoftware",
                          "Arc",
                          "company.thebrowser.Browser",
                          "com.spotify.client",
                          "com.apple.appstore",
                          "com.apple.Music",
                          "com.apple.TV",
                          "com.apple.podcasts",
                          "org.videolan.vlc",
                          "com.colliderli.iina",
                          "com.firecore.infuse",
                          "com.audible.application",
                          "us.zoom.xos",
                          "com.microsoft.Word",
                          "com.microsoft.Excel",
                          "com.microsoft.Powerpoint",
                          "com.microsoft.Outlook",
                          "com.microsoft.onenote.mac",
                          "com.microsoft.OneDrive",
                          "com.figma.Desktop",
                          "Blender",
                          "com.valvesoftware.steam",
                          "com.epicgames.EpicGamesLauncher"};
  ASSERT_EQ(expected.size(), 41u);
  EXPECT_EQ(CleanupTarget::coveredChildNames("~/Library/Caches", ctx), expected);
  // The disk scanner passes the expanded root; any spelling of it agrees.
  EXPECT_EQ(CleanupTarget::coveredChildNames(fx.path("Library/Caches"), ctx), expected);
  EXPECT_EQ(CleanupTarget::coveredChildNames("~/Library/./Caches/", ctx), expected);
}

TEST(CleanupTarget, CoveredNamesEdgeCases) {
  testing::FixtureHome fx;
  auto ctx = fx.context();
  struct Case {
    std::string root;
    Names names;
  } cases[] = {
      {"~/.cache", {}},
      {"~/Library/Caches/CocoaPods", {}},  // a row equal to the root covers nothing
      {"~/Library/Cache", {}},             // a sibling that merely starts with the root's text
      {"~/Library/Caches/Goo", {}},
      {"~/Library/Caches/Google", {"Chrome"}},
      {"~/Library/Application Support/Google/Chrome",
       {"OptGuideOnDeviceModel", "OptGuideOnDeviceClassifierModel", "optimization_guide_model_store",
        "screen_ai", "component_crx_cache", "Default"}},
      {"~/.cargo", {"registry", "git"}},
      {"/", {}},
      {"relative/Library/Caches", {}},
      {"", {}},
  };
  for (const auto& c : cases) EXPECT_EQ(CleanupTarget::coveredChildNames(c.root, ctx), c.names) << c.root;

  // A temporary root inside a sweep root is left to the "user-temp" row.
  ctx.temporaryRoots = {fx.path(".cache/scratch")};
  EXPECT_EQ(CleanupTarget::coveredChildNames("~/.cache", ctx), (Names{"scratch"}));

  ctx.home = "/";
  EXPECT_TRUE(CleanupTarget::coveredChildNames("~/Library/Caches", ctx).empty());
}

TEST(CleanupCategory, RawValuesAndOrder) {
  EXPECT_EQ(allCleanupCategories,
            (std::array<CleanupCategory, 4>{CleanupCategory::developerCaches, CleanupCategory::aiCaches,
                                            CleanupCategory::appCaches, CleanupCategory::system}));
  struct Case {
    std::string raw;
    std::optional<CleanupCategory> category;
  } cases[] = {
      {"Developer Caches", CleanupCategory::developerCaches},
      {"AI Caches", CleanupCategory::aiCaches},
      {"App Caches", CleanupCategory::appCaches},
      {"System", CleanupCategory::system},
      {"system", std::nullopt},
      {"App caches", std::nullopt},
      {"System ", std::nullopt},
      {"", std::nullopt},
  };
  for (const auto& c : cases) {
    EXPECT_EQ(cleanupCategory(c.raw), c.category) << c.raw;
    if (c.category) {
      EXPECT_EQ(rawValue(*c.category), c.raw);
    }
  }
}

}  // namespace
}  // namespace tidewell::engine
