#include "engine/walk/TreeWalker.h"

#include <dirent.h>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <algorithm>
#include <array>
#include <atomic>
#include <cerrno>
#include <chrono>
#include <memory>
#include <mutex>
#include <thread>
#include <unordered_set>

#include "base/Paths.h"
#include "platform/core/EntryStatus.h"

namespace tidewell::engine {

namespace {

using platform::EntryStatus;

constexpr int kFolderFlags = O_RDONLY | O_DIRECTORY | O_CLOEXEC;
// Running out of descriptors is transient: other folders of the walk close
// theirs as soon as their children have opened. Wait that long at most.
constexpr int kOpenRetries = 2000;
constexpr auto kOpenRetryPause = std::chrono::milliseconds(1);
constexpr size_t kListingBytes = 32 * 1024;

std::atomic<void (*)()> descriptorWaitObserver{nullptr};

// Opens a folder relative to dirFd without updating its access time where
// the kernel lets us (our own folders, or with CAP_FOWNER).
int openFolder(int dirFd, const char* name, bool followLink) {
  const int flags = kFolderFlags | (followLink ? 0 : O_NOFOLLOW);
  for (int attempt = 0;; ++attempt) {
    int fd = openat(dirFd, name, flags | O_NOATIME);
    if (fd < 0 && errno == EPERM) fd = openat(dirFd, name, flags);
    if (fd >= 0 || (errno != EMFILE && errno != ENFILE) || attempt >= kOpenRetries) return fd;
    if (auto observer = descriptorWaitObserver.load()) observer();
    std::this_thread::sleep_for(kOpenRetryPause);
  }
}

EntryType typeFromListing(unsigned char dtype) {
  switch (dtype) {
    case DT_DIR:
      return EntryType::Directory;
    case DT_REG:
      return EntryType::File;
    case DT_LNK:
      return EntryType::Symlink;
    default:
      return EntryType::Other;
  }
}

EntryType typeFromMode(mode_t mode) {
  if (S_ISDIR(mode)) return EntryType::Directory;
  if (S_ISREG(mode)) return EntryType::File;
  if (S_ISLNK(mode)) return EntryType::Symlink;
  return EntryType::Other;
}

// Per-thread buffers, kept from folder to folder so the hot loop allocates
// nothing. A stack, because a visitor may start a nested walk on the same
// thread while its own folder's entries are still in use.
struct Scratch {
  struct Raw {
    uint32_t offset;
    uint32_t length;
    EntryType type;
  };
  alignas(8) std::array<char, kListingBytes> listing;
  std::vector<char> names;
  std::vector<Raw> raw;
  std::vector<WalkEntry> entries;
};

class ScratchLease {
 public:
  ScratchLease() {
    if (depth_ == stack_.size()) stack_.push_back(std::make_unique<Scratch>());
    scratch_ = stack_[depth_++].get();
  }
  ~ScratchLease() { --depth_; }
  ScratchLease(const ScratchLease&) = delete;
  ScratchLease& operator=(const ScratchLease&) = delete;
  Scratch* operator->() const { return scratch_; }

 private:
  static thread_local std::vector<std::unique_ptr<Scratch>> stack_;
  static thread_local size_t depth_;
  Scratch* scratch_;
};
thread_local std::vector<std::unique_ptr<Scratch>> ScratchLease::stack_;
thread_local size_t ScratchLease::depth_ = 0;

// Calls each(name, d_type) for every entry but "." and "..". False when the
// folder could not be read to the end.
template <class Each>
bool listFolder(int fd, Scratch& scratch, Each&& each) {
  char* buffer = scratch.listing.data();
  for (;;) {
    ssize_t n = getdents64(fd, buffer, scratch.listing.size());
    if (n < 0 && errno == EINTR) continue;
    if (n <= 0) return n == 0;
    for (ssize_t offset = 0; offset < n;) {
      const auto* d = reinterpret_cast<const dirent64*>(buffer + offset);
      offset += d->d_reclen;
      const char* name = d->d_name;
      if (name[0] == '.' && (name[1] == 0 || (name[1] == '.' && name[2] == 0))) continue;
      each(name, d->d_type);
    }
  }
}

// A folder of the walk. It stays open while children queued from it still
// have to open themselves relative to it: one reference for its own task
// and one per such child.
struct Folder {
  Folder* parent = nullptr;
  int fd = -1;
  std::atomic<int> refs{1};
  std::string name;  // relative to the parent
  std::string path;  // visit mode only
  int level = 0;
};

void release(Folder* folder) {
  if (folder->refs.fetch_sub(1, std::memory_order_acq_rel) != 1) return;
  if (folder->fd >= 0) close(folder->fd);
  delete folder;
}

// Opens a queued child relative to its parent and lets go of the parent.
bool openQueued(Folder* folder) {
  if (!folder->parent) return folder->fd >= 0;
  folder->fd = openFolder(folder->parent->fd, folder->name.c_str(), false);
  release(folder->parent);
  folder->parent = nullptr;
  return folder->fd >= 0;
}

Folder* queueChild(Folder* parent, const char* name) {
  auto* child = new Folder;
  child->parent = parent;
  child->name = name;
  parent->refs.fetch_add(1, std::memory_order_relaxed);
  return child;
}

// Hard-linked files seen so far in one measurement, sharded so that the
// threads of a walk seldom wait on each other.
class LinkSet {
 public:
  bool firstSight(uint64_t device, uint64_t inode) {
    const uint64_t key = inode * 0x9E3779B97F4A7C15ull ^ device;
    Shard& shard = shards_[(key >> 32) % shards_.size()];
    std::lock_guard lock(shard.mutex);
    return shard.seen.insert(Key{device, inode}).second;
  }

 private:
  struct Key {
    uint64_t device, inode;
    bool operator==(const Key&) const = default;
  };
  struct KeyHash {
    size_t operator()(const Key& k) const { return std::hash<uint64_t>()(k.inode * 31 + k.device); }
  };
  struct Shard {
    std::mutex mutex;
    std::unordered_set<Key, KeyHash> seen;
  };
  std::array<Shard, 16> shards_;
};

struct SizeWalk {
  dev_t device;
  std::atomic<int64_t> total{0};
  LinkSet links;
};

void measureFolder(SizeWalk& walk, WorkPool::Run& run, Folder* folder) {
  if (!openQueued(folder)) {
    release(folder);
    return;
  }
  ScratchLease scratch;
  int64_t sum = 0;
  const int fd = folder->fd;
  listFolder(fd, *scratch.operator->(), [&](const char* name, unsigned char dtype) {
    if (dtype != DT_REG && dtype != DT_DIR && dtype != DT_UNKNOWN) return;
    const auto entry =
        EntryStatus::look(fd, name, dtype == DT_DIR ? EntryStatus::Detail::Type : EntryStatus::Detail::Sizes);
    if (!entry) return;
    if (S_ISDIR(entry->mode)) {
      if (!entry->crossesMount(walk.device)) run.spawn(queueChild(folder, name));
    } else if (S_ISREG(entry->mode)) {
      if (entry->links > 1 && !walk.links.firstSight(entry->device, entry->inode)) return;
      sum += entry->blocks * 512;
    }
  });
  walk.total.fetch_add(sum, std::memory_order_relaxed);
  release(folder);
}

struct VisitWalk {
  const TreeWalker::Visitor& visitor;
  bool includeFiles;
  dev_t device;
  std::mutex mutex;
  std::vector<WalkReport> reports;
};

void visitFolder(VisitWalk& walk, WorkPool::Run& run, Folder* folder) {
  if (!openQueued(folder)) {
    release(folder);
    return;
  }
  ScratchLease lease;
  Scratch& s = *lease.operator->();
  s.names.clear();
  s.raw.clear();
  const int fd = folder->fd;
  listFolder(fd, s, [&](const char* name, unsigned char dtype) {
    EntryType type = typeFromListing(dtype);
    if (dtype == DT_UNKNOWN) {
      const auto entry = EntryStatus::look(fd, name, EntryStatus::Detail::Type);
      if (!entry) return;
      type = typeFromMode(entry->mode);
    }
    const size_t length = std::char_traits<char>::length(name);
    s.raw.push_back({uint32_t(s.names.size()), uint32_t(length), type});
    s.names.insert(s.names.end(), name, name + length + 1);
  });
  // The names buffer is complete now, so views into it stay valid.
  s.entries.clear();
  for (const auto& r : s.raw) s.entries.push_back({{s.names.data() + r.offset, r.length}, r.type});

  const WalkDirectory dir{folder->path, folder->level, s.entries, fd};
  for (const WalkEntry& entry : s.entries) {
    if (entry.type != EntryType::Directory && !walk.includeFiles) continue;
    switch (walk.visitor(dir, entry)) {
      case WalkAction::Skip:
        break;
      case WalkAction::Report: {
        WalkReport report{base::joinPath(folder->path, entry.name), folder->level + 1, entry.type};
        std::lock_guard lock(walk.mutex);
        walk.reports.push_back(std::move(report));
        break;
      }
      case WalkAction::Descend: {
        if (entry.type != EntryType::Directory) break;
        const char* name = entry.name.data();  // zero-terminated in the names buffer
        const auto status = EntryStatus::look(fd, name, EntryStatus::Detail::Type);
        if (!status || !S_ISDIR(status->mode) || status->crossesMount(walk.device)) break;
        Folder* child = queueChild(folder, name);
        child->path = base::joinPath(folder->path, entry.name);
        child->level = folder->level + 1;
        run.spawn(child);
        break;
      }
    }
  }
  release(folder);
}

// Opens a walk root, following a symlink at the root itself.
Folder* openRoot(const std::string& path, dev_t& device) {
  const int fd = openFolder(AT_FDCWD, path.c_str(), true);
  if (fd < 0) return nullptr;
  struct stat st {};
  if (fstat(fd, &st) != 0) {
    close(fd);
    return nullptr;
  }
  device = st.st_dev;
  auto* root = new Folder;
  root->fd = fd;
  return root;
}

}  // namespace

int64_t TreeWalker::allocatedSize(const std::string& path, WorkPool& pool) {
  struct stat st {};
  if (path.empty() || stat(path.c_str(), &st) != 0) return 0;
  if (!S_ISDIR(st.st_mode)) return S_ISREG(st.st_mode) ? int64_t(st.st_blocks) * 512 : 0;
  SizeWalk walk{};
  Folder* root = openRoot(path, walk.device);
  if (!root) return 0;
  pool.run(root,
           [&walk](WorkPool::Run& run, void* item) { measureFolder(walk, run, static_cast<Folder*>(item)); });
  return walk.total.load();
}

std::vector<WalkReport> TreeWalker::visit(const std::string& root, const Visitor& visitor,
                                          const WalkOptions& options, WorkPool& pool) {
  VisitWalk walk{visitor, options.includeFiles, 0, {}, {}};
  Folder* folder = openRoot(root, walk.device);
  if (!folder) return {};
  folder->path = (!root.empty() && root[0] == '/') ? base::standardize(root) : root;
  pool.run(folder,
           [&walk](WorkPool::Run& run, void* item) { visitFolder(walk, run, static_cast<Folder*>(item)); });
  std::sort(walk.reports.begin(), walk.reports.end(),
            [](const WalkReport& a, const WalkReport& b) { return a.path < b.path; });
  return std::move(walk.reports);
}

void TreeWalker::setDescriptorWaitObserver(void (*observer)()) { descriptorWaitObserver.store(observer); }

}  // namespace tidewell::engine
