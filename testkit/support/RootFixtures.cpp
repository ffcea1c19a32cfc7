#include "testkit/support/RootFixtures.h"

#include <dirent.h>
#include <fcntl.h>
#include <linux/fs.h>
#include <signal.h>
#include <sys/file.h>
#include <sys/ioctl.h>
#include <sys/mount.h>
#include <sys/stat.h>
#include <unistd.h>

#include <algorithm>
#include <cerrno>
#include <filesystem>
#include <fstream>
#include <mutex>
#include <sstream>
#include <utility>
#include <vector>

#include "base/Paths.h"
#include "testkit/support/FixtureHome.h"
#include "testkit/support/TestEnvironment.h"

namespace tidewell::testing {

namespace {

// A mount point as /proc/self/mountinfo writes it, with its octal escapes
// ("\040" for a space) decoded.
std::string decoded(const std::string& field) {
  std::string out;
  for (size_t i = 0; i < field.size(); ++i) {
    const bool escape = field[i] == '\\' && i + 3 < field.size() &&
                        std::all_of(field.begin() + long(i) + 1, field.begin() + long(i) + 4,
                                    [](char c) { return c >= '0' && c <= '7'; });
    if (escape) {
      out += char(std::stoi(field.substr(i + 1, 3), nullptr, 8));
      i += 3;
    } else {
      out += field[i];
    }
  }
  return out;
}

std::vector<std::string> mountPointsBelow(const std::string& root) {
  std::vector<std::string> points;
  std::ifstream info("/proc/self/mountinfo");
  for (std::string line; std::getline(info, line);) {
    std::istringstream fields(line);
    std::string id, parent, device, source, point;
    if (!(fields >> id >> parent >> device >> source >> point)) continue;
    const std::string path = decoded(point);
    if (base::isSameOrBelow(path, root)) points.push_back(path);
  }
  return points;
}

void clearFlags(const std::string& path, bool isFolder) {
  const int fd =
      open(path.c_str(), O_RDONLY | O_NOFOLLOW | O_NONBLOCK | O_CLOEXEC | (isFolder ? O_DIRECTORY : 0));
  if (fd < 0) return;
  int flags = 0;
  if (ioctl(fd, FS_IOC_GETFLAGS, &flags) == 0 && (flags & (FS_IMMUTABLE_FL | FS_APPEND_FL))) {
    flags &= ~(FS_IMMUTABLE_FL | FS_APPEND_FL);
    ioctl(fd, FS_IOC_SETFLAGS, &flags);
  }
  close(fd);
}

// The pid in a name "PREFIXPID-XXXXXX", 0 when the name is not one of
// that kind.
pid_t ownerOf(const std::string& name, const std::string& prefix) {
  if (name.rfind(prefix, 0) != 0) return 0;
  const size_t end = name.find('-', prefix.size());
  if (end == std::string::npos || end == prefix.size()) return 0;
  const std::string digits = name.substr(prefix.size(), end - prefix.size());
  if (!std::all_of(digits.begin(), digits.end(), [](char c) { return c >= '0' && c <= '9'; })) return 0;
  return pid_t(std::stol(digits));
}

const std::string kFixturePrefix = "tidewell-fixture-";  // one fixture, by the pid that made it
const std::string kFolderPrefix = "tidewell-fixtures-";  // one process's folder of fixtures

bool alive(pid_t pid) { return kill(pid, 0) == 0 || errno == EPERM; }

// The fixtures in folder whose maker is gone (this process's children that
// died, or, directly in the shared folder, what runs from before the
// per-process folders left).
std::vector<std::string> fixturesOfTheGone(const std::string& folder) {
  std::vector<std::string> gone;
  DIR* dir = opendir(folder.c_str());
  if (!dir) return gone;
  while (dirent* entry = readdir(dir)) {
    const pid_t owner = ownerOf(entry->d_name, kFixturePrefix);
    if (owner > 0 && owner != getpid() && !alive(owner))
      gone.push_back(base::joinPath(folder, entry->d_name));
  }
  closedir(dir);
  return gone;
}

// Removes another process's folder of fixtures when its maker is gone and
// no process holds its lock (a child forked from the maker may outlive it).
void sweepFolderOfTheGone(const std::string& folder, pid_t maker) {
  if (alive(maker)) return;
  const int fd = open(folder.c_str(), O_RDONLY | O_DIRECTORY | O_NOFOLLOW | O_CLOEXEC);
  if (fd < 0) return;
  if (flock(fd, LOCK_EX | LOCK_NB) == 0) removeFixtureTree(folder);
  close(fd);
}

}  // namespace

void unmountBelow(const std::string& root) {
  if (root.empty() || root == "/") return;
  std::vector<std::string> points = mountPointsBelow(root);
  // Deepest first, and a mount stacked twice on one folder needs two.
  std::sort(points.begin(), points.end(),
            [](const std::string& a, const std::string& b) { return a.size() > b.size(); });
  for (const std::string& point : points) umount2(point.c_str(), MNT_DETACH);
}

void clearFlagsBelow(const std::string& root) {
  namespace fs = std::filesystem;
  std::error_code ec;
  clearFlags(root, true);
  for (auto it = fs::recursive_directory_iterator(root, fs::directory_options::skip_permission_denied, ec);
       !ec && it != fs::recursive_directory_iterator(); it.increment(ec)) {
    if (it->is_symlink(ec)) continue;
    clearFlags(it->path().string(), it->is_directory(ec));
  }
}

void removeStaleFixturesNow() {
  const std::string parent = fixtureParent();
  // One sweep at a time across every test process: two removing one tree
  // at once trip over each other, and a sweep that returns has seen what a
  // sweep before it removed.
  const int sweeping = open((parent + "/tidewell-fixtures.lock").c_str(), O_RDWR | O_CREAT | O_CLOEXEC, 0600);
  if (sweeping < 0 || flock(sweeping, LOCK_EX) != 0) {
    if (sweeping >= 0) close(sweeping);
    return;
  }
  std::vector<std::pair<std::string, pid_t>> folders;
  if (DIR* dir = opendir(parent.c_str())) {
    while (dirent* entry = readdir(dir)) {
      const pid_t maker = ownerOf(entry->d_name, kFolderPrefix);
      if (maker > 0) folders.emplace_back(base::joinPath(parent, entry->d_name), maker);
    }
    closedir(dir);
  }
  const std::string& own = fixtureFolder();
  for (const auto& [folder, maker] : folders)
    if (folder != own) sweepFolderOfTheGone(folder, maker);
  // Only the folder's maker looks inside it: what its children left there
  // is its own to clear away (a test may leave one on purpose), and a
  // forked child shares the folder.
  std::vector<std::string> gone = fixturesOfTheGone(parent);
  if (getpid() == ownerOf(std::string(base::lastComponent(own)), kFolderPrefix)) {
    const std::vector<std::string> ours = fixturesOfTheGone(own);
    gone.insert(gone.end(), ours.begin(), ours.end());
  }
  for (const std::string& root : gone) removeFixtureTree(root);
  close(sweeping);
}

void removeStaleFixtures() {
  static std::once_flag once;
  std::call_once(once, removeStaleFixturesNow);
}

ScopedMount ScopedMount::bind(const std::string& source, const std::string& target) {
  removeStaleFixtures();
  ScopedMount m(target);
  m.ok_ = mount(source.c_str(), target.c_str(), nullptr, MS_BIND, nullptr) == 0;
  return m;
}

ScopedMount ScopedMount::tmpfs(const std::string& target) {
  removeStaleFixtures();
  ScopedMount m(target);
  m.ok_ = mount("tidewell-test", target.c_str(), "tmpfs", MS_NOSUID | MS_NODEV, "size=16m,mode=0755") == 0;
  return m;
}

ScopedMount::ScopedMount(ScopedMount&& other) noexcept
    : target_(std::move(other.target_)), ok_(std::exchange(other.ok_, false)) {}

ScopedMount::~ScopedMount() {
  if (ok_) umount2(target_.c_str(), MNT_DETACH);
}

Undeletable::Undeletable(std::string path) : path_(std::move(path)) {
  if (geteuid() != 0) {
    ok_ = chmod(path_.c_str(), 0555) == 0;
    return;
  }
  removeStaleFixtures();
  const int fd = open(path_.c_str(), O_RDONLY | O_DIRECTORY | O_NOFOLLOW | O_CLOEXEC);
  int flags = 0;
  if (fd >= 0 && ioctl(fd, FS_IOC_GETFLAGS, &flags) == 0) {
    flags |= FS_IMMUTABLE_FL;
    ok_ = immutable_ = ioctl(fd, FS_IOC_SETFLAGS, &flags) == 0;
  }
  if (fd >= 0) close(fd);
}

Undeletable::~Undeletable() {
  if (immutable_) {
    clearFlags(path_, true);
  } else if (ok_) {
    chmod(path_.c_str(), 0755);
  }
}

}  // namespace tidewell::testing
