#include "platform/core/TrashDirectory.h"

#include <fcntl.h>
#include <unistd.h>

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "platform/core/Trash.h"
#include "tests/platform/core/TrashChecks.h"
#include "tests/support/FixtureHome.h"

namespace tidewell::platform {
namespace {

using testing::exists;
using testing::FixtureHome;
using testing::moveToFixtureTrash;
using testing::namesIn;
using testing::readFile;
using testing::writeFile;

constexpr const char* kInfo = "[Trash Info]\nPath=/x\nDeletionDate=2024-01-01T00:00:00\n";

class Folder {
 public:
  explicit Folder(const std::string& path) : fd_(open(path.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC)) {}
  ~Folder() {
    if (fd_ >= 0) close(fd_);
  }
  int fd() const { return fd_; }

 private:
  int fd_;
};

TEST(TrashDirectory, AFailedMoveGivesTheClaimedNameBack) {
  FixtureHome fx({testing::folder("Documents")});
  const std::string trashPath = fx.context().trashHome;
  auto trash = TrashDirectory::openHome(trashPath);
  ASSERT_TRUE(trash);
  EXPECT_EQ(trash->path(), trashPath);

  ASSERT_EQ(trash->claim("gone.txt", kInfo), "gone.txt");
  EXPECT_EQ(readFile(trashPath + "/info/gone.txt.trashinfo"), kInfo);
  // The item vanished between the claim and the move.
  Folder documents(fx.path("Documents"));
  EXPECT_FALSE(trash->moveIn(documents.fd(), "gone.txt", "gone.txt"));
  EXPECT_TRUE(namesIn(trashPath + "/info").empty());
  EXPECT_EQ(trash->claim("gone.txt", kInfo), "gone.txt");
}

TEST(TrashDirectory, AMoveNeverReplacesWhatAppearedInFiles) {
  FixtureHome fx;
  writeFile(fx.path("Documents/a.txt"), "mine");
  auto trash = TrashDirectory::openHome(fx.context().trashHome);
  ASSERT_TRUE(trash);
  const std::string name = trash->claim("a.txt", kInfo);
  ASSERT_EQ(name, "a.txt");
  // A client that ignores info files wrote the same name meanwhile.
  writeFile(trash->path() + "/files/a.txt", "theirs");
  Folder documents(fx.path("Documents"));
  EXPECT_FALSE(trash->moveIn(documents.fd(), "a.txt", name));
  EXPECT_EQ(readFile(trash->path() + "/files/a.txt"), "theirs");
  EXPECT_EQ(readFile(fx.path("Documents/a.txt")), "mine");
  EXPECT_TRUE(namesIn(trash->path() + "/info").empty());
}

TEST(TrashDirectory, ClaimsNextNamesAndRefusesEmptyOnes) {
  FixtureHome fx;
  auto trash = TrashDirectory::openHome(fx.context().trashHome);
  ASSERT_TRUE(trash);
  EXPECT_EQ(trash->claim("x", kInfo), "x");
  EXPECT_EQ(trash->claim("x", kInfo), "x.2");
  EXPECT_EQ(trash->claim("x", kInfo), "x.3");
  EXPECT_EQ(trash->claim("x.2", kInfo), "x.2.2");
  EXPECT_EQ(trash->claim("", kInfo), "");
  EXPECT_EQ(trash->claim("y", ""), "");
  EXPECT_EQ(namesIn(trash->path() + "/info"),
            (std::vector<std::string>{"x.2.2.trashinfo", "x.2.trashinfo", "x.3.trashinfo", "x.trashinfo"}));
}

TEST(TrashDirectory, TheHomeTrashMustHoldRealFolders) {
  struct Case {
    const char* what;
    void (*prepare)(FixtureHome& fx);
  };
  const Case cases[] = {
      {"files is a link",
       [](FixtureHome& fx) {
         fx.add({testing::folder(".local/share/Trash/info"),
                 testing::symlink(".local/share/Trash/files", "{root}/victim")});
       }},
      {"info is a link",
       [](FixtureHome& fx) {
         fx.add({testing::folder(".local/share/Trash/files"),
                 testing::symlink(".local/share/Trash/info", "{root}/victim")});
       }},
      {"the trash is a file",
       [](FixtureHome& fx) { writeFile(fx.path(".local/share/Trash"), "not a folder"); }},
      {"a parent is a file", [](FixtureHome& fx) { writeFile(fx.path(".local/share"), "not a folder"); }},
  };
  for (const Case& c : cases) {
    FixtureHome fx;
    fx.addOutside({testing::folder("victim")});
    writeFile(fx.path("a.txt"), "a");
    c.prepare(fx);
    EXPECT_FALSE(TrashDirectory::openHome(fx.context().trashHome)) << c.what;
    EXPECT_FALSE(moveToFixtureTrash(fx.path("a.txt"), fx.context())) << c.what;
    EXPECT_EQ(readFile(fx.path("a.txt")), "a") << c.what;
    EXPECT_TRUE(namesIn(fx.outside("victim")).empty()) << c.what;
  }
}

TEST(TrashDirectory, TheHomeTrashMayLieBehindALink) {
  // A user who moved the data folder elsewhere on the same disk.
  FixtureHome fx(
      {testing::folder(".local/share"), testing::symlink(".local/share/Trash", "{root}/elsewhere")});
  fx.addOutside({testing::folder("elsewhere")});
  writeFile(fx.path("a.txt"), "a");
  std::string trashed;
  ASSERT_TRUE(moveToFixtureTrash(fx.path("a.txt"), fx.context(), &trashed));
  EXPECT_EQ(readFile(fx.outside("elsewhere/files/a.txt")), "a");
  EXPECT_TRUE(exists(fx.outside("elsewhere/info/a.txt.trashinfo")));
}

}  // namespace
}  // namespace tidewell::platform
