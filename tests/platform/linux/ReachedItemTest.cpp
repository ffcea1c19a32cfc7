// Reaching an item by descriptor from the root of its area: links the user
// made count where they lead, but a folder that is a link by the time the
// walk comes by is refused, never followed, whichever way the folders are
// opened.
#include "platform/core/ReachedItem.h"

#include <fcntl.h>
#include <sys/stat.h>

#include <gtest/gtest.h>

#include <string>

#include "base/Paths.h"
#include "testkit/support/FixtureHome.h"

namespace tidewell::platform {
namespace {

using testing::FixtureHome;
using testing::folder;
using testing::identityAt;
using testing::symlink;
using testing::writeFile;

constexpr ReachedItem::Walk kWalks[] = {ReachedItem::Walk::Kernel, ReachedItem::Walk::Steps};

const char* describe(ReachedItem::Walk walk) {
  return walk == ReachedItem::Walk::Kernel ? "kernel walk" : "step by step";
}

// The folder fd is, by identity.
FileIdentity identityOf(int fd) {
  struct stat st {};
  EXPECT_EQ(fstat(fd, &st), 0);
  return {st.st_dev, st.st_ino};
}

TEST(ReachedItem, ReachesTheFolderWhereTheItemPhysicallyLies) {
  FixtureHome fx({folder("Documents/deep/er"), folder("Projects"), symlink("Linked", "{home}/Documents/deep"),
                  symlink("Documents/deep/er/link", "{root}/victim")});
  fx.addOutside({folder("victim")});
  writeFile(fx.path("Documents/deep/er/a.txt"), "a");
  struct Case {
    const char* what;
    std::string written;
    std::string physical;
  };
  const Case cases[] = {
      {"a file deep down", fx.path("Documents/deep/er/a.txt"), fx.path("Documents/deep/er/a.txt")},
      {"through a link the user made", fx.path("Linked/er/a.txt"), fx.path("Documents/deep/er/a.txt")},
      {"spelled loosely", fx.path("Documents//deep/./er/../er/a.txt/"), fx.path("Documents/deep/er/a.txt")},
      {"a link, as a link", fx.path("Documents/deep/er/link"), fx.path("Documents/deep/er/link")},
      {"not there yet", fx.path("Documents/deep/er/later.txt"), fx.path("Documents/deep/er/later.txt")},
      {"a child of the root", fx.path("Projects"), fx.path("Projects")},
  };
  for (const ReachedItem::Walk walk : kWalks) {
    for (const Case& c : cases) {
      SCOPED_TRACE(std::string(describe(walk)) + ": " + c.what);
      const auto reached = ReachedItem::reach(fx.home(), c.written, walk);
      ASSERT_TRUE(reached);
      EXPECT_EQ(reached->root(), fx.home());
      EXPECT_EQ(reached->path(), c.physical);
      EXPECT_EQ(reached->written(), base::standardize(c.written));
      EXPECT_EQ(reached->name(), base::lastComponent(c.physical));
      EXPECT_EQ(identityOf(reached->parentFd()), identityAt(std::string(base::parentPath(c.physical))));
      struct stat st {};
      EXPECT_EQ(reached->look(st), identityAt(c.physical).has_value());
      if (auto identity = identityAt(c.physical)) {
        EXPECT_TRUE(reached->holds(*identity));
      }
    }
  }
}

TEST(ReachedItem, RefusesWhatLiesOutsideTheAreaOrIsNoItem) {
  FixtureHome fx({folder("Documents"), symlink("Outward", "{root}/victim")});
  fx.addOutside({folder("victim/inside")});
  writeFile(fx.path("Documents/a.txt"), "a");
  struct Case {
    const char* what;
    std::string root;
    std::string path;
  };
  const Case cases[] = {
      {"outside the area", fx.home(), fx.outside("victim/inside")},
      {"through a link that leads outside", fx.home(), fx.path("Outward/inside")},
      {"the root itself", fx.home(), fx.home()},
      {"a sibling of the root", fx.path("Documents"), fx.path("Documentsx/a.txt")},
      {"above the root by dots", fx.path("Documents"), fx.path("Documents/../Outward/inside")},
      {"a missing folder on the way", fx.home(), fx.path("Missing/a.txt")},
      {"a file on the way", fx.home(), fx.path("Documents/a.txt/b")},
      {"a relative path", fx.home(), "Documents/a.txt"},
      {"a relative root", "home", fx.path("Documents/a.txt")},
      {"a missing root", fx.path("Nowhere"), fx.path("Nowhere/a.txt")},
      {"an empty path", fx.home(), ""},
      {"the root folder", "/", "/"},
      {"a NUL in the path", fx.home(), fx.path("Documents") + std::string("\0/a.txt", 7)},
  };
  for (const ReachedItem::Walk walk : kWalks) {
    for (const Case& c : cases)
      EXPECT_FALSE(ReachedItem::reach(c.root, c.path, walk)) << describe(walk) << ": " << c.what;
  }
}

TEST(ReachedItem, AFolderThatIsALinkWhenWalkedIsRefused) {
  // What the walk meets once a folder was swapped for a link after the
  // path was resolved: the same physical path now leads through a link.
  FixtureHome fx({folder("Documents"), symlink("Documents/box", "{root}/victim/box")});
  fx.addOutside({folder("victim/box/deeper")});
  writeFile(fx.outside("victim/box/item"), "outside");
  for (const ReachedItem::Walk walk : kWalks) {
    SCOPED_TRACE(describe(walk));
    EXPECT_FALSE(ReachedItem::walkTo(fx.home(), fx.path("Documents/box/item"), walk));
    EXPECT_FALSE(ReachedItem::walkTo(fx.home(), fx.path("Documents/box/deeper/item"), walk));
    // The link itself, as an item of its folder, is reached.
    const auto link = ReachedItem::walkTo(fx.home(), fx.path("Documents/box"), walk);
    ASSERT_TRUE(link);
    struct stat st {};
    ASSERT_TRUE(link->look(st));
    EXPECT_TRUE(S_ISLNK(st.st_mode));
  }
}

}  // namespace
}  // namespace tidewell::platform
