#include "platform/core/ReduceMotion.h"

#include <gtest/gtest.h>

#include <string>
#include <utility>

#include "testkit/support/ContainedRun.h"
#include "testkit/support/FixtureHome.h"
#include "testkit/support/HostileFile.h"

namespace tidewell::platform {
namespace {

struct Case {
  const char* name;
  const char* overrideValue;
  const char* kdeglobals;  // nullptr: no file
  const char* gtkSettings;
  bool expected;
};

TEST(ReduceMotion, OverrideThenDesktopSettingsThenOff) {
  const Case cases[] = {
      {"nothing set", nullptr, nullptr, nullptr, false},
      {"override on", "1", nullptr, nullptr, true},
      {"override words", "Yes", nullptr, nullptr, true},
      {"override off beats desktop", "false", "[KDE]\nAnimationDurationFactor=0\n", nullptr, false},
      {"unknown override falls through", "maybe", "[KDE]\nAnimationDurationFactor=0\n", nullptr, true},
      {"kde zero factor", nullptr, "[General]\nx=1\n[KDE]\nAnimationDurationFactor=0\n", nullptr, true},
      {"kde slow animations", nullptr, "[KDE]\nAnimationDurationFactor=0.5\n", nullptr, false},
      {"kde key in another section", nullptr, "[General]\nAnimationDurationFactor=0\n", nullptr, false},
      {"gtk animations off", nullptr, nullptr, "[Settings]\ngtk-enable-animations = false\n", true},
      {"gtk animations zero", nullptr, nullptr, "[Settings]\ngtk-enable-animations=0\n", true},
      {"gtk animations on", nullptr, nullptr, "[Settings]\ngtk-enable-animations=true\n", false},
      {"kde says animate, gtk says not", nullptr, "[KDE]\nAnimationDurationFactor=1\n",
       "[Settings]\ngtk-enable-animations=false\n", true},
  };
  for (const Case& c : cases) {
    testing::FixtureHome fx;
    const std::string config = fx.path(".config");
    if (c.kdeglobals) testing::writeFile(config + "/kdeglobals", c.kdeglobals);
    if (c.gtkSettings) testing::writeFile(config + "/gtk-3.0/settings.ini", c.gtkSettings);
    EXPECT_EQ(reduceMotionFrom(c.overrideValue, config), c.expected) << c.name;
  }
}

TEST(ReduceMotion, NoConfigFolderMeansOff) {
  EXPECT_FALSE(reduceMotionFrom(nullptr, ""));
  EXPECT_FALSE(reduceMotionFrom(nullptr, "/definitely/not/here"));
  EXPECT_TRUE(reduceMotionFrom("on", ""));
}

// Read before any window exists: a settings file that blocks or never ends
// would hold the app for good, so anything but a small regular file counts
// as absent, and the other file is still read.
TEST(ReduceMotion, ASettingsFileThatIsNoSmallRegularFileIsIgnoredAndLeftAlone) {
  struct Setting {
    const char* path;  // below the config folder
    const char* reduces;
  };
  const Setting kde{"kdeglobals", "[KDE]\nAnimationDurationFactor=0\n"};
  const Setting gtk{"gtk-3.0/settings.ini", "[Settings]\ngtk-enable-animations=false\n"};
  const std::pair<Setting, Setting> pairs[] = {{kde, gtk}, {gtk, kde}};
  for (const auto& [hostile, other] : pairs) {
    for (const testing::HostileFile kind : testing::kHostileFiles) {
      for (const bool otherReduces : {false, true}) {
        SCOPED_TRACE(std::string(hostile.path) + " is " + testing::nameOf(kind) +
                     (otherReduces ? ", the other file reduces" : ""));
        testing::FixtureHome fx;
        const std::string config = fx.path(".config");
        const std::string path = config + "/" + hostile.path;
        testing::placeHostileFile(path, kind, hostile.reduces, kMaxDesktopSettingsBytes + 1);
        if (otherReduces) testing::writeFile(config + "/" + other.path, other.reduces);
        const std::string before = testing::entryState(path);

        const testing::ContainedRun run =
            testing::runContained([&] { return reduceMotionFrom(nullptr, config) ? "on" : "off"; });
        EXPECT_TRUE(run.ended);
        EXPECT_LT(run.peakGrowthBytes, testing::kHostileFileMemoryBudget);
        if (run.ended) {
          EXPECT_EQ(run.text, otherReduces ? "on" : "off");
        }
        EXPECT_EQ(testing::entryState(path), before);
      }
    }
  }
}

}  // namespace
}  // namespace tidewell::platform
