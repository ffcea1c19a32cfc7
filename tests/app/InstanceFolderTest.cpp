#include "app/InstanceFolder.h"

#include <gtest/gtest.h>
#include <sys/stat.h>
#include <unistd.h>

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <functional>

namespace tidewell::app {
namespace {

mode_t modeOf(const QString& path) {
  struct stat status {};
  if (::lstat(QFile::encodeName(path).constData(), &status) != 0) return 0;
  return status.st_mode;
}

// Every folder lives under a temporary root of the test's own, never the
// system's temporary folder, where a real instance may be running.
TEST(InstanceFolder, WithoutARuntimeFolderOnlyAPrivateFolderOfTheUserIsUsed) {
  const uid_t self = ::getuid();
  struct Case {
    const char* name;
    uid_t uid;  // the user the folder must belong to
    // Prepares root; folder is where the private folder is expected.
    std::function<void(const QString& root, const QString& folder)> prepare;
    bool usable;
  };
  const auto makeFolder = [](mode_t mode) {
    return [mode](const QString&, const QString& folder) {
      ASSERT_EQ(::mkdir(QFile::encodeName(folder).constData(), 0700), 0);
      ASSERT_EQ(::chmod(QFile::encodeName(folder).constData(), mode), 0);
    };
  };
  const Case cases[] = {
      {"made fresh", self, [](const QString&, const QString&) {}, true},
      {"already private", self, makeFolder(0700), true},
      {"open to the group", self, makeFolder(0750), false},
      {"open to everyone", self, makeFolder(0777), false},
      {"sticky and world-writable", self, makeFolder(01777), false},
      // The folder is this test's own; the user it must belong to is not.
      {"owned by another user", self + 1, makeFolder(0700), false},
      {"a link to a private folder", self,
       [](const QString& root, const QString& folder) {
         ASSERT_TRUE(QDir(root).mkdir("elsewhere"));
         ASSERT_EQ(::chmod(QFile::encodeName(root + "/elsewhere").constData(), 0700), 0);
         ASSERT_TRUE(QFile::link(root + "/elsewhere", folder));
       },
       false},
      {"a plain file", self,
       [](const QString&, const QString& folder) {
         QFile file(folder);
         ASSERT_TRUE(file.open(QIODevice::WriteOnly));
       },
       false},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    QTemporaryDir root;
    ASSERT_TRUE(root.isValid());
    const QString folder = root.filePath(QStringLiteral("tidewell-mac-%1").arg(c.uid));
    c.prepare(root.path(), folder);
    const mode_t before = modeOf(folder);

    const InstanceFolder::Place place = InstanceFolder::locate({QString(), root.path(), c.uid});
    EXPECT_NE(place.socketPath.isEmpty(), place.problem.isEmpty());
    if (c.usable) {
      EXPECT_EQ(place.socketPath, folder + "/tidewell-mac.socket");
      EXPECT_TRUE(S_ISDIR(modeOf(folder)));
      EXPECT_EQ(modeOf(folder) & 077, 0u);
    } else {
      EXPECT_TRUE(place.socketPath.isEmpty()) << place.socketPath.toStdString();
      EXPECT_TRUE(place.problem.contains(folder)) << place.problem.toStdString();
      EXPECT_EQ(modeOf(folder), before);  // left as found
    }
  }
}

TEST(InstanceFolder, ARuntimeFolderHoldsTheSocketAndNothingIsMadeElsewhere) {
  QTemporaryDir root;
  QTemporaryDir runtime;
  ASSERT_TRUE(root.isValid() && runtime.isValid());
  const uid_t self = ::getuid();

  const InstanceFolder::Place place = InstanceFolder::locate({runtime.path(), root.path(), self});
  EXPECT_EQ(place.socketPath, runtime.filePath("tidewell-mac.socket"));
  EXPECT_TRUE(place.problem.isEmpty());
  EXPECT_TRUE(QDir(root.path()).isEmpty());

  // A runtime folder that is not there, or not absolute, is no runtime folder.
  for (const QString& unusable : {runtime.filePath("gone"), QStringLiteral("relative/run")}) {
    SCOPED_TRACE(unusable.toStdString());
    const InstanceFolder::Place fallback = InstanceFolder::locate({unusable, root.path(), self});
    EXPECT_EQ(fallback.socketPath,
              root.filePath(QStringLiteral("tidewell-mac-%1/tidewell-mac.socket").arg(self)));
  }
}

// Another user who can write in the runtime folder could plant a lock or a
// listener there, so such a folder counts as none at all.
TEST(InstanceFolder, ARuntimeFolderOthersCanWriteToOrOfAnotherUserIsNone) {
  const uid_t self = ::getuid();
  struct Case {
    const char* name;
    mode_t mode;
    uid_t uid;  // the user the folder must belong to
    bool used;
  };
  const Case cases[] = {
      {"private", 0700, self, true},
      {"readable by the group and others", 0755, self, true},
      {"writable by the group", 0770, self, false},
      {"writable by the group only", 0720, self, false},
      {"writable by others only", 0703, self, false},
      {"writable by everyone", 0777, self, false},
      {"sticky and writable by everyone", 01777, self, false},
      // The folder is this test's own; the user it must belong to is not.
      {"owned by another user", 0700, self + 1, false},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    QTemporaryDir root;
    QTemporaryDir runtime;
    ASSERT_TRUE(root.isValid() && runtime.isValid());
    ASSERT_EQ(::chmod(QFile::encodeName(runtime.path()).constData(), c.mode), 0);
    const mode_t before = modeOf(runtime.path());

    const InstanceFolder::Place place = InstanceFolder::locate({runtime.path(), root.path(), c.uid});
    if (c.used) {
      EXPECT_EQ(place.socketPath.toStdString(), runtime.filePath("tidewell-mac.socket").toStdString());
      EXPECT_TRUE(QDir(root.path()).isEmpty());
    } else {
      EXPECT_FALSE(place.socketPath.startsWith(runtime.path())) << place.socketPath.toStdString();
      // Just as when there is no runtime folder at all.
      const InstanceFolder::Place without = InstanceFolder::locate({QString(), root.path(), c.uid});
      EXPECT_EQ(place.socketPath.toStdString(), without.socketPath.toStdString());
      EXPECT_EQ(place.problem.toStdString(), without.problem.toStdString());
    }
    EXPECT_EQ(modeOf(runtime.path()), before);  // left as found
    EXPECT_TRUE(QDir(runtime.path()).isEmpty());
  }
}

}  // namespace
}  // namespace tidewell::app
