#pragma once
// The parallel folder walker every scanner builds on. One task per folder
// on the engine-wide WorkPool; each folder is opened relative to its
// parent's descriptor (O_NOFOLLOW, O_NOATIME where permitted), listed with
// getdents64, and its entries are told apart by the listing's d_type, so
// only what needs it is stat'ed (platform::EntryStatus, relative to the
// folder).
//
// Rules shared by both modes:
//   - The root is followed if it is a symlink; symlinks below it never are.
//   - Mount points below the root (a mount root as the kernel flags it, or
//     another device) are not entered.
//   - Folders that cannot be opened or listed are passed over silently.
//   - Results do not depend on the number of threads or on listing order.
//
// Two modes:
//
// 1. allocatedSize(path): allocated bytes (st_blocks * 512) of the regular
//    files at or below path, each hard-linked file (same device and inode)
//    counted once per call; folders, symlinks, FIFOs, sockets and devices
//    add nothing. 0 when nothing is there.
//
// 2. visit(root, visitor, options): a folder-by-folder walk for scanners
//    that look for things by name. For every folder entered (the root is
//    level 0) the walker lists all its entries, then calls the visitor once
//    per entry that is a folder (and, with options.includeFiles, once per
//    other entry too), passing the folder and the entry. The visitor answers:
//      Descend - enter this sub-folder (ignored for anything not a folder);
//      Skip    - neither enter nor report it;
//      Report  - add it to the result and do not enter it.
//    The folder handed to the visitor carries its path, its level, its
//    descriptor and all its entries (names and types, no stat), so a rule
//    such as "a folder named build beside a package.json" is answered from
//    parent.entries without touching the disk. An entry's own level is
//    parent.level + 1.
//    The visitor runs on pool threads, several folders at once: it must be
//    thread-safe (a pure function of its arguments is) and must not throw.
//    It may call allocatedSize or stat relative to parent.fd. The result
//    holds every reported entry once, ordered by path (plain byte order).
//
//    Example, installers up to level 6 below Downloads, hidden names and
//    app bundles skipped:
//      auto found = TreeWalker::visit(downloads,
//          [](const WalkDirectory& dir, const WalkEntry& e) {
//            if (e.name.starts_with(".") || dir.level + 1 > 6) return WalkAction::Skip;
//            if (e.name.ends_with(".dmg")) return WalkAction::Report;
//            if (e.name.ends_with(".app")) return WalkAction::Skip;
//            return WalkAction::Descend;
//          },
//          {.includeFiles = true});

#include <cstdint>
#include <functional>
#include <span>
#include <string>
#include <string_view>
#include <vector>

#include "engine/walk/WorkPool.h"

namespace tidewell::engine {

enum class EntryType : uint8_t {
  Directory,
  File,     // a regular file
  Symlink,  // never followed
  Other,    // FIFO, socket, device
};

// One entry of a folder listing; the name is valid during the visitor call
// and name.data() is zero-terminated, so it can go straight to *at() calls.
struct WalkEntry {
  std::string_view name;
  EntryType type;
};

// A folder being walked; everything here is valid during the visitor call.
struct WalkDirectory {
  std::string_view path;               // root + "/" + the names down to here
  int level;                           // 0 for the root
  std::span<const WalkEntry> entries;  // all entries but "." and "..", listing order
  int fd;                              // the open folder, for *at() calls
};

enum class WalkAction : uint8_t { Skip, Descend, Report };

struct WalkReport {
  std::string path;
  int level;  // 1 for a direct child of the root
  EntryType type;
};

struct WalkOptions {
  // Also show the visitor entries that are not folders.
  bool includeFiles = false;
};

class TreeWalker {
 public:
  using Visitor = std::function<WalkAction(const WalkDirectory& parent, const WalkEntry& entry)>;

  static int64_t allocatedSize(const std::string& path, WorkPool& pool = WorkPool::shared());

  // Empty when root is not a folder that can be opened.
  static std::vector<WalkReport> visit(const std::string& root, const Visitor& visitor,
                                       const WalkOptions& options = {}, WorkPool& pool = WorkPool::shared());

  // Called on the walking thread each time a folder cannot be opened for
  // want of descriptors and the walk pauses before trying again, so a test
  // knows the walk is waiting. Process-wide; nullptr (the default) for none.
  static void setDescriptorWaitObserver(void (*observer)());
};

}  // namespace tidewell::engine
