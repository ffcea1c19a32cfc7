#include <gtest/gtest.h>
#include <sys/stat.h>

#include <filesystem>
#include <optional>
#include <ostream>
#include <vector>

#include "engine/apps/AppScanner.h"
#include "testkit/support/FailurePrinting.h"
#include "testkit/support/FixtureHome.h"
#include "testkit/support/RootFixtures.h"
#include "testkit/support/TrashChecks.h"
#include "tests/engine/apps/InfoPlistFixture.h"
#include "tests/engine/safety/SwapRace.h"

namespace tidewell::engine {

// Readable failures when whole results are compared.
void PrintTo(const UninstallResult::FailedItem& failed, std::ostream* out) {
  *out << "{" << failed.name << ": " << platform::reasonText(failed.reason) << "}";
}

void PrintTo(const UninstallResult& result, std::ostream* out) {
  *out << "{" << result.appName << ", moved " << result.movedCount << ", freed " << result.freedBytes
       << ", failed";
  for (const auto& failed : result.failed) {
    *out << " ";
    PrintTo(failed, out);
  }
  *out << ", bundle moved " << result.appBundleMoved << "}";
}

namespace {

using namespace testing;
using Failed = UninstallResult::FailedItem;
using Kind = platform::FailureReason::Kind;

// A fixture Mac: bundles under the context's system Applications folder, a
// fake launchctl that logs its arguments and whether the agent was still
// in place when it ran, and the fixture home's Trash.
struct UninstallFixture {
  FixtureHome fx;
  platform::EngineContext ctx = fx.context();
  AppScanner scanner{AppScanner::standardSearchDirs(ctx)};
  std::string log = fx.outside("tools/launchctl.log");

  UninstallFixture() {
    writeScript(ctx.tools.launchctl,
                "#!/bin/sh\n"
                "if [ -e \"$2\" ]; then state=present; else state=gone; fi\n"
                "printf '%s|%s|%s|%s\\n' \"$#\" \"$1\" \"$2\" \"$state\" >> '" +
                    log + "'\n");
  }

  InstalledApp app(const std::string& file, const std::string& plist, int64_t bytes = 8192) {
    const std::string path = ctx.systemPath("/Applications/" + file);
    makeBundle(path, plist, bytes);
    auto made = scanner.makeApp(path, ctx);
    EXPECT_TRUE(made) << path;
    return made.value_or(InstalledApp{});
  }
  // A leftover as findLeftovers would report what is there now.
  LeftoverFile leftover(const std::string& relativeToHome, const std::string& category, int64_t bytes = 0) {
    const std::string path = fx.path(relativeToHome);
    return {LeftoverFile::makeIdentifier(), path, category, bytes, identityAt(path)};
  }
  bool trashed(const std::string& name) const { return exists(ctx.trashHome + "/files/" + name); }
};

TEST(Uninstaller, MovesTheBundleAndItsLeftoversToTheTrash) {
  UninstallFixture u;
  u.fx.add({file("Library/Caches/com.example.alpha/blob", 40000),
            file("Library/Preferences/com.example.alpha.plist", 900),
            file("Library/Caches/Unrelated/keep", 10)});
  UninstallPlan plan;
  plan.app =
      u.app("Alpha.app", xmlPlist({{"CFBundleIdentifier", "com.example.alpha"}, {"CFBundleName", "Alpha"}}));
  plan.leftovers = u.scanner.findLeftovers(plan.app, u.ctx);
  ASSERT_EQ(plan.leftovers.size(), 2u);

  auto result = u.scanner.uninstall(plan, u.ctx);
  EXPECT_EQ(result, (UninstallResult{"Alpha", 3, plan.totalBytes(), {}, true}));
  EXPECT_FALSE(exists(plan.app.url));
  for (const auto& leftover : plan.leftovers) EXPECT_FALSE(exists(leftover.url)) << leftover.url;
  EXPECT_TRUE(u.trashed("Alpha.app"));
  EXPECT_TRUE(u.trashed("com.example.alpha"));
  EXPECT_TRUE(u.trashed("com.example.alpha.plist"));
  EXPECT_TRUE(exists(u.fx.path("Library/Caches/Unrelated/keep")));
  EXPECT_FALSE(exists(u.log)) << "no launch agent, no launchctl";
}

TEST(Uninstaller, UnloadsALaunchAgentBeforeMovingIt) {
  UninstallFixture u;
  u.fx.add({file("Library/LaunchAgents/com.example.beta.helper.plist", 300),
            folder("Library/Caches/com.example.beta"),
            file("Library/LaunchAgents/com.other.agent.plist", 300)});
  UninstallPlan plan;
  plan.app = u.app("Beta.app", xmlPlist({{"CFBundleIdentifier", "com.example.beta"}}));
  plan.leftovers = u.scanner.findLeftovers(plan.app, u.ctx);
  ASSERT_EQ(plan.leftovers.size(), 2u);

  auto result = u.scanner.uninstall(plan, u.ctx);
  EXPECT_EQ(result.movedCount, 3);
  EXPECT_TRUE(result.failed.empty());
  const std::string agent = u.fx.path("Library/LaunchAgents/com.example.beta.helper.plist");
  EXPECT_EQ(readFile(u.log), "2|unload|" + agent + "|present\n");
  EXPECT_FALSE(exists(agent));
  EXPECT_TRUE(u.trashed("com.example.beta.helper.plist"));
  EXPECT_TRUE(exists(u.fx.path("Library/LaunchAgents/com.other.agent.plist"))) << "another app's agent stays";
}

TEST(Uninstaller, AnAgentThatCannotBeUnloadedIsStillMoved) {
  UninstallFixture u;
  u.fx.add({file("Library/LaunchAgents/com.example.c.plist")});
  u.ctx.tools.launchctl = u.fx.outside("tools/no-such-launchctl");
  UninstallPlan plan{u.app("C.app", xmlPlist({{"CFBundleIdentifier", "com.example.c"}})), {}};
  plan.leftovers = u.scanner.findLeftovers(plan.app, u.ctx);
  auto result = u.scanner.uninstall(plan, u.ctx);
  EXPECT_EQ(result.movedCount, 2);
  EXPECT_TRUE(u.trashed("com.example.c.plist"));
}

TEST(Uninstaller, RefusesARunningApplicationAndTouchesNothing) {
  UninstallFixture u;
  u.fx.add({file("Library/LaunchAgents/com.example.run.plist"), folder("Library/Caches/com.example.run")});
  UninstallPlan plan;
  plan.app =
      u.app("Runner.app", xmlPlist({{"CFBundleIdentifier", "com.example.run"}, {"CFBundleName", "Runner"}}));
  plan.leftovers = u.scanner.findLeftovers(plan.app, u.ctx);
  ASSERT_EQ(plan.leftovers.size(), 2u);
  // A process of this user runs the bundle's executable.
  writeFile(u.fx.outside("proc/4242/status"),
            "Name:\tmain\nState:\tS (sleeping)\nUid:\t" + std::to_string(u.ctx.uid) + "\t0\t0\t0\n");
  u.fx.addOutside({symlink("proc/4242/exe", plan.app.url + "/Contents/MacOS/main")});

  auto result = u.scanner.uninstall(plan, u.ctx);
  EXPECT_EQ(
      result,
      (UninstallResult{
          "Runner", 0, 0, {{"Runner is still running. Quit it and try again", {Kind::running}}}, false}));
  EXPECT_TRUE(exists(plan.app.url));
  for (const auto& leftover : plan.leftovers) EXPECT_TRUE(exists(leftover.url)) << leftover.url;
  EXPECT_FALSE(exists(u.log));
}

TEST(Uninstaller, AnApplicationWithoutIdentifierIsNeverAskedAboutRunning) {
  UninstallFixture u;
  u.fx.add({file("Library/Caches/Unrelated/keep", 10)});
  int asked = 0;
  u.scanner.isRunning = [&](const InstalledApp&, const platform::EngineContext&) { return ++asked, true; };
  UninstallPlan plan{u.app("Nameless.app", ""), {}};
  ASSERT_FALSE(plan.app.bundleID);
  auto result = u.scanner.uninstall(plan, u.ctx);
  EXPECT_EQ(asked, 0);
  EXPECT_TRUE(result.appBundleMoved);

  UninstallPlan identified{u.app("Known.app", xmlPlist({{"CFBundleIdentifier", "com.example.known"}})), {}};
  result = u.scanner.uninstall(identified, u.ctx);
  EXPECT_EQ(asked, 1);
  EXPECT_EQ(result.failed,
            (std::vector<Failed>{{"Known is still running. Quit it and try again", {Kind::running}}}));
  EXPECT_TRUE(exists(identified.app.url)) << "a running app stays";
  EXPECT_TRUE(exists(u.fx.path("Library/Caches/Unrelated/keep")));
}

TEST(Uninstaller, IsPermittedOnlyInsideTheThreeAreas) {
  FixtureHome fx({folder("Applications"), folder("Library/Caches"), folder("Library/LaunchAgents"),
                  folder("Documents"), symlink("Library/Application Support", "{root}/victim/support"),
                  symlink("Library/Caches/outward", "{root}/victim/file"),
                  symlink("Library/Sneaky", "{root}/victim"),
                  symlink("Applications/Escape", "{root}/victim")});
  fx.addOutside({folder("system/Applications/Utilities"), folder("system/System/Applications"),
                 folder("victim/support"), file("victim/file")});
  const auto ctx = fx.context();
  const std::string H = fx.home();
  const std::string S = ctx.systemPath("");
  constexpr std::nullopt_t permitted = std::nullopt;
  const Kind outside = Kind::outsideAreas;
  struct Case {
    std::string path;
    std::optional<Kind> refusal;  // the rule that refuses it
  };
  const Case cases[] = {
      {S + "/Applications/Foo.app", permitted},
      {S + "/Applications/Utilities/Foo.app", permitted},
      {S + "/Applications//Foo.app/", permitted},
      {S + "/Applications", outside},
      {S + "/Applications/", outside},
      {S + "/ApplicationsX/Foo.app", outside},
      {S + "/System/Applications/Foo.app", outside},
      {S + "/Applications/../System/Applications/Foo.app", outside},
      {H + "/Applications/Foo.app", permitted},
      {H + "/Applications", outside},
      {H + "/Library/Caches/com.example.x", permitted},
      {H + "/Library/LaunchAgents/com.example.x.plist", permitted},
      {H + "/Library/Caches/outward", permitted},  // a link itself is moved as a link
      {H + "/Library", outside},
      {H + "/Library/Caches", outside},  // nothing directly inside Library
      {H + "/Library/Preferences", outside},
      {H + "/Library/Caches/../../Documents/x", outside},
      {H + "/Library/Application Support/Foo", outside},  // the folder leads outside the home
      {H + "/Library/Sneaky/file", outside},
      {H + "/Applications/Escape/file", outside},
      {H + "/Library/Missing/x", Kind::unreachable},
      {H + "/Documents/x", outside},
      {H, outside},
      {fx.outside("victim/file"), outside},
      {"/usr/local/Foo.app", outside},
      {"relative/Library/Caches/x", Kind::badPath},
      {H + std::string("/Library/Caches\0/com.example.x", 30), Kind::badPath},
      {"", Kind::badPath},
      {"/", Kind::badPath},
  };
  for (const auto& c : cases) {
    EXPECT_EQ(AppScanner::isPermitted(c.path, ctx), !c.refusal) << c.path;
    const auto why = AppScanner::whyNotPermitted(c.path, ctx);
    EXPECT_EQ(why ? std::optional(why->kind) : std::nullopt, c.refusal) << c.path;
  }

  auto unusable = ctx;
  unusable.home = "/";
  EXPECT_FALSE(AppScanner::isPermitted(S + "/Applications/Foo.app", unusable));
  EXPECT_EQ(AppScanner::whyNotPermitted(S + "/Applications/Foo.app", unusable),
            (platform::FailureReason{Kind::homeUnusable}));
}

TEST(Uninstaller, RefusedItemsAreListedAndLeftInPlace) {
  UninstallFixture u;
  u.fx.addOutside(
      {file("victim/support/Gamma/precious", 5000), file("victim/Gamma.app/Contents/MacOS/main")});
  u.fx.add({symlink("Library/Application Support", "{root}/victim/support"),
            folder("Library/Caches/com.example.gamma")});
  UninstallPlan plan;
  plan.app = u.scanner.makeApp(u.fx.outside("victim/Gamma.app"), u.ctx).value();
  plan.app.name = "Gamma";
  plan.app.bundleID = "com.example.gamma";
  plan.leftovers = {u.leftover("Library/Application Support/Gamma", "Application Support", 5000),
                    u.leftover("Library/Caches/com.example.gamma", "Cache", 10)};

  auto result = u.scanner.uninstall(plan, u.ctx);
  // Both lie outside the areas where they physically are.
  EXPECT_EQ(
      result,
      (UninstallResult{
          "Gamma", 1, 10, {{"Gamma.app", {Kind::outsideAreas}}, {"Gamma", {Kind::outsideAreas}}}, false}));
  EXPECT_TRUE(exists(u.fx.outside("victim/Gamma.app/Contents/MacOS/main")));
  EXPECT_EQ(readFile(u.fx.outside("victim/support/Gamma/precious")).size(), 5000u);
  EXPECT_FALSE(u.trashed("Gamma"));
  EXPECT_TRUE(u.trashed("com.example.gamma"));
}

TEST(Uninstaller, ASystemBundleIsNotMoved) {
  UninstallFixture u;
  const std::string bundle = u.ctx.systemPath("/System/Applications/Mail.app");
  makeBundle(bundle, "");
  InstalledApp mail;
  mail.id = mail.url = bundle;
  mail.name = "Mail";
  mail.identity = identityAt(bundle);  // so the area rule is what refuses it
  auto result = u.scanner.uninstall({mail, {}}, u.ctx);
  EXPECT_EQ(result, (UninstallResult{"Mail", 0, 0, {{"Mail.app", {Kind::outsideAreas}}}, false}));
  EXPECT_TRUE(exists(bundle));
}

TEST(Uninstaller, ABundleThatFailsToMoveStaysListedWhileLeftoversGo) {
  UninstallFixture u;
  u.fx.add({folder("Library/Caches/com.example.gone"), file("Library/Logs/Gone/log.txt", 2000)});
  UninstallPlan plan;
  plan.app =
      u.app("Gone.app", xmlPlist({{"CFBundleIdentifier", "com.example.gone"}, {"CFBundleName", "Gone"}}));
  plan.leftovers = u.scanner.findLeftovers(plan.app, u.ctx);
  ASSERT_EQ(plan.leftovers.size(), 2u);
  // The bundle vanished after the plan was made, so the Trash cannot take it.
  std::filesystem::remove_all(plan.app.url);

  auto result = u.scanner.uninstall(plan, u.ctx);
  EXPECT_EQ(result,
            (UninstallResult{
                "Gone", 2, plan.totalBytes() - plan.app.sizeBytes, {{"Gone.app", {Kind::gone}}}, false}));
  EXPECT_TRUE(u.trashed("com.example.gone"));
  EXPECT_TRUE(u.trashed("Gone"));
}

TEST(Uninstaller, LinksAreMovedAsLinks) {
  UninstallFixture u;
  u.fx.addOutside({file("victim/Real.app/Contents/MacOS/main", 30000), file("victim/cache/blob", 30000),
                   symlink("system/Applications/Linked.app", "{root}/victim/Real.app")});
  u.fx.add({symlink("Library/Caches/com.example.linked", "{root}/victim/cache")});
  UninstallPlan plan;
  plan.app = u.scanner.makeApp(u.ctx.systemPath("/Applications/Linked.app"), u.ctx).value();
  plan.app.bundleID = "com.example.linked";
  plan.app.id = "com.example.linked";
  plan.leftovers = u.scanner.findLeftovers(plan.app, u.ctx);
  ASSERT_EQ(plan.leftovers.size(), 1u);
  EXPECT_EQ(plan.totalBytes(), 0);

  auto result = u.scanner.uninstall(plan, u.ctx);
  EXPECT_EQ(result, (UninstallResult{"Linked", 2, 0, {}, true}));
  EXPECT_TRUE(exists(u.fx.outside("victim/Real.app/Contents/MacOS/main")));
  EXPECT_TRUE(exists(u.fx.outside("victim/cache/blob")));
  struct stat st {};
  ASSERT_EQ(lstat((u.ctx.trashHome + "/files/Linked.app").c_str(), &st), 0);
  EXPECT_TRUE(S_ISLNK(st.st_mode));
}

TEST(Uninstaller, OnlyTheEntriesTheScanFoundAreMoved) {
  UninstallFixture u;
  u.fx.add({file("Library/Caches/com.example.eps/blob", 100),
            file("Library/Preferences/com.example.eps.plist", 100), file("Library/Logs/Eps/log", 100)});
  u.fx.addOutside({file("victim/sentinel", 1000)});
  UninstallPlan plan;
  plan.app = u.app("Eps.app", xmlPlist({{"CFBundleIdentifier", "com.example.eps"}, {"CFBundleName", "Eps"}}));
  plan.leftovers = u.scanner.findLeftovers(plan.app, u.ctx);
  ASSERT_EQ(plan.leftovers.size(), 3u);
  EXPECT_EQ(plan.app.identity, identityAt(plan.app.url));
  for (const auto& leftover : plan.leftovers)
    EXPECT_EQ(leftover.identity, identityAt(leftover.url)) << leftover.url;

  // The bundle's record lost its identity, as one made by hand; another
  // file took the preferences' name after the scan.
  plan.app.identity.reset();
  const std::string preferences = u.fx.path("Library/Preferences/com.example.eps.plist");
  writeFile(preferences + ".new", "theirs");
  ASSERT_EQ(rename((preferences + ".new").c_str(), preferences.c_str()), 0);

  const auto result = u.scanner.uninstall(plan, u.ctx);
  EXPECT_EQ(result.movedCount, 2);
  EXPECT_FALSE(result.appBundleMoved);
  // In plan order: the bundle, then the one leftover that failed.
  EXPECT_EQ(result.failed, (std::vector<Failed>{{"Eps.app", {Kind::notScanned}},
                                                {"com.example.eps.plist", {Kind::notScanned}}}));
  EXPECT_TRUE(exists(plan.app.url + "/Contents/Info.plist"));
  EXPECT_EQ(readFile(preferences), "theirs");
  EXPECT_TRUE(u.trashed("com.example.eps"));
  EXPECT_TRUE(u.trashed("Eps"));
  EXPECT_EQ(readFile(u.fx.outside("victim/sentinel")).size(), 1000u);
}

TEST(Uninstaller, AFolderSwappedForALinkNeverLeadsOutside) {
  constexpr int kRounds = 250;
  for (const Twin twin : {Twin::SameFile, Twin::OtherFile}) {
    SCOPED_TRACE(describe(twin));
    UninstallFixture u;
    u.fx.add({folder("Library/Preferences"), symlink("Library/Decoy", "{root}/victim/prefs")});
    u.fx.addOutside({folder("victim/prefs"), file("victim/sentinel", 1000)});
    const auto count = runSwapRace(
        u.fx.path("Library/Preferences"), u.fx.path("Library/Decoy"), u.fx.outside("victim/prefs"), twin,
        kRounds, [&](const std::string& path, const FileIdentity& identity) {
          // Only the leftover races: the plan has no bundle to move.
          UninstallPlan plan;
          plan.app.name = "Race";
          plan.leftovers = {{LeftoverFile::makeIdentifier(), path, "Preferences", 6, identity}};
          return u.scanner.uninstall(plan, u.ctx).movedCount == 1;
        });
    if (!count.ran) GTEST_SKIP() << "this file system cannot exchange entries";
    EXPECT_EQ(count.movedOutside, 0);
    EXPECT_GT(count.movedInside, 0) << "the race must leave room for real moves";
    for (const std::string& info : namesIn(u.ctx.trashHome + "/info")) {
      const std::string name = info.substr(0, info.size() - std::string(".trashinfo").size());
      EXPECT_EQ(readFile(u.ctx.trashHome + "/files/" + name), "inside") << name;
      const auto fields = readTrashInfo(u.ctx.trashHome + "/info/" + info);
      ASSERT_TRUE(fields) << info;
      EXPECT_EQ(fields->path, u.fx.path("Library/Preferences/" + name));
    }
    EXPECT_EQ(readFile(u.fx.outside("victim/sentinel")).size(), 1000u);
  }
}

TEST(Uninstaller, ALeftoverOnAnotherMountUsesTheContextsTopDirectory) {
  UninstallFixture u;
  u.fx.add({folder("Library/Caches")});
  auto mount = ScopedMount::tmpfs(u.fx.path("Library/Caches"));
  if (!mount.ok()) GTEST_SKIP() << "mounting a file system inside the fixture needs root";
  u.fx.add({file("Library/Caches/com.example.delta/blob", 4000), file("Library/Caches/Unrelated/keep", 10)});
  UninstallPlan plan;
  plan.app =
      u.app("Delta.app", xmlPlist({{"CFBundleIdentifier", "com.example.delta"}, {"CFBundleName", "Delta"}}));
  plan.leftovers = {u.leftover("Library/Caches/com.example.delta", "Cache", 4000)};
  std::vector<std::string> asked;
  auto fixtureTop = u.ctx.topDirectoryOf;
  u.ctx.topDirectoryOf = [&](const std::string& physical) {
    asked.push_back(physical);
    return fixtureTop(physical);
  };
  const auto result = u.scanner.uninstall(plan, u.ctx);
  EXPECT_EQ(result.movedCount, 2);
  EXPECT_TRUE(result.failed.empty());
  EXPECT_EQ(asked, std::vector<std::string>{u.fx.path("Library/Caches/com.example.delta")});
  EXPECT_TRUE(u.trashed("Delta.app"));
  const std::string trash = u.fx.path("Library/Caches/.Trash-" + std::to_string(u.ctx.uid));
  EXPECT_TRUE(exists(trash + "/files/com.example.delta/blob"));
  EXPECT_TRUE(exists(trash + "/info/com.example.delta.trashinfo"));
  EXPECT_TRUE(exists(u.fx.path("Library/Caches/Unrelated/keep"))) << "the mount's other folders stay";
}

}  // namespace
}  // namespace tidewell::engine
