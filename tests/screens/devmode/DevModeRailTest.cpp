#include <gtest/gtest.h>

#include <map>
#include <set>
#include <string>
#include <vector>

#include "engine/clean/CleanupTarget.h"
#include "engine/deepscan/BigItemScanner.h"
#include "engine/safety/PathSafety.h"
#include "models/devmode/DevModeViewModel.h"
#include "screens/devmode/DevModeRail.h"
#include "testkit/support/FixtureHome.h"

namespace tidewell::screens {
namespace {

using engine::CleanupCategory;
using engine::CleanupItem;
using engine::CleanupTarget;
using engine::SafetyLevel;

CleanupItem itemOf(CleanupTarget target, int64_t size = 1, bool selected = false) {
  CleanupItem item;
  item.target = std::move(target);
  item.sizeBytes = size;
  item.isSelected = selected;
  return item;
}

CleanupItem item(std::string id, std::string title = "",
                 CleanupCategory category = CleanupCategory::developerCaches, int64_t size = 1) {
  CleanupTarget target;
  target.id = std::move(id);
  target.title = std::move(title);
  target.category = category;
  return itemOf(std::move(target), size);
}

// Every row a Dev Mode scan measures besides the build folders: the
// catalog's developer rows, three app-cache rows and the AI cache rows.
std::vector<CleanupTarget> devModeRows() {
  return models::DevModeViewModel::targets(
      CleanupTarget::catalog(platform::EngineContext::forFixture("/rail")), {});
}

TEST(DevModeRailClassifier, EveryRealRowLandsInItsGroup) {
  const std::map<std::string, std::string> expected = {
      {"xcode-derived-data", "Xcode"},
      {"xcode-device-support", "Xcode"},
      {"coresimulator-caches", "Xcode"},
      {"npm-cache", "Node & JS"},
      {"gradle-caches", "Java & Android"},
      {"cocoapods-cache", "CocoaPods"},
      {"yarn-cache", "Node & JS"},
      {"pnpm-store", "Node & JS"},
      {"pip-cache", "Python"},
      {"go-build-cache", "Go"},
      {"pub-cache", "Flutter & Dart"},
      {"homebrew-cache", "Homebrew"},
      {"cargo-cache", "Rust"},
      {"maven-repo", "Java & Android"},
      {"bun-cache", "Node & JS"},
      {"deno-cache", "Node & JS"},
      {"playwright-browsers", "Node & JS"},
      {"swiftpm-cache", "Xcode"},
      {"uv-cache", "Python"},
      {"node-gyp-cache", "Node & JS"},
      {"composer-cache", "PHP"},
      {"cocoapods-spec-repos", "CocoaPods"},
      {"unity-caches", "Unity"},
      {"xcode-caches", "Xcode"},
      {"xcode-archives", "Xcode"},
      {"cli-tool-caches", "CLI caches"},
      {"editor-app-caches", "Editors & AI apps"},
      {"claude-app-caches", "Editors & AI apps"},
      // "bundles" holds "bun" but not as a word.
      {"claude-vm-bundles", "Editors & AI apps"},
      {"hf-hub-cache", "AI caches"},
      {"torch-hub-cache", "AI caches"},
      {"keras-model-cache", "AI caches"},
      {"conda-pkg-cache", "AI caches"},
  };
  const auto rows = devModeRows();
  ASSERT_EQ(rows.size(), 33u);
  std::set<std::string> seen;
  for (const auto& row : rows) {
    seen.insert(row.id);
    const auto want = expected.find(row.id);
    ASSERT_NE(want, expected.end()) << "no expected group for " << row.id;
    EXPECT_EQ(DevModeRail::groupLabel(itemOf(row)), want->second) << row.id;
  }
  EXPECT_EQ(seen.size(), expected.size());
}

TEST(DevModeRailClassifier, EveryBuildFolderNameLandsInItsGroup) {
  const std::map<std::string, std::string> expected = {
      {"node_modules", "Node & JS"},
      {".next", "Node & JS"},
      {".nuxt", "Node & JS"},
      {".turbo", "Node & JS"},
      {".angular", "Node & JS"},
      {".parcel-cache", "Node & JS"},
      {"DerivedData", "Xcode"},
      {".build", "Xcode"},
      {".venv", "Python"},
      {"venv", "Python"},
      {"__pycache__", "Python"},
      {".mypy_cache", "Python"},
      {".pytest_cache", "Python"},
      {".tox", "Python"},
      {"Pods", "CocoaPods"},
      {".gradle", "Java & Android"},
      {".dart_tool", "Flutter & Dart"},
      {"target", "Rust"},
      {".terraform", "Infra"},
      {"build", "Build output"},
      {".cxx", "Build output"},
  };
  testing::FixtureHome home;
  std::set<std::string> names(engine::PathSafety::buildFolders().begin(),
                              engine::PathSafety::buildFolders().end());
  names.insert(engine::PathSafety::developerArtefactFolders().begin(),
               engine::PathSafety::developerArtefactFolders().end());
  for (const auto& name : names) {
    // A path through folders named like other groups' keywords changes nothing.
    const auto row =
        engine::BigItemScanner::artifactTarget(name, home.path("xcode/npm-app/" + name), home.context());
    const auto want = expected.find(name);
    ASSERT_NE(want, expected.end()) << "no expected group for " << name;
    EXPECT_EQ(DevModeRail::groupLabel(itemOf(row)), want->second) << row.id;
  }
}

TEST(DevModeRailClassifier, RulesAndOverlaps) {
  struct Case {
    CleanupItem item;
    std::string_view label;
  };
  const Case cases[] = {
      // The category wins over every keyword.
      {item("conda-pkg-cache", "Conda package cache", CleanupCategory::aiCaches), "AI caches"},
      {item("xcode-thing", "Xcode", CleanupCategory::aiCaches), "AI caches"},
      // Build folder names compare exactly; keywords are never consulted.
      {item("artifact:pods:/h/p/pods", "pods · p"), "Build output"},
      {item("artifact:Pods:/h/p/Pods", "Pods · p"), "CocoaPods"},
      {item("artifact:.gradle:/h/xcode/.gradle", "xcode"), "Java & Android"},
      {item("artifact:node_modules"), "Node & JS"},
      {item("artifact:", "npm"), "Build output"},
      // Earlier lists win.
      {item("cocoapods-cache"), "CocoaPods"},
      {item("npm-and-xcode"), "Xcode"},
      {item("pip-brew"), "Python"},
      // "go-build" counts in the id only, after Rust and before Flutter & Dart.
      {item("x", "go-build cache"), "Other"},
      {item("go-build-rust"), "Rust"},
      {item("go-build-pub"), "Go"},
      // "cli-tool-caches" by exact id only, after every list.
      {item("cli-tool-caches"), "CLI caches"},
      {item("cli-tool-caches-2"), "Other"},
      {item("cli-tool-caches", "Homebrew"), "Homebrew"},
      // Titles are lower-cased, ids are not.
      {item("XCODE-stuff"), "Other"},
      {item("XCODE-stuff", "Xcode stuff"), "Xcode"},
      {item("thing", "Editor Cache"), "Editors & AI apps"},
      // "bun" only as a whole word, in the id or the title.
      {item("bun"), "Node & JS"},
      {item("bun-cache"), "Node & JS"},
      {item("my-bun"), "Node & JS"},
      {item("x", "bun cache"), "Node & JS"},
      {item("x", "the bun"), "Node & JS"},
      {item("bundle-bun"), "Node & JS"},
      {item("bundles"), "Other"},
      {item("x", "bunch of files"), "Other"},
      {item("abun-cache"), "Other"},
      {item("bun_cache"), "Other"},
      {item("", ""), "Other"},
  };
  for (const auto& c : cases)
    EXPECT_EQ(DevModeRail::groupLabel(c.item), c.label) << c.item.target.id << " / " << c.item.target.title;
}

TEST(DevModeRailClassifier, MatcherTestsIdAndTitleForEveryKeyword) {
  const DevModeRail::Keyword words[] = {{"alpha"}, {"bun", true}};
  EXPECT_TRUE(DevModeRail::matches(words, "x-alpha", ""));
  EXPECT_TRUE(DevModeRail::matches(words, "", "alphabet"));
  EXPECT_TRUE(DevModeRail::matches(words, "", "a bun"));
  EXPECT_FALSE(DevModeRail::matches(words, "bunny", "bunny"));
  EXPECT_FALSE(DevModeRail::matches(words, "", ""));
  EXPECT_FALSE(DevModeRail::matches({}, "alpha", "alpha"));
}

TEST(DevModeRailSymbols, EveryGroupHasItsSymbol) {
  const std::map<std::string_view, QString> expected = {
      {"Xcode", "hammer.fill"},
      {"Node & JS", "shippingbox.fill"},
      {"Python", "chevron.left.forwardslash.chevron.right"},
      {"Java & Android", "cup.and.saucer.fill"},
      {"Rust", "gearshape.fill"},
      {"Go", "arrow.triangle.2.circlepath"},
      {"Flutter & Dart", "bird.fill"},
      {"PHP", "p.square.fill"},
      {"CocoaPods", "shippingbox.fill"},
      {"Homebrew", "mug.fill"},
      {"Unity", "gamecontroller.fill"},
      {"Infra", "cloud.fill"},
      {"Build output", "cube.transparent"},
      {"Editors & AI apps", "curlybraces"},
      {"CLI caches", "terminal.fill"},
      {"Other", "folder.fill"},
      {"AI caches", "brain.head.profile"},
  };
  ASSERT_EQ(DevModeRail::groupOrder().size(), expected.size());
  for (auto label : DevModeRail::groupOrder()) {
    ASSERT_TRUE(expected.count(label)) << label;
    EXPECT_EQ(DevModeRail::symbol(label).text(), expected.at(label)) << label;
  }
  EXPECT_EQ(DevModeRail::symbol("Large AI models").text(), "folder.fill");
  EXPECT_EQ(DevModeRail::symbol("xcode").text(), "folder.fill");
}

std::vector<std::string> ids(const std::vector<CleanupItem>& items) {
  std::vector<std::string> out;
  for (const auto& item : items) out.push_back(item.target.id);
  return out;
}

std::vector<std::string> labels(const std::vector<RailGroup>& rail) {
  std::vector<std::string> out;
  for (const auto& group : rail) out.push_back(group.label);
  return out;
}

engine::AIModelStore store(std::string id, int64_t size) {
  engine::AIModelStore s;
  s.id = std::move(id);
  s.tool = "Ollama models";
  s.sizeBytes = size;
  return s;
}

TEST(DevModeRailBuilder, GroupsFollowTheFixedOrderWithModelsLast) {
  const std::vector<CleanupItem> items = {
      item("hf-hub-cache", "", CleanupCategory::aiCaches, 50),
      item("npm-cache", "", {}, 10),
      item("artifact:.terraform:/h/p/.terraform", "", {}, 7),
      item("xcode-caches", "", {}, 5),
      item("something", "", {}, 3),
  };
  const auto rail = DevModeRail::railGroups(items, {store("/h/.ollama/models", 9)});
  EXPECT_EQ(labels(rail), (std::vector<std::string>{"Xcode", "Node & JS", "Infra", "Other", "AI caches",
                                                    "Large AI models"}));
  for (const auto& group : rail) {
    EXPECT_EQ(group.isModels, group.label == "Large AI models");
    EXPECT_EQ(group.id, group.isModels ? "__models__" : group.label);
    EXPECT_EQ(group.symbol.text(),
              group.isModels ? "cube.box.fill" : DevModeRail::symbol(group.label).text());
  }
  EXPECT_TRUE(rail.back().items.empty());
}

TEST(DevModeRailBuilder, ItemsGoLargestFirstAndEqualSizesKeepModelOrder) {
  const std::vector<CleanupItem> items = {
      item("npm-a", "", {}, 5), item("xcode-a", "", {}, 1), item("npm-b", "", {}, 9),
      item("npm-c", "", {}, 5), item("npm-d", "", {}, 5),   item("npm-e", "", {}, 12),
  };
  const auto rail = DevModeRail::railGroups(items, {});
  ASSERT_EQ(labels(rail), (std::vector<std::string>{"Xcode", "Node & JS"}));
  EXPECT_EQ(ids(rail[1].items), (std::vector<std::string>{"npm-e", "npm-b", "npm-a", "npm-c", "npm-d"}));
  EXPECT_EQ(ids(rail[0].items), (std::vector<std::string>{"xcode-a"}));
}

TEST(DevModeRailBuilder, ModelsGroupOnlyWithModels) {
  EXPECT_TRUE(DevModeRail::railGroups({}, {}).empty());
  const auto onlyModels = DevModeRail::railGroups({}, {store("a", 1), store("b", 2)});
  ASSERT_EQ(labels(onlyModels), (std::vector<std::string>{"Large AI models"}));
  const auto noModels = DevModeRail::railGroups({item("npm-cache")}, {});
  EXPECT_EQ(labels(noModels), (std::vector<std::string>{"Node & JS"}));
}

TEST(DevModeRailBuilder, EveryRealRowLandsInExactlyOneGroup) {
  std::vector<CleanupItem> items;
  for (const auto& row : devModeRows()) items.push_back(itemOf(row, int64_t(items.size() + 1)));
  std::multiset<std::string> placed;
  for (const auto& group : DevModeRail::railGroups(items, {}))
    for (const auto& id : ids(group.items)) placed.insert(id);
  EXPECT_EQ(placed.size(), items.size());
  for (const auto& item : items) EXPECT_EQ(placed.count(item.target.id), 1u) << item.target.id;
}

TEST(DevModeRailBuilder, BytesAndIdsOfAGroup) {
  const auto rail = DevModeRail::railGroups(
      {item("npm-cache", "", {}, 300), item("yarn-cache", "", {}, 200), item("xcode-caches", "", {}, 7)},
      {store("m", 5000)});
  ASSERT_EQ(rail.size(), 3u);
  EXPECT_EQ(DevModeRail::bytes(rail[1], 5000), 500);
  EXPECT_EQ(DevModeRail::itemIDs(rail[1]), (std::set<std::string>{"npm-cache", "yarn-cache"}));
  // The models group's total is the model's, whatever its (empty) items say.
  EXPECT_EQ(DevModeRail::bytes(rail[2], 5000), 5000);
  EXPECT_EQ(DevModeRail::bytes(rail[2], 0), 0);
  EXPECT_TRUE(DevModeRail::itemIDs(rail[2]).empty());
}

RailGroup groupOf(std::vector<bool> picks) {
  RailGroup group{"Node & JS", "Node & JS", DevModeRail::symbol("Node & JS"), {}, false};
  for (std::size_t at = 0; at < picks.size(); ++at) {
    auto it = item("npm-" + std::to_string(at));
    it.isSelected = picks[at];
    group.items.push_back(it);
  }
  return group;
}

TEST(DevModeRailReview, GroupMarkAndWhatItsBoxDoes) {
  using Mark = SelectionMark;
  struct Case {
    std::vector<bool> picks;
    Mark mark;
    bool boxPicks;
  };
  const Case cases[] = {
      {{false, false}, Mark::off, true},
      {{true, false}, Mark::mixed, true},
      {{false, true, true}, Mark::mixed, true},
      {{true, true}, Mark::on, false},
      {{true}, Mark::on, false},
      {{false}, Mark::off, true},
      {{}, Mark::off, false},
  };
  for (const auto& c : cases) {
    const auto group = groupOf(c.picks);
    EXPECT_EQ(DevModeRail::mark(group), c.mark) << c.picks.size();
    EXPECT_EQ(DevModeRail::boxPicks(group), c.boxPicks) << c.picks.size();
  }
}

TEST(DevModeRailReview, CountOfAGroup) {
  const auto rail = DevModeRail::railGroups({item("npm-a"), item("npm-b")}, {store("m", 1)});
  EXPECT_EQ(DevModeRail::count(rail[0], 7), 2u);
  EXPECT_EQ(DevModeRail::count(rail[1], 7), 7u);
}

TEST(DevModeRailReview, ViewedGroupFallsBackToTheFirst) {
  const auto rail =
      DevModeRail::railGroups({item("npm-a"), item("cargo-a"), item("xcode-a")}, {store("m", 1)});
  ASSERT_EQ(labels(rail), (std::vector<std::string>{"Xcode", "Node & JS", "Rust", "Large AI models"}));
  struct Case {
    std::optional<std::string> viewing;
    std::optional<std::size_t> shown;
  };
  const Case cases[] = {
      {std::nullopt, 0}, {"Rust", 2}, {"__models__", 3}, {"Go", 0}, {"rust", 0}, {"", 0},
  };
  for (const auto& c : cases)
    EXPECT_EQ(DevModeRail::viewedGroup(rail, c.viewing), c.shown) << c.viewing.value_or("nil");
  EXPECT_EQ(DevModeRail::viewedGroup({}, "Rust"), std::nullopt);
  EXPECT_EQ(DevModeRail::viewedGroup({}, std::nullopt), std::nullopt);
}

}  // namespace
}  // namespace tidewell::screens
