#pragma once
// A folder chain far deeper than any path may be long (folder/d/d/d/...),
// made and removed level by level relative to descriptors, never by
// recursion and never through a full path, so neither the test nor its
// clean-up can overflow the stack or hit PATH_MAX.

#include <dirent.h>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <string>
#include <string_view>

namespace tidewell::testing {

inline constexpr const char* kChainLink = "d";

// Makes `levels` nested folders named kChainLink inside folder, with a
// 4 KiB file "f" in every level whose number is a multiple of fileEvery
// (level 1 is the first sub-folder) and in the deepest one. False when the
// file system refused a step.
inline bool makeChain(const std::string& folder, int levels, int fileEvery) {
  int fd = open(folder.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
  if (fd < 0) return false;
  const std::string block(4096, 'x');
  bool ok = true;
  for (int level = 1; ok && level <= levels; ++level) {
    const int next =
        mkdirat(fd, kChainLink, 0755) == 0 ? openat(fd, kChainLink, O_RDONLY | O_DIRECTORY | O_CLOEXEC) : -1;
    close(fd);
    fd = next;
    ok = fd >= 0;
    if (ok && (level % fileEvery == 0 || level == levels)) {
      const int file = openat(fd, "f", O_WRONLY | O_CREAT | O_TRUNC | O_CLOEXEC, 0644);
      ok = file >= 0 && write(file, block.data(), block.size()) == ssize_t(block.size());
      if (file >= 0) close(file);
    }
  }
  if (fd >= 0) close(fd);
  return ok;
}

// The number of chain levels below folder.
inline int chainDepth(const std::string& folder) {
  int fd = open(folder.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
  int depth = 0;
  while (fd >= 0) {
    const int next = openat(fd, kChainLink, O_RDONLY | O_DIRECTORY | O_NOFOLLOW | O_CLOEXEC);
    close(fd);
    fd = next;
    if (fd >= 0) ++depth;
  }
  return depth;
}

// Removes whatever is left of a chain below folder (folder itself stays):
// down to the deepest level, then up through "..", one level at a time.
inline void removeChain(const std::string& folder) {
  int fd = open(folder.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
  if (fd < 0) return;
  int depth = 0;
  for (;;) {
    unlinkat(fd, "f", 0);
    const int next = openat(fd, kChainLink, O_RDONLY | O_DIRECTORY | O_NOFOLLOW | O_CLOEXEC);
    if (next < 0) break;
    close(fd);
    fd = next;
    ++depth;
  }
  for (; depth > 0; --depth) {
    const int up = openat(fd, "..", O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    close(fd);
    fd = up;
    if (fd < 0) return;
    unlinkat(fd, kChainLink, AT_REMOVEDIR);
  }
  close(fd);
}

// Descriptors this process holds now.
inline int openDescriptors() {
  DIR* dir = opendir("/proc/self/fd");
  if (!dir) return -1;
  int count = 0;
  while (dirent* entry = readdir(dir))
    if (entry->d_name[0] != '.') ++count;
  closedir(dir);
  return count - 1;  // the listing's own
}

}  // namespace tidewell::testing
