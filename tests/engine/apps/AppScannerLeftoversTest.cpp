#include <gtest/gtest.h>

#include <regex>
#include <set>

#include "engine/apps/AppScanner.h"
#include "testkit/support/FixtureHome.h"

namespace tidewell::engine {
namespace {

using namespace testing;

InstalledApp appNamed(std::string name, std::optional<std::string> bundleID) {
  InstalledApp app;
  app.name = std::move(name);
  app.bundleID = std::move(bundleID);
  app.id = app.bundleID ? *app.bundleID : "/Applications/" + app.name + ".app";
  app.url = app.id;
  return app;
}

struct Found {
  std::string path;  // relative to the home
  std::string category;
  bool operator==(const Found&) const = default;
};

std::vector<Found> relative(const FixtureHome& fx, const std::vector<LeftoverFile>& leftovers) {
  std::vector<Found> out;
  for (const auto& leftover : leftovers) {
    EXPECT_EQ(leftover.url.rfind(fx.home() + "/", 0), 0u) << leftover.url;
    out.push_back({leftover.url.substr(fx.home().size() + 1), leftover.category});
  }
  return out;
}

// One file per row of the leftover table, each larger than the one before,
// so the result's order (largest first) runs backwards through the table.
TEST(AppScannerLeftovers, FindsEveryRowOfTheTableLargestFirst) {
  const std::vector<Found> rows = {
      {"Library/Caches/com.example.alpha", "Cache"},
      {"Library/Preferences/com.example.alpha.plist", "Preferences"},
      {"Library/Containers/com.example.alpha", "Container"},
      {"Library/Saved Application State/com.example.alpha.savedState", "Saved State"},
      {"Library/HTTPStorages/com.example.alpha", "Web Storage"},
      {"Library/WebKit/com.example.alpha", "WebKit Data"},
      {"Library/Application Support/com.example.alpha", "Application Support"},
      {"Library/Application Support/Alpha", "Application Support"},
      {"Library/Caches/Alpha", "Cache"},
      {"Library/Logs/Alpha", "Logs"},
      {"Library/Group Containers/TEAM.com.example.alpha", "Group Container"},
      {"Library/LaunchAgents/com.example.alpha.helper.plist", "Launch Agent"},
  };
  FixtureHome fx({
      // Near misses that must not be reported.
      file("Library/Caches/com.example.alphabet", 900000),
      file("Library/Group Containers/TEAM.com.example.other", 900000),
      file("Library/LaunchAgents/com.example.ALPHA.plist", 900000),
      file("Library/Preferences/com.example.alpha", 900000),
      file("Library/com.example.alpha", 900000),
  });
  for (size_t i = 0; i < rows.size(); ++i) {
    const bool asFolder = i % 2 == 0;  // folders count with what is inside
    const int64_t bytes = int64_t(i + 1) * 8192;
    fx.add({file(asFolder ? rows[i].path + "/inner/data" : rows[i].path, bytes)});
  }

  AppScanner scanner;
  auto leftovers = scanner.findLeftovers(appNamed("Alpha", "com.example.alpha"), fx.context());
  EXPECT_EQ(relative(fx, leftovers), std::vector<Found>(rows.rbegin(), rows.rend()));

  std::set<std::string> ids;
  for (const auto& leftover : leftovers) {
    EXPECT_TRUE(std::regex_match(
        leftover.id, std::regex("[0-9A-F]{8}-[0-9A-F]{4}-4[0-9A-F]{3}-[89AB][0-9A-F]{3}-[0-9A-F]{12}")))
        << leftover.id;
    ids.insert(leftover.id);
    EXPECT_GT(leftover.sizeBytes, 0) << leftover.url;
  }
  EXPECT_EQ(ids.size(), leftovers.size());
}

TEST(AppScannerLeftovers, EqualSizesKeepTableOrderAndDuplicatesCountOnce) {
  FixtureHome fx({folder("Library/Caches/Same"), folder("Library/Logs/Same"),
                  folder("Library/Application Support/Same"), file("Library/Containers/Same/x", 4096)});
  AppScanner scanner;
  auto leftovers = scanner.findLeftovers(appNamed("Same", "Same"), fx.context());
  EXPECT_EQ(relative(fx, leftovers),
            (std::vector<Found>{{"Library/Containers/Same", "Container"},
                                {"Library/Caches/Same", "Cache"},
                                {"Library/Application Support/Same", "Application Support"},
                                {"Library/Logs/Same", "Logs"}}));
}

TEST(AppScannerLeftovers, WithoutBundleIdentifierOnlyNameRows) {
  FixtureHome fx({folder("Library/Application Support/Beta"), folder("Library/Caches/Beta"),
                  folder("Library/Logs/Beta"), file("Library/LaunchAgents/Beta.plist"),
                  file("Library/Group Containers/Beta")});
  AppScanner scanner;
  for (const std::optional<std::string>& id :
       {std::optional<std::string>{}, std::optional<std::string>{""}}) {
    auto leftovers = scanner.findLeftovers(appNamed("Beta", id), fx.context());
    EXPECT_EQ(relative(fx, leftovers),
              (std::vector<Found>{{"Library/Application Support/Beta", "Application Support"},
                                  {"Library/Caches/Beta", "Cache"},
                                  {"Library/Logs/Beta", "Logs"}}));
  }
}

// Names come from the application's own information list: none of these
// may name a Library folder itself, a place outside its row's folder, or
// match every entry of a folder.
TEST(AppScannerLeftovers, HostileNamesYieldNoRows) {
  FixtureHome fx({file("Library/Caches/x", 4096), file("Library/Caches/a/b", 4096), file("Library/Logs/y"),
                  file("Library/Application Support/z"), file("Library/LaunchAgents/agent.plist"),
                  file("Library/Group Containers/group.x"), file("Library/Preferences/..plist"),
                  file("Library/Preferences/...plist"), file("Library/Preferences/a/b.plist"),
                  file("Library/Saved Application State/..savedState"), file("Library/Logs/a/b"),
                  folder("Library/Containers/b")});
  AppScanner scanner;
  const std::string values[] = {"", ".", "..", "../Caches", "a/b", "../../victim", std::string("a\0b", 3),
                                "/"};
  for (const auto& value : values) {
    EXPECT_TRUE(scanner.findLeftovers(appNamed(value, value), fx.context()).empty()) << value;
    EXPECT_TRUE(scanner.findLeftovers(appNamed(value, std::nullopt), fx.context()).empty()) << value;
  }
  // A hostile identifier leaves the name rows working, and the reverse.
  fx.add({folder("Library/Logs/Good"), folder("Library/Caches/com.good")});
  EXPECT_EQ(relative(fx, scanner.findLeftovers(appNamed("Good", ".."), fx.context())),
            (std::vector<Found>{{"Library/Logs/Good", "Logs"}}));
  EXPECT_EQ(relative(fx, scanner.findLeftovers(appNamed("..", "com.good"), fx.context())),
            (std::vector<Found>{{"Library/Caches/com.good", "Cache"}}));
}

TEST(AppScannerLeftovers, LinksAreReportedAtZeroWithoutFollowing) {
  FixtureHome fx({symlink("Library/Caches/com.example.l", "{root}/victim/big"),
                  symlink("Library/Logs/Linked", "{root}/victim/missing")});
  fx.addOutside({file("victim/big", 1 << 20)});
  AppScanner scanner;
  auto leftovers = scanner.findLeftovers(appNamed("Linked", "com.example.l"), fx.context());
  ASSERT_EQ(relative(fx, leftovers),
            (std::vector<Found>{{"Library/Caches/com.example.l", "Cache"}, {"Library/Logs/Linked", "Logs"}}));
  for (const auto& leftover : leftovers) EXPECT_EQ(leftover.sizeBytes, 0) << leftover.url;
}

// "Contains the bundle identifier" means whole labels of a reverse-domain
// identifier, so a short or partial identifier never reaches the entries
// of other applications.
TEST(AppScannerLeftovers, EntriesHoldTheIdentifierAsWholeLabels) {
  FixtureHome fx({file("Agents/com.vendor.app"), file("Agents/group.com.vendor.app"),
                  file("Agents/TEAMID.com.vendor.app"), file("Agents/com.vendor.app.helper.plist"),
                  file("Agents/com.vendor.application.plist"), file("Agents/xcom.vendor.app.plist"),
                  file("Agents/com.vendor.app-helper.plist"), file("Agents/com.vendor.plist"),
                  file("Agents/com.other.app.plist"), file("Agents/com")});
  struct Case {
    std::string id;
    std::set<std::string> names;
  };
  const Case cases[] = {
      {"com.vendor.app",
       {"com.vendor.app", "group.com.vendor.app", "TEAMID.com.vendor.app", "com.vendor.app.helper.plist"}},
      {"com.vendor",
       {"com.vendor.app", "com.vendor.app.helper.plist", "com.vendor.application.plist",
        "com.vendor.app-helper.plist", "com.vendor.plist", "group.com.vendor.app", "TEAMID.com.vendor.app"}},
      {"com", {}},
      {"", {}},
      {"com.", {}},
      {".com.vendor", {}},
      {"com..vendor", {}},
  };
  for (const Case& c : cases) {
    std::set<std::string> names;
    for (const auto& found : AppScanner::entries(fx.path("Agents"), c.id, "Launch Agent")) {
      EXPECT_EQ(found.category, "Launch Agent");
      names.insert(std::string(found.path.substr(fx.path("Agents").size() + 1)));
    }
    EXPECT_EQ(names, c.names) << c.id;
  }
  EXPECT_TRUE(AppScanner::entries(fx.path("Missing"), "com.vendor.app", "Launch Agent").empty());
}

// An application whose identifier is just "com" finds only what is named
// exactly after it, none of the "com.*" entries of other applications.
TEST(AppScannerLeftovers, ASingleLabelIdentifierReachesNoOtherApplication) {
  FixtureHome fx({folder("Library/Caches/com"), file("Library/Caches/com/data", 4096),
                  folder("Library/Group Containers/group.com.other.app"),
                  file("Library/LaunchAgents/com.other.agent.plist"),
                  file("Library/LaunchAgents/com.plist")});
  AppScanner scanner;
  EXPECT_EQ(relative(fx, scanner.findLeftovers(appNamed("Com", "com"), fx.context())),
            (std::vector<Found>{{"Library/Caches/com", "Cache"}}));
}

TEST(AppScannerLeftovers, NothingWhenTheHomeIsUnusable) {
  FixtureHome fx({folder("Library/Caches/com.example.a")});
  auto ctx = fx.context();
  ctx.home = "/";
  EXPECT_TRUE(AppScanner().findLeftovers(appNamed("A", "com.example.a"), ctx).empty());
}

}  // namespace
}  // namespace tidewell::engine
