#include "engine/deepscan/InstallerScanner.h"

#include <sys/stat.h>
#include <sys/time.h>

#include <gtest/gtest.h>

#include <cstdlib>
#include <ctime>
#include <map>
#include <string>
#include <vector>

#include "base/Paths.h"
#include "engine/clean/DiskScanner.h"
#include "testkit/support/FixtureHome.h"
#include "testkit/support/TimeFixtures.h"
#include "tests/engine/walk/FakeSizes.h"

namespace tidewell::engine {
namespace {

using namespace testing;
using namespace std::chrono;
using base::TimePoint;

constexpr int64_t MB = 1'000'000;

TEST(InstallerScanner, AgeText) {
  ScopedTimeZone zone(kCentralEurope);
  const TimePoint now = isoTime("2025-06-15T12:00:00+02:00");
  struct Case {
    const char* what;
    std::optional<TimePoint> date;
    const char* expected;
  };
  const Case cases[] = {
      {"no date", std::nullopt, ""},
      {"in the future", now + hours(24 * 3), "today"},
      {"earlier today", now - hours(11), "today"},
      {"23:00 yesterday is under a day", isoTime("2025-06-14T23:00:00+02:00"), "today"},
      {"1 day", now - hours(24), "1 day ago"},
      {"29 days", now - hours(24 * 29), "29 days ago"},
      {"30 days", now - hours(24 * 30), "1 month ago"},
      {"59 days", now - hours(24 * 59), "1 month ago"},
      {"60 days", now - hours(24 * 60), "2 months ago"},
      {"359 days", now - hours(24 * 359), "11 months ago"},
      {"360 days", now - hours(24 * 360), "1 year ago"},
      {"400 days", now - hours(24 * 400), "1 year ago"},
      {"719 days", now - hours(24 * 719), "1 year ago"},
      {"720 days", now - hours(24 * 720), "2 years ago"},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.what);
    EXPECT_EQ(InstallerScanner::ageText(c.date, now), c.expected);
  }
  // Clocks went forward on 30 March: noon to noon across it is a day of 23
  // hours, and still a day.
  EXPECT_EQ(
      InstallerScanner::ageText(isoTime("2025-03-29T12:00:00+01:00"), isoTime("2025-03-30T12:00:00+02:00")),
      "1 day ago");
}

TEST(InstallerScanner, NoteByExtensionAndAge) {
  ScopedTimeZone zone(kUtc);
  const TimePoint now = isoTime("2025-06-15T12:00:00Z");
  struct Case {
    const char* extension;
    std::optional<TimePoint> modified;
    const char* expected;
  };
  const Case cases[] = {
      {"dmg", now - hours(72), "Disk image. Added 3 days ago. Safe to trash once you've installed the app."},
      {"pkg", std::nullopt, "Installer package. Safe to trash once you've installed the app."},
      {"mpkg", now, "Installer package. Added today. Safe to trash once you've installed the app."},
      {"iso", now - hours(24 * 90),
       "Disc image. Added 3 months ago. Safe to trash once you've installed the app."},
      {"", std::nullopt, "Disk image. Safe to trash once you've installed the app."},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.extension);
    EXPECT_EQ(InstallerScanner::note(c.extension, c.modified, now), c.expected);
  }
}

struct Expected {
  std::string id;  // home-relative
  std::string location;
  int64_t sizeBytes;
  bool isDirectory;
};

TEST(InstallerScanner, FindsInstallersWhereTheUserLeftThem) {
  const std::string deep = "Downloads/a/b/c/d/e";  // its children are level 6
  FixtureHome fx({file("Downloads/Setup.DMG"),
                  file(deep + "/six.dmg"),
                  file(deep + "/f/seven.dmg"),
                  folder(deep + "/deeper.iso/inner"),
                  file("Downloads/.hidden.dmg"),
                  file("Downloads/.stash/inner.pkg"),
                  file("Downloads/.dmg"),
                  file("Downloads/Tool.app/Contents/Resources/inside.dmg"),
                  file("Downloads/Kit.Framework/payload.iso"),
                  file("Downloads/Suite.mpkg/Contents/Packages/part.pkg"),
                  file("Downloads/Folder.pkg/Contents/nested.dmg"),
                  file("Downloads/Discs.iso/disc2.iso"),
                  file("Downloads/notes.txt"),
                  file("Downloads/archive.dmg.zip"),
                  symlink("Downloads/link.dmg", "{root}/victim/big.dmg"),
                  symlink("Downloads/linked", "{root}/victim"),
                  fifo("Downloads/pipe.dmg"),
                  file("Desktop/tiny.pkg"),
                  file("Desktop/exact.pkg"),
                  file("Desktop/Setup files/disc.iso")});
  fx.addOutside({file("victim/big.dmg"), file("victim/other.dmg")});

  std::map<std::string, int64_t> sizes;
  for (const std::string& rel : std::vector<std::string>{
           "Downloads/.hidden.dmg", "Downloads/.stash/inner.pkg",
           "Downloads/Tool.app/Contents/Resources/inside.dmg", "Downloads/Kit.Framework/payload.iso",
           "Downloads/Suite.mpkg/Contents/Packages/part.pkg", "Downloads/Folder.pkg/Contents/nested.dmg",
           "Downloads/Discs.iso/disc2.iso", "Downloads/notes.txt", "Downloads/archive.dmg.zip",
           "Downloads/link.dmg", "Downloads/linked/other.dmg", "Downloads/pipe.dmg", "Downloads/.dmg",
           deep + "/f/seven.dmg"})
    sizes[fx.path(rel)] = 900 * MB;  // big, and never to be measured
  const std::map<std::string, int64_t> measured = {
      {"Downloads/Setup.DMG", 6 * MB},
      {deep + "/six.dmg", 7 * MB},
      {deep + "/deeper.iso", 8 * MB},
      {"Downloads/Suite.mpkg", 40 * MB},
      {"Downloads/Folder.pkg", 30 * MB},
      {"Downloads/Discs.iso", 20 * MB},
      {"Desktop/tiny.pkg", InstallerScanner::minimumBytes - 1},
      {"Desktop/exact.pkg", InstallerScanner::minimumBytes},
      {"Desktop/Setup files/disc.iso", 6 * MB},
  };
  for (const auto& [rel, bytes] : measured) sizes[fx.path(rel)] = bytes;
  FakeSizes fake(sizes);

  std::vector<BigItem> items = InstallerScanner::scan(fx.context(), fake.measure(), system_clock::now());

  const std::vector<Expected> expected = {
      {"Downloads/Suite.mpkg", "Downloads", 40 * MB, true},
      {"Downloads/Folder.pkg", "Downloads", 30 * MB, false},
      {"Downloads/Discs.iso", "Downloads", 20 * MB, false},
      {deep + "/deeper.iso", deep, 8 * MB, false},
      {deep + "/six.dmg", deep, 7 * MB, false},
      {"Downloads/Setup.DMG", "Downloads", 6 * MB, false},  // equal sizes: Downloads first
      {"Desktop/Setup files/disc.iso", "Desktop/Setup files", 6 * MB, false},
      {"Desktop/exact.pkg", "Desktop", InstallerScanner::minimumBytes, false},
  };
  ASSERT_EQ(items.size(), expected.size());
  for (size_t i = 0; i < items.size(); ++i) {
    SCOPED_TRACE(expected[i].id);
    EXPECT_EQ(items[i].id, fx.path(expected[i].id));
    EXPECT_EQ(items[i].url, items[i].id);
    EXPECT_EQ(items[i].name, base::lastComponent(items[i].id));
    EXPECT_EQ(items[i].location, expected[i].location);
    EXPECT_EQ(items[i].sizeBytes, expected[i].sizeBytes);
    EXPECT_EQ(items[i].isDirectory, expected[i].isDirectory);
    EXPECT_EQ(items[i].kind, BigItem::Kind::installer);
    EXPECT_FALSE(items[i].reclaimCommand);
  }
  EXPECT_TRUE(items[5].note->starts_with("Disk image. Added today."));

  // Only installer-named entries that may be reported were measured.
  std::vector<std::string> expectedMeasured;
  for (const auto& [rel, bytes] : measured) expectedMeasured.push_back(fx.path(rel));
  std::sort(fake.measured.begin(), fake.measured.end());
  std::sort(expectedMeasured.begin(), expectedMeasured.end());
  EXPECT_EQ(fake.measured, expectedMeasured);
}

TEST(InstallerScanner, MeasuresAllocatedBytesAndDatesFromTheFile) {
  ScopedTimeZone zone(kUtc);
  FixtureHome fx({file("Downloads/Real.dmg", 6 * 1024 * 1024), sparse("Downloads/Sparse.dmg", 200 * MB)});
  const std::string real = fx.path("Downloads/Real.dmg");
  const TimePoint now = isoTime("2025-06-15T12:00:00Z");
  const time_t twelveDaysAgo = system_clock::to_time_t(now - hours(24 * 12));
  const timeval times[2] = {{twelveDaysAgo, 0}, {twelveDaysAgo, 0}};
  ASSERT_EQ(utimes(real.c_str(), times), 0);
  struct stat st {};
  ASSERT_EQ(stat(real.c_str(), &st), 0);

  std::vector<BigItem> items = InstallerScanner::scan(fx.context(), DiskScanner::allocatedSize, now);
  ASSERT_EQ(items.size(), 1u);  // the sparse image allocates next to nothing
  EXPECT_EQ(items[0].id, real);
  EXPECT_EQ(items[0].sizeBytes, int64_t(st.st_blocks) * 512);
  EXPECT_EQ(items[0].note, "Disk image. Added 12 days ago. Safe to trash once you've installed the app.");

  // The clock form reads the same files.
  EXPECT_EQ(InstallerScanner::scan(fx.context()).size(), 1u);
}

TEST(InstallerScanner, CandidateFolders) {
  struct Case {
    const char* what;
    std::vector<Entry> home;
    std::vector<std::string> expected;
  };
  const std::vector<Case> cases = {
      {"neither", {folder("Documents")}, {}},
      {"both, Downloads first", {folder("Desktop"), folder("Downloads")}, {"Downloads", "Desktop"}},
      {"Desktop only", {folder("Desktop")}, {"Desktop"}},
      {"a dangling link is not there",
       {symlink("Downloads", "{root}/victim/gone"), folder("Desktop")},
       {"Desktop"}},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.what);
    FixtureHome fx;
    fx.add(c.home);
    std::vector<std::string> expected;
    for (const std::string& rel : c.expected) expected.push_back(fx.path(rel));
    EXPECT_EQ(InstallerScanner::candidateFolders(fx.context()), expected);
    if (expected.empty()) {
      EXPECT_TRUE(InstallerScanner::scan(fx.context()).empty());
    }
  }
  FixtureHome fx({folder("Downloads")});
  auto ctx = fx.context();
  ctx.home = "/";
  EXPECT_TRUE(InstallerScanner::candidateFolders(ctx).empty());
}

TEST(InstallerScanner, EachInstallerOnceInAStableOrder) {
  // A desktop linked to the downloads is one folder, searched once; equal
  // sizes come in path order, whatever the listing order.
  FixtureHome fx({file("Downloads/b.dmg"), file("Downloads/a.dmg"), file("Downloads/c/a.dmg"),
                  symlink("Desktop", "{home}/Downloads")});
  std::map<std::string, int64_t> sizes;
  for (const char* rel : {"b.dmg", "a.dmg", "c/a.dmg"}) {
    sizes[fx.path(std::string("Downloads/") + rel)] = 50 * MB;
    sizes[fx.path(std::string("Desktop/") + rel)] = 50 * MB;
  }
  FakeSizes fake(sizes);
  std::vector<BigItem> items = InstallerScanner::scan(fx.context(), fake.measure(), system_clock::now());
  std::vector<std::string> ids;
  for (const BigItem& item : items) ids.push_back(item.id);
  EXPECT_EQ(ids, (std::vector<std::string>{fx.path("Downloads/a.dmg"), fx.path("Downloads/b.dmg"),
                                           fx.path("Downloads/c/a.dmg")}));
}

// The desktop's own Downloads and Desktop folders are searched too, each
// folder once however it is reached, and each installer reported once.
TEST(InstallerScanner, AlsoSearchesTheDesktopsOwnFoldersEachOnce) {
  FixtureHome fx({file("Downloads/a.dmg"), file("Downloads/Firefox/d.pkg"), file("Téléchargements/b.dmg"),
                  file("Bureau/c.iso"), symlink("Desktop", "{home}/Bureau")});
  std::map<std::string, int64_t> sizes;
  for (const char* rel : {"Downloads/a.dmg", "Downloads/Firefox/d.pkg", "Téléchargements/b.dmg",
                          "Bureau/c.iso", "Desktop/c.iso"})
    sizes[fx.path(rel)] = 50 * MB;
  struct Case {
    const char* what;
    std::string downloads;
    std::string desktop;
    std::vector<std::string> folders;
    std::vector<std::string> ids;
  };
  const std::vector<Case> cases = {
      {"folders of their own, the desktop one linked from ~/Desktop",
       "Téléchargements",
       "Bureau",
       {"Downloads", "Desktop", "Téléchargements", "Bureau"},
       {"Downloads/Firefox/d.pkg", "Downloads/a.dmg", "Desktop/c.iso", "Téléchargements/b.dmg"}},
      {"a folder inside ~/Downloads, and ~/Desktop itself",
       "Downloads/Firefox",
       "Desktop",
       {"Downloads", "Desktop", "Downloads/Firefox"},
       {"Downloads/Firefox/d.pkg", "Downloads/a.dmg", "Desktop/c.iso"}},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.what);
    auto ctx = fx.context();
    ctx.downloadFolder = fx.path(c.downloads);
    ctx.desktopFolder = fx.path(c.desktop);
    std::vector<std::string> folders;
    for (const auto& rel : c.folders) folders.push_back(fx.path(rel));
    EXPECT_EQ(InstallerScanner::candidateFolders(ctx), folders);
    FakeSizes fake(sizes);
    std::vector<std::string> ids;
    for (const BigItem& item : InstallerScanner::scan(ctx, fake.measure(), system_clock::now()))
      ids.push_back(item.id);
    std::vector<std::string> expected;
    for (const auto& rel : c.ids) expected.push_back(fx.path(rel));
    EXPECT_EQ(ids, expected);
  }
}

}  // namespace
}  // namespace tidewell::engine
