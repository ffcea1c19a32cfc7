#include <gtest/gtest.h>

#include "engine/apps/PropertyList.h"
#include "testkit/support/FixtureHome.h"
#include "tests/engine/apps/InfoPlistFixture.h"

namespace tidewell::engine {
namespace {

using namespace testing;

TEST(PropertyList, ReadsStringValuesOfXmlAndBinaryLists) {
  const PlistKeys keys = {{"CFBundleIdentifier", "com.example.app"}, {"CFBundleName", "Ex & Co"}};
  FixtureHome fx;
  writeFile(fx.path("xml.plist"),
            xmlPlist({{"CFBundleIdentifier", "com.example.app"}, {"CFBundleName", "Ex &amp; Co"}},
                     "  <key>CFBundleVersion</key>\n  <integer>12</integer>\n"));
  writeFile(fx.path("bin.plist"), binaryPlist(keys, {"CFBundleVersion"}));

  for (const char* name : {"xml.plist", "bin.plist"}) {
    auto list = PropertyList::readFile(fx.path(name));
    ASSERT_TRUE(list) << name;
    EXPECT_EQ(list->string("CFBundleIdentifier"), "com.example.app") << name;
    EXPECT_EQ(list->string("CFBundleName"), "Ex & Co") << name;
    EXPECT_EQ(list->string("CFBundleVersion"), std::nullopt) << name << ": a number is not a string";
    EXPECT_EQ(list->string("Missing"), std::nullopt) << name;
  }
}

TEST(PropertyList, RefusesWhatIsNotAReadableDictionaryFile) {
  FixtureHome fx({fifo("pipe.plist"), folder("folder.plist"), symlink("link.plist", "{home}/good.plist"),
                  sparse("huge.plist", int64_t(PropertyList::maxBytes) + 1)});
  writeFile(fx.path("good.plist"), xmlPlist({{"A", "b"}}));
  writeFile(fx.path("garbage.plist"), std::string("\x01\x02 not a list <dict", 19));
  writeFile(fx.path("empty.plist"), "");
  writeFile(fx.path("array.plist"),
            "<?xml version=\"1.0\"?><plist><array><string>a</string></array></plist>");
  writeFile(fx.path("truncated.plist"), binaryPlist({{"A", "b"}}).substr(0, 20));
  ASSERT_TRUE(PropertyList::readFile(fx.path("good.plist")));

  for (const char* name : {"pipe.plist", "folder.plist", "link.plist", "huge.plist", "garbage.plist",
                           "empty.plist", "array.plist", "truncated.plist", "missing.plist"}) {
    EXPECT_FALSE(PropertyList::readFile(fx.path(name))) << name;
  }
}

}  // namespace
}  // namespace tidewell::engine
