#pragma once
// Items trashed one by one while the folder holding them is swapped with a
// link to a folder outside the home, back and forth, as fast as the kernel
// allows. Beside every item the outside folder holds a twin of the same
// name: the item's own file under a second name (a hard link, so even its
// identity matches) or another file. Whatever the gate and the move do,
// no twin may ever reach the Trash.

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <functional>
#include <string>

#include <gtest/gtest.h>

#include "engine/walk/FileIdentity.h"
#include "platform/core/FileDescriptor.h"
#include "testkit/support/FixtureHome.h"
#include "testkit/support/FolderSwapper.h"

namespace tidewell::testing {

enum class Twin { SameFile, OtherFile };

inline const char* describe(Twin twin) {
  return twin == Twin::SameFile ? "the twin is the item's own file" : "the twin is another file";
}

struct SwapRaceCount {
  bool ran = false;      // false: the file system cannot exchange entries
  int movedInside = 0;   // items that reached the Trash from their own folder
  int movedOutside = 0;  // twins gone from the outside folder
};

// One item named "item-N" per round in `folder` (a real folder), its twin in
// `outside`, with `decoy` a link to `outside` beside `folder`. attempt is
// asked to trash folder/item-N, the identity it had when it was made.
inline SwapRaceCount runSwapRace(
    const std::string& folder, const std::string& decoy, const std::string& outside, Twin twin, int rounds,
    const std::function<bool(const std::string& path, const engine::FileIdentity&)>& attempt) {
  SwapRaceCount count;
  // Items are made through the folder's descriptor, wherever it is now.
  platform::FileDescriptor inside(open(folder.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC));
  EXPECT_TRUE(inside.ok()) << folder;
  FolderSwapper swapper(folder, decoy);
  if (!inside.ok() || !swapper.ok()) return count;
  count.ran = true;
  for (int i = 0; i < rounds; ++i) {
    const std::string name = "item-" + std::to_string(i);
    const std::string twinPath = outside + "/" + name;
    platform::FileDescriptor made(
        openat(inside.get(), name.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, 0600));
    EXPECT_TRUE(made.ok() && ::write(made.get(), "inside", 6) == 6) << name;
    struct stat st {};
    EXPECT_EQ(fstat(made.get(), &st), 0);
    if (twin == Twin::SameFile) {
      EXPECT_EQ(linkat(inside.get(), name.c_str(), AT_FDCWD, twinPath.c_str(), 0), 0) << twinPath;
    } else {
      writeFile(twinPath, "outside");
    }
    const bool moved = attempt(folder + "/" + name, {st.st_dev, st.st_ino});
    if (!exists(twinPath)) {
      ++count.movedOutside;
    } else if (moved) {
      ++count.movedInside;
    }
  }
  swapper.stop();
  return count;
}

}  // namespace tidewell::testing
