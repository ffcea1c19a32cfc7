#include "base/Paths.h"

#include <gtest/gtest.h>

#include "platform/core/HomeFolder.h"

namespace tidewell::base {
namespace {

TEST(Paths, StandardizeTable) {
  struct Case {
    const char* in;
    const char* out;
  } cases[] = {
      {"/", "/"},
      {"//", "/"},
      {"/home/a/", "/home/a"},
      {"/home//a///b", "/home/a/b"},
      {"/home/a/.", "/home/a"},
      {"/home/./a/./b/.", "/home/a/b"},
      {"/home/a/../b", "/home/b"},
      {"/home/a/b/../../c", "/home/c"},
      {"/../..", "/"},
      {"/home/a/..", "/home"},
      {"/home/a/..b", "/home/a/..b"},
      {"/home/a/.b", "/home/a/.b"},
      {"relative/path/", "relative/path/"},
      {"", ""},
  };
  for (const auto& c : cases) EXPECT_EQ(standardize(c.in), c.out) << c.in;
}

TEST(Paths, TildeExpansion) {
  EXPECT_EQ(expandTilde("~", "/home/a"), "/home/a");
  EXPECT_EQ(expandTilde("~/Library/Caches", "/home/a"), "/home/a/Library/Caches");
  EXPECT_EQ(expandTilde("~other/x", "/home/a"), "~other/x");
  EXPECT_EQ(expandTilde("/abs/~/x", "/home/a"), "/abs/~/x");
  EXPECT_EQ(expandTilde("x/~", "/home/a"), "x/~");
}

TEST(Paths, IsBelowNeedsTheClosingSlash) {
  struct Case {
    const char* path;
    const char* root;
    bool below;
  } cases[] = {
      {"/home/a/x", "/home/a", true},
      {"/home/a/x/y", "/home/a", true},
      {"/home/a", "/home/a", false},
      {"/home/ab", "/home/a", false},
      {"/home/ab/x", "/home/a", false},
      {"/home/a/", "/home/a", false},
      {"/x", "/", true},
      {"/", "/", false},
      {"/home/a/x", "", false},
  };
  for (const auto& c : cases) EXPECT_EQ(isBelow(c.path, c.root), c.below) << c.path << " in " << c.root;
  EXPECT_TRUE(isSameOrBelow("/home/a", "/home/a"));
  EXPECT_FALSE(isSameOrBelow("/home/ab", "/home/a"));
}

TEST(Paths, ComponentsAndJoin) {
  EXPECT_EQ(lastComponent("/home/a/file.txt"), "file.txt");
  EXPECT_EQ(lastComponent("/"), "");
  EXPECT_EQ(lastComponent("name"), "name");
  EXPECT_EQ(parentPath("/home/a/file.txt"), "/home/a");
  EXPECT_EQ(parentPath("/home"), "/");
  EXPECT_EQ(parentPath("name"), "");
  EXPECT_EQ(joinPath("/home/a", "b"), "/home/a/b");
  EXPECT_EQ(joinPath("/", "b"), "/b");
}

TEST(HomeFolder, ChoiceAndUsability) {
  struct Case {
    const char* env;
    const char* passwd;
    const char* chosen;
  } cases[] = {
      {"/home/a", "/home/p", "/home/a"},
      {"/home/a/", "/home/p", "/home/a"},
      {"/home//a/.", "/home/p", "/home/a"},
      {nullptr, "/home/p", "/home/p"},
      {"", "/home/p", "/home/p"},
      {"relative", "/home/p", "/home/p"},
      {"/", "/home/p", "/home/p"},
      {"//", "/home/p", "/home/p"},
      {"/", "/", "/"},
      {nullptr, "", ""},
  };
  for (const auto& c : cases)
    EXPECT_EQ(platform::chooseHomeFolder(c.env, c.passwd), c.chosen) << (c.env ? c.env : "(unset)");

  EXPECT_TRUE(platform::isUsableHome("/home/a"));
  for (const char* bad : {"", "/", "relative", "/home/a/", "/home//a"})
    EXPECT_FALSE(platform::isUsableHome(bad)) << bad;
}

}  // namespace
}  // namespace tidewell::base
