#include <gtest/gtest.h>
#include <unistd.h>

#include <algorithm>
#include <map>

#include "engine/apps/AppScanner.h"
#include "engine/clean/DiskScanner.h"
#include "testkit/support/FixtureHome.h"
#include "tests/engine/apps/InfoPlistFixture.h"

namespace tidewell::engine {
namespace {

using namespace testing;

// Three search folders laid out like a Mac: system Applications with its
// Utilities subfolder, and the user's own Applications.
struct AppsFixture {
  FixtureHome fx;
  platform::EngineContext ctx = fx.context();
  std::string apps = ctx.systemPath("/Applications");
  AppScanner scanner{AppScanner::standardSearchDirs(ctx)};

  std::map<std::string, InstalledApp> scanByPath(const AppScanner::Progress& progress = {}) const {
    std::map<std::string, InstalledApp> byPath;
    for (auto& app : scanner.scanApps(progress, ctx)) {
      EXPECT_TRUE(byPath.emplace(app.url, app).second) << "listed twice: " << app.url;
    }
    return byPath;
  }
};

TEST(AppScannerScan, StandardSearchFoldersComeFromTheContext) {
  FixtureHome fx;
  auto ctx = fx.context();
  EXPECT_EQ(AppScanner::standardSearchDirs(ctx),
            (std::vector<std::string>{fx.outside("system/Applications"),
                                      fx.outside("system/Applications/Utilities"), fx.path("Applications")}));
}

TEST(AppScannerScan, FindsBundlesInSearchFoldersAndOneSubfolderLevelOnly) {
  AppsFixture a;
  const std::string plain = xmlPlist({{"CFBundleIdentifier", "org.example.x"}});
  makeBundle(a.apps + "/Top.app", plain);
  makeBundle(a.apps + "/Utilities/Tool.app", xmlPlist({{"CFBundleIdentifier", "org.example.tool"}}));
  makeBundle(a.apps + "/Games/Chess.app", plain);
  makeBundle(a.apps + "/Games/More/Deep.app", plain);
  makeBundle(a.apps + "/.hidden/Hidden.app", plain);
  makeBundle(a.apps + "/.Dotted.app", plain);
  makeBundle(a.apps + "/Notes.txt/Inner.app", plain);  // a folder named like a file is still walked
  writeFile(a.apps + "/readme.txt", "not a bundle");
  makeBundle(a.fx.path("Applications/Mine.app"), plain);

  auto found = a.scanByPath();
  std::vector<std::string> paths;
  for (const auto& [path, app] : found) paths.push_back(path);
  std::vector<std::string> expected = {
      a.apps + "/.Dotted.app",        a.apps + "/Games/Chess.app",     a.apps + "/Top.app",
      a.apps + "/Utilities/Tool.app", a.apps + "/Notes.txt/Inner.app", a.fx.path("Applications/Mine.app")};
  std::sort(expected.begin(), expected.end());
  EXPECT_EQ(paths, expected);
}

TEST(AppScannerScan, ReadsNamesVersionsAndIdentifiersWithFallbacks) {
  AppsFixture a;
  makeBundle(a.apps + "/Xml.app",
             xmlPlist({{"CFBundleIdentifier", "com.example.xml"},
                       {"CFBundleName", "Xml Name"},
                       {"CFBundleDisplayName", "Not This"},
                       {"CFBundleShortVersionString", "1.2"},
                       {"CFBundleVersion", "120"}}),
             20000);
  makeBundle(a.apps + "/Bin.app", binaryPlist({{"CFBundleIdentifier", "org.example.bin"},
                                               {"CFBundleDisplayName", "Bin Display"},
                                               {"CFBundleVersion", "77"}},
                                              {"CFBundleName", "CFBundleShortVersionString"}));
  makeBundle(a.apps + "/No Info.app", "");
  makeBundle(a.apps + "/Garbage.app", std::string("\xff\xfe garbage <<", 13));
  makeBundle(a.apps + "/Empty Id.app", xmlPlist({{"CFBundleIdentifier", ""}}));
  makeBundle(a.apps + "/Shallow.app", "");
  writeFile(a.apps + "/Shallow.app/Info.plist", xmlPlist({{"CFBundleName", "Shallow Name"}}));
  writeFile(a.apps + "/File.app", "a plain file named like a bundle");
  makeBundle(a.apps + "/Linked Info.app", "");
  writeFile(a.fx.outside("victim/Info.plist"), xmlPlist({{"CFBundleName", "Through A Link"}}));
  ASSERT_EQ(::symlink(a.fx.outside("victim/Info.plist").c_str(),
                      (a.apps + "/Linked Info.app/Contents/Info.plist").c_str()),
            0);

  struct Case {
    std::string file;
    std::string id;  // "" means the bundle's path
    std::string name;
    std::optional<std::string> bundleID;
    std::optional<std::string> version;
  };
  const std::vector<Case> cases = {
      {"Xml.app", "com.example.xml", "Xml Name", "com.example.xml", "1.2"},
      {"Bin.app", "org.example.bin", "Bin Display", "org.example.bin", "77"},
      {"No Info.app", "", "No Info", std::nullopt, std::nullopt},
      {"Garbage.app", "", "Garbage", std::nullopt, std::nullopt},
      {"Empty Id.app", "", "Empty Id", std::nullopt, std::nullopt},
      {"Shallow.app", "", "Shallow Name", std::nullopt, std::nullopt},
      {"File.app", "", "File", std::nullopt, std::nullopt},
      {"Linked Info.app", "", "Linked Info", std::nullopt, std::nullopt},
  };
  auto found = a.scanByPath();
  EXPECT_EQ(found.size(), cases.size());
  for (const auto& c : cases) {
    const std::string path = a.apps + "/" + c.file;
    auto it = found.find(path);
    ASSERT_NE(it, found.end()) << c.file;
    const InstalledApp& app = it->second;
    EXPECT_EQ(app.id, c.id.empty() ? path : c.id) << c.file;
    EXPECT_EQ(app.name, c.name) << c.file;
    EXPECT_EQ(app.bundleID, c.bundleID) << c.file;
    EXPECT_EQ(app.version, c.version) << c.file;
    EXPECT_EQ(app.sizeBytes, DiskScanner::allocatedSize(path)) << c.file;
    EXPECT_EQ(app.lastUsed, std::nullopt) << c.file;
  }
  EXPECT_GE(found[a.apps + "/Xml.app"].sizeBytes, 20000);
}

TEST(AppScannerScan, LeavesOutSystemBundles) {
  AppsFixture a;
  makeBundle(a.apps + "/Safari.app", xmlPlist({{"CFBundleIdentifier", "com.apple.Safari"}}));
  makeBundle(a.apps + "/Utilities/Terminal.app", binaryPlist({{"CFBundleIdentifier", "com.apple.Terminal"}}));
  makeBundle(a.apps + "/Applesque.app", xmlPlist({{"CFBundleIdentifier", "com.applesque.app"}}));
  const std::string systemBundle = a.ctx.systemPath("/System/Applications/Mail.app");
  makeBundle(systemBundle, xmlPlist({{"CFBundleIdentifier", "org.example.mail"}}));

  auto found = a.scanByPath();
  ASSERT_EQ(found.size(), 1u);
  EXPECT_EQ(found.begin()->second.name, "Applesque");
  EXPECT_FALSE(a.scanner.makeApp(systemBundle, a.ctx));
  EXPECT_FALSE(a.scanner.makeApp(a.apps + "/Safari.app", a.ctx));
}

TEST(AppScannerScan, BundleThatIsALinkMeasuresZero) {
  AppsFixture a;
  makeBundle(a.fx.outside("victim/Real.app"), xmlPlist({{"CFBundleName", "Real"}}), 50000);
  a.fx.addOutside({symlink("system/Applications/Linked.app", "{root}/victim/Real.app")});
  auto app = a.scanner.makeApp(a.apps + "/Linked.app", a.ctx);
  ASSERT_TRUE(app);
  EXPECT_EQ(app->sizeBytes, 0);
  EXPECT_EQ(app->url, a.apps + "/Linked.app");
}

TEST(AppScannerScan, ReportsProgressOncePerCandidate) {
  AppsFixture a;
  std::vector<double> reports;
  auto record = [&](double fraction) { reports.push_back(fraction); };
  EXPECT_TRUE(a.scanner.scanApps(record, a.ctx).empty());
  EXPECT_TRUE(reports.empty());

  makeBundle(a.apps + "/One.app", "");
  makeBundle(a.apps + "/Two.app", xmlPlist({{"CFBundleIdentifier", "com.apple.two"}}));  // yields no record
  makeBundle(a.fx.path("Applications/Three.app"), "");
  EXPECT_EQ(a.scanner.scanApps(record, a.ctx).size(), 2u);
  EXPECT_EQ(reports, (std::vector<double>{1.0 / 3, 2.0 / 3, 1.0}));
}

TEST(AppScannerScan, UnlistableSearchFoldersAreSkipped) {
  AppsFixture a;
  makeBundle(a.fx.path("Applications/Mine.app"), "");
  AppScanner scanner({a.fx.outside("nowhere"), a.fx.path("Applications/Mine.app/Contents/MacOS/main"),
                      a.fx.path("Applications")});
  auto apps = scanner.scanApps({}, a.ctx);
  ASSERT_EQ(apps.size(), 1u);
  EXPECT_EQ(apps[0].name, "Mine");
}

TEST(AppScannerScan, LastUsedComesFromTheLookup) {
  AppsFixture a;
  makeBundle(a.apps + "/One.app", "");
  const auto when = base::TimePoint(std::chrono::seconds(1'700'000'000));
  a.scanner.lastUsedDate = [&](const std::string& path) -> std::optional<base::TimePoint> {
    if (path == a.apps + "/One.app") return when;
    return std::nullopt;
  };
  auto apps = a.scanner.scanApps({}, a.ctx);
  ASSERT_EQ(apps.size(), 1u);
  EXPECT_EQ(apps[0].lastUsed, when);
}

}  // namespace
}  // namespace tidewell::engine
