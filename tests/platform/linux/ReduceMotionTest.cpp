#include "platform/core/ReduceMotion.h"

#include <gtest/gtest.h>

#include "testkit/support/FixtureHome.h"

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

}  // namespace
}  // namespace tidewell::platform
