#include <sys/stat.h>

#include <algorithm>
#include <functional>
#include <string>
#include <vector>

#include <gtest/gtest.h>

#include "engine/clean/DiskScanner.h"
#include "testkit/support/FixtureHome.h"
#include "tests/engine/clean/DiskScannerFixtures.h"

namespace tidewell::engine {
namespace {

using namespace testing;
using fixtures::blocksOf;
using fixtures::catalogRow;
using fixtures::row;

TEST(DiskScannerScan, MeasuresTheRowsPartsThatMayBeCleaned) {
  struct Case {
    const char* name;
    std::vector<Entry> home;
    std::vector<Entry> outside;
    std::function<CleanupTarget(const FixtureHome&)> target;
    std::vector<std::string> parts;  // below the home, in order; none means no item
    bool anyOrder;                   // a sweep lists its children in listing order
    std::vector<std::string> counted;
    bool selected;
  };
  const std::vector<Case> cases = {
      {"no path exists",
       {},
       {},
       [](auto& fx) {
         return row(fx, {"~/nothing", "~/neither"});
       },
       {},
       false,
       {},
       false},
      {"only path is an empty folder",
       {folder("e")},
       {},
       [](auto& fx) { return row(fx, {"~/e"}); },
       {},
       false,
       {},
       false},
      {"only path is an empty file",
       {file("z", 0)},
       {},
       [](auto& fx) { return row(fx, {"~/z"}); },
       {},
       false,
       {},
       false},
      {"parts in row order, missing paths skipped",
       {file("b/x", 5000), file("a/y", 3000), file("a/.h", 100)},
       {},
       [](auto& fx) {
         return row(fx, {"~/b", "~/missing", "~/a"});
       },
       {"b", "a"},
       false,
       {"b/x", "a/y", "a/.h"},
       true},
      {"caution row is not preselected",
       {file("a/y", 10)},
       {},
       [](auto& fx) { return row(fx, {"~/a"}, false, SafetyLevel::caution); },
       {"a"},
       false,
       {"a/y"},
       false},
      {"a part that is a symlink is never offered",
       {file("Documents/report", 8000), symlink(".cache/x", "{home}/Documents"), file("real/f", 10)},
       {},
       [](auto& fx) {
         return row(fx, {"~/.cache/x", "~/real"});
       },
       {"real"},
       false,
       {"real/f"},
       true},
      {"a part whose parent leads outside the home is never offered",
       {symlink("Library", "{root}/victim"), file("own/f", 10)},
       {file("victim/Caches/app/f", 9000)},
       [](auto& fx) {
         return row(fx, {"~/Library/Caches/app", "~/own"});
       },
       {"own"},
       false,
       {"own/f"},
       true},
      {"a part outside the home is never offered",
       {file("own/f", 10)},
       {file("victim/f", 9000)},
       [](auto& fx) {
         return row(fx, {"{root}/victim", "~/own"});
       },
       {"own"},
       false,
       {"own/f"},
       true},
      {"user folders only offer build output",
       {file("Documents/notes/n", 100), file("Documents/app/node_modules/m", 100)},
       {},
       [](auto& fx) {
         return row(fx, {"~/Documents/notes", "~/Documents/app/node_modules"});
       },
       {"Documents/app/node_modules"},
       false,
       {"Documents/app/node_modules/m"},
       true},
      {"sweep with covered, never-swept, hidden, empty and linked children",
       {file("Library/Caches/Google/Chrome/c", 5000), file("Library/Caches/com.apple.Safari/s", 100),
        file("Library/Caches/CloudKit/k", 100), file("Library/Caches/com.example.app/data", 7000),
        file("Library/Caches/.hidden-app/h", 3000), file("Library/Caches/loose.db", 2000),
        folder("Library/Caches/empty"), symlink("Library/Caches/linked", "{home}/Documents"),
        file("Documents/d", 100)},
       {},
       [](auto& fx) { return catalogRow(fx, "other-app-caches"); },
       {"Library/Caches/.hidden-app", "Library/Caches/com.example.app", "Library/Caches/loose.db"},
       true,
       {"Library/Caches/com.example.app/data", "Library/Caches/.hidden-app/h", "Library/Caches/loose.db"},
       true},
      {"sweep of the tool cache leaves model downloads and tokens alone",
       {file(".cache/huggingface/token", 10), file(".cache/huggingface/hub/model", 9000),
        file(".cache/torch/t", 100), file(".cache/pip/wheel", 4000)},
       {},
       [](auto& fx) { return catalogRow(fx, "cli-tool-caches"); },
       {".cache/pip"},
       true,
       {".cache/pip/wheel"},
       true},
      {"sweep never offers a child that is or holds a credential",
       {file(".config/gh/hosts.yml", 100), file(".config/composer/auth.json", 100),
        file(".config/app/settings", 100)},
       {},
       [](auto& fx) { return row(fx, {"~/.config"}, true); },
       {".config/app"},
       true,
       {".config/app/settings"},
       true},
      {"sweep root that leads outside the home offers nothing",
       {symlink(".cache", "{root}/victim/cache")},
       {file("victim/cache/x/f", 5000)},
       [](auto& fx) { return catalogRow(fx, "cli-tool-caches"); },
       {},
       false,
       {},
       false},
  };
  for (const Case& c : cases) {
    FixtureHome fx;
    fx.add(c.home);
    fx.addOutside(c.outside);
    const CleanupTarget target = c.target(fx);
    const auto item = DiskScanner::scan(target, fx.context());
    if (c.parts.empty()) {
      EXPECT_FALSE(item.has_value()) << c.name;
      continue;
    }
    ASSERT_TRUE(item.has_value()) << c.name;
    std::vector<std::string> expected;
    for (const auto& p : c.parts) expected.push_back(fx.path(p));
    std::vector<std::string> found = item->resolvedPaths;
    if (c.anyOrder) {
      std::sort(expected.begin(), expected.end());
      std::sort(found.begin(), found.end());
    }
    EXPECT_EQ(found, expected) << c.name;
    EXPECT_EQ(item->sizeBytes, blocksOf(fx, c.counted)) << c.name;
    EXPECT_EQ(item->isSelected, c.selected) << c.name;
    EXPECT_EQ(item->target, target) << c.name;
    EXPECT_EQ(item->id(), target.id) << c.name;
    // Each part carries what it was when measured.
    ASSERT_EQ(item->measuredParts.size(), item->resolvedPaths.size()) << c.name;
    int64_t sum = 0;
    for (size_t i = 0; i < item->resolvedPaths.size(); ++i) {
      struct stat st {};
      ASSERT_EQ(lstat(item->resolvedPaths[i].c_str(), &st), 0);
      EXPECT_EQ(item->measuredParts[i].identity, (FileIdentity{st.st_dev, st.st_ino})) << c.name;
      EXPECT_EQ(item->measuredParts[i].sizeBytes, DiskScanner::allocatedSize(item->resolvedPaths[i]))
          << c.name;
      sum += item->measuredParts[i].sizeBytes;
    }
    EXPECT_EQ(sum, item->sizeBytes) << c.name;
  }
}

TEST(DiskScannerScan, UnusableHomeGivesNothing) {
  FixtureHome fx({file("a/f", 5000)});
  auto ctx = fx.context();
  const auto target = row(fx, {fx.path("a")});
  ASSERT_TRUE(DiskScanner::scan(target, ctx).has_value());
  for (const char* home : {"", "/", "relative/home"}) {
    ctx.home = home;
    EXPECT_FALSE(DiskScanner::scan(target, ctx).has_value()) << home;
  }
}

TEST(DiskScannerScan, LastUsedDateComesOnlyFromTheContext) {
  FixtureHome fx({file("app", 10)});
  auto ctx = fx.context();
  EXPECT_FALSE(DiskScanner::lastUsedDate(fx.path("app"), ctx).has_value());
  const auto when = std::chrono::system_clock::time_point(std::chrono::seconds(1700000000));
  std::string asked;
  ctx.lastUsedDate = [&](const std::string& path) -> std::optional<std::chrono::system_clock::time_point> {
    asked = path;
    return when;
  };
  EXPECT_EQ(DiskScanner::lastUsedDate(fx.path("app"), ctx), when);
  EXPECT_EQ(asked, fx.path("app"));
}

TEST(DiskScannerScan, AllocatedFileSizeIsOneRegularFile) {
  FixtureHome fx({file("f", 10000), folder("d"), file("d/x", 5000), symlink("l", "{home}/f"), fifo("p")});
  EXPECT_EQ(DiskScanner::allocatedFileSize(fx.path("f")), blocksOf(fx, {"f"}));
  EXPECT_EQ(DiskScanner::allocatedFileSize(fx.path("l")), blocksOf(fx, {"f"}));
  EXPECT_EQ(DiskScanner::allocatedFileSize(fx.path("d")), 0);
  EXPECT_EQ(DiskScanner::allocatedFileSize(fx.path("p")), 0);
  EXPECT_EQ(DiskScanner::allocatedFileSize(fx.path("missing")), 0);
}

}  // namespace
}  // namespace tidewell::engine
