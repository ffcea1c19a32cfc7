// The pure rules of the Apps screen: what a card shows, what the sheet
// lists, the summary and banner texts, and when the sheet opens and closes.
#include <gtest/gtest.h>

#include <chrono>

#include "design/theme/Color.h"
#include "screens/apps/AppCardContent.h"
#include "screens/apps/AppsRules.h"
#include "screens/apps/SheetPresentation.h"
#include "screens/apps/UninstallSheetContent.h"
#include "testkit/support/TimeFixtures.h"

namespace tidewell::screens {
namespace {

using engine::InstalledApp;
using engine::LeftoverFile;
using engine::UninstallPlan;
using engine::UninstallResult;
using tidewell::testing::isoTime;
using tidewell::testing::kUtc;
using tidewell::testing::ScopedTimeZone;

constexpr std::chrono::hours day{24};

InstalledApp app(std::string name, int64_t size, std::optional<base::TimePoint> lastUsed,
                 std::optional<std::string> version = "1.0", std::optional<std::string> bundleID = {}) {
  InstalledApp made;
  made.name = name;
  made.url = "/Applications/" + name + ".app";
  made.bundleID = bundleID ? bundleID : std::optional<std::string>("com.example." + name);
  made.id = *made.bundleID;
  made.version = version;
  made.sizeBytes = size;
  made.lastUsed = lastUsed;
  return made;
}

TEST(AppCardContent, BadgesNotesAndTexts) {
  ScopedTimeZone zone(kUtc);
  const auto now = isoTime("2026-12-10T12:00:00Z");
  const QString helperNote = "Red Giant plugin. Loads inside After Effects/Premiere, never opened directly.";
  struct Case {
    const char* what;
    InstalledApp app;
    std::optional<AppBadge> badge;
    QString note;
    std::optional<QString> version;
    QString size;
  };
  const Case cases[] = {
      {"used yesterday", app("Notes", 2'500'000, now - day), std::nullopt, "Used 1 day ago", "1.0", "2.5 MB"},
      {"89 days: not yet unused", app("Maps", 1000, now - 89 * day), std::nullopt, "Used 2 months ago", "1.0",
       "1 KB"},
      {"90 days: unused", app("Maps", 1000, now - 90 * day), AppBadge::unused, "Used 2 months ago", "1.0",
       "1 KB"},
      {"no recorded use: no badge", app("Chess", 0, std::nullopt), std::nullopt, "No recent use on record",
       "1.0", "Zero KB"},
      {"no version", app("Tool", 999, now - 400 * day, std::nullopt), AppBadge::unused, "Used 1 year ago",
       std::nullopt, "999 bytes"},
      {"helper by name, long unused: helper wins", app("Universe Installer", 10, now - 900 * day),
       AppBadge::helper, helperNote, "1.0", "10 bytes"},
      {"helper by bundle id, never used",
       app("Effects", 10, std::nullopt, "2.0", std::string("com.redgiant.effects")), AppBadge::helper,
       helperNote, "2.0", "10 bytes"},
      {"negative size reads as zero", app("Odd", -5, now - day), std::nullopt, "Used 1 day ago", "1.0",
       "Zero KB"},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.what);
    const auto content = appCardContent(c.app, now);
    EXPECT_EQ(content.name, QString::fromStdString(c.app.name));
    EXPECT_EQ(content.badge, c.badge);
    EXPECT_EQ(content.note, c.note);
    EXPECT_EQ(content.version, c.version);
    EXPECT_EQ(content.sizeText, c.size);
    EXPECT_EQ(content.trashHelp, "Uninstall " + QString::fromStdString(c.app.name));
  }
}

TEST(AppCardContent, BadgeLooks) {
  using design::Color::white;
  const auto helper = appBadgeLook(AppBadge::helper);
  EXPECT_EQ(helper.text, "helper");
  EXPECT_EQ(helper.textColour, white(0.55));
  EXPECT_EQ(helper.fill, white(0.1));
  const auto unused = appBadgeLook(AppBadge::unused);
  EXPECT_EQ(unused.text, "unused");
  EXPECT_EQ(unused.textColour, design::Color::systemOrange());
  EXPECT_EQ(unused.fill, design::Color::withOpacity(design::Color::systemOrange(), 0.16));
}

LeftoverFile leftover(std::string id, std::string url, std::string category, int64_t size) {
  return {std::move(id), std::move(url), std::move(category), size, std::nullopt};
}

TEST(UninstallSheetContent, RowsAndTotals) {
  UninstallPlan plan{app("Sketch Pad", 120'000'000, std::nullopt),
                     {leftover("L1", "/home/u/Library/Caches/com.example.sketch", "Cache", 30'000'000),
                      leftover("L2", "/home/u/Library/Containers/com.example.sketch", "Container", 1'500'000),
                      leftover("L3", "/home/u/Library/Logs/com.example.sketch", "Logs", -40)}};
  const auto content = uninstallSheetContent(plan);
  EXPECT_EQ(content.title, "Uninstall Sketch Pad?");
  // 120 MB + 30 MB + 1.5 MB - 40 bytes: the negative leftover still counts in the plan's total.
  EXPECT_EQ(content.countLine, QString::fromUtf8("4 items \u00b7 151.5 MB will move to the Trash"));
  EXPECT_FALSE(content.noLeftovers);
  struct Row {
    QString key, symbol, title, subtitle, size;
  };
  const Row expected[] = {
      {"app", "app.fill", "Sketch Pad.app", "Application", "120 MB"},
      // Same last component in different folders: told apart by category and size only.
      {"L1", "folder.fill", "com.example.sketch", "Cache", "30 MB"},
      {"L2", "folder.fill", "com.example.sketch", "Container", "1.5 MB"},
      {"L3", "folder.fill", "com.example.sketch", "Logs", "Zero KB"},
  };
  ASSERT_EQ(content.rows.size(), std::size(expected));
  for (size_t i = 0; i < content.rows.size(); ++i) {
    SCOPED_TRACE(i);
    const auto& row = content.rows[i];
    EXPECT_EQ(row.key, expected[i].key);
    EXPECT_EQ(row.symbol.text(), expected[i].symbol);
    EXPECT_EQ(row.title, expected[i].title);
    EXPECT_EQ(row.subtitle, expected[i].subtitle);
    EXPECT_EQ(row.sizeText, expected[i].size);
  }
}

TEST(UninstallSheetContent, PlanWithoutLeftovers) {
  // The row title ends in ".app" even when the name already does.
  const auto content = uninstallSheetContent({app("Pages.app", 2'000, std::nullopt), {}});
  EXPECT_EQ(content.title, "Uninstall Pages.app?");
  EXPECT_EQ(content.countLine, QString::fromUtf8("1 items \u00b7 2 KB will move to the Trash"));
  ASSERT_EQ(content.rows.size(), 1u);
  EXPECT_EQ(content.rows[0].title, "Pages.app.app");
  EXPECT_TRUE(content.noLeftovers);
  // A negative total is shown as zero bytes.
  EXPECT_EQ(uninstallSheetContent({app("Neg", -9, std::nullopt), {}}).countLine,
            QString::fromUtf8("1 items \u00b7 Zero KB will move to the Trash"));
}

TEST(UninstallSheetContent, LastPathComponent) {
  const std::pair<std::string, QString> cases[] = {
      {"/a/b/Foo", "Foo"}, {"/a/b/", "b"}, {"Foo", "Foo"},
      {"/", "/"},          {"", ""},       {"/a/caf\xc3\xa9.plist", QString::fromUtf8("caf\u00e9.plist")},
  };
  for (const auto& [path, component] : cases) EXPECT_EQ(lastPathComponent(path), component) << path;
}

TEST(AppsRules, SummaryLine) {
  const std::tuple<size_t, int64_t, const char*> cases[] = {
      {0, 0, "0 apps \u00b7 Zero KB. Deletes go to the Trash, undo anytime."},
      {1, 1, "1 apps \u00b7 1 byte. Deletes go to the Trash, undo anytime."},
      {42, 12'345'678'901, "42 apps \u00b7 12.35 GB. Deletes go to the Trash, undo anytime."},
      {3, -1, "3 apps \u00b7 Zero KB. Deletes go to the Trash, undo anytime."},
  };
  for (const auto& [count, bytes, text] : cases)
    EXPECT_EQ(appsSummaryLine(count, bytes), QString::fromUtf8(text)) << count << " " << bytes;
}

TEST(AppsRules, ResultBanner) {
  // The banner names what stayed, never why.
  const platform::FailureReason kRefused{platform::FailureReason::Kind::outsideAreas};
  struct Case {
    UninstallResult result;
    bool succeeded;
    QString symbol, title, detail;
    QColor tint;
  };
  const Case cases[] = {
      {{"Notes", 1, 2'000, {}, true},
       true,
       "checkmark.circle.fill",
       "Moved Notes to the Trash",
       QString::fromUtf8("1 items \u00b7 2 KB. Empty the Trash to lock it in."),
       design::Color::systemGreen()},
      {{"Odd", 3, -10, {}, true},
       true,
       "checkmark.circle.fill",
       "Moved Odd to the Trash",
       QString::fromUtf8("3 items \u00b7 Zero KB. Empty the Trash to lock it in."),
       design::Color::systemGreen()},
      {{"Maps 100%", 1, 10, {{"Caches", kRefused}, {"Maps.app", kRefused}}, false},
       false,
       "exclamationmark.triangle.fill",
       "Maps 100%: some items couldn't be moved",
       "Couldn't move: Caches, Maps.app",
       design::Color::systemOrange()},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.result.appName);
    const auto banner = uninstallBannerContent(c.result);
    EXPECT_EQ(banner.succeeded, c.succeeded);
    EXPECT_EQ(banner.symbol.text(), c.symbol);
    EXPECT_EQ(banner.title, c.title);
    EXPECT_EQ(banner.detail, c.detail);
    EXPECT_EQ(banner.tint, c.tint);
  }
}

TEST(SheetPresentation, StepsAndDismissals) {
  using Id = std::optional<uint64_t>;
  struct Case {
    Id shown, pending;
    SheetStep step;
  };
  const Case cases[] = {
      {{}, {}, {false, false}}, {{}, 1, {false, true}},
      {1, 1, {false, false}},   {1, {}, {true, false}},  // confirmed or withdrawn: close, write nothing back
      {1, 2, {true, true}},  // replaced: the old sheet goes, the new plan gets its own
  };
  for (const auto& c : cases)
    EXPECT_EQ(sheetStep(c.shown, c.pending), c.step) << c.shown.value_or(0) << " " << c.pending.value_or(0);

  EXPECT_TRUE(dismissalClearsPending(3, 3));
  EXPECT_FALSE(dismissalClearsPending(3, 4));
  EXPECT_FALSE(dismissalClearsPending(3, std::nullopt));
}

}  // namespace
}  // namespace tidewell::screens
