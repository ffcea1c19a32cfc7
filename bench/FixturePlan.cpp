#include "bench/FixturePlan.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <algorithm>
#include <atomic>
#include <cerrno>
#include <cmath>
#include <cstdio>
#include <cstring>
#include <ctime>
#include <mutex>
#include <thread>

namespace tidewell::bench {

namespace {

// Small files get real bytes; larger ones are only allocated, which gives
// the same st_blocks without the writing.
constexpr int64_t writtenLimit = 16 * KiB;

// No folder word is also a file word: files without an extension would
// clash with folders of the same name.
constexpr std::string_view folderWords[] = {
    "src",      "lib",      "core",     "handlers", "components", "models",   "views",    "api",
    "tests",    "internal", "common",   "assets",   "styles",     "adapters", "services", "settings",
    "pages",    "widgets",  "data",     "docs",     "examples",   "plugins",  "cli",      "backend",
    "frontend", "shared",   "scripts",  "runtime",  "parsing",    "network",  "storage",  "ui",
    "platform", "tools",    "fixtures", "vendor"};

constexpr std::string_view fileWords[] = {
    "index",  "main",    "utils",  "types",  "config", "helpers", "client", "server",  "parser", "model",
    "view",   "store",   "router", "schema", "errors", "logger",  "cache",  "request", "format", "events",
    "stream", "context", "hooks",  "state",  "theme",  "layout",  "table",  "button",  "dialog", "session"};

// Exponentially distributed around mean, at most cap: many small, a few large.
int64_t exponential(std::mt19937& rng, double mean, int64_t cap) {
  const double u = (double(rng()) + 0.5) / 4294967296.0;
  return std::min<int64_t>(cap, int64_t(-mean * std::log(u)));
}

std::string joined(std::string_view a, std::string_view b) {
  std::string path(a);
  path += '/';
  path += b;
  return path;
}

bool allocate(int fd, int64_t bytes, const std::string& pattern) {
  if (fallocate(fd, 0, 0, bytes) == 0) return true;
  if (errno != EOPNOTSUPP) return false;
  // A file system without fallocate: write the bytes after all.
  for (int64_t at = 0; at < bytes; at += int64_t(pattern.size())) {
    const size_t n = size_t(std::min<int64_t>(bytes - at, int64_t(pattern.size())));
    if (pwrite(fd, pattern.data(), n, at) != ssize_t(n)) return false;
  }
  return true;
}

}  // namespace

int64_t FixturePlan::sizeOf(FileSizes sizes) {
  switch (sizes) {
    case FileSizes::tiny:
      return chance(20) ? 0 : 1 + exponential(rng_, 300, 2 * KiB);
    case FileSizes::source:
      return 1 + exponential(rng_, 3 * KiB, 64 * KiB);
    case FileSizes::blob:
      return 1 + exponential(rng_, 8 * KiB, 512 * KiB);
    case FileSizes::log:
      return 1 + exponential(rng_, 20 * KiB, 1 * MiB);
    case FileSizes::media:
      return 1 + exponential(rng_, 48 * KiB, 2 * MiB);
  }
  return 0;
}

std::string FixturePlan::hex(int digits) {
  static constexpr char alphabet[] = "0123456789abcdef";
  std::string text(size_t(digits), '0');
  for (char& c : text) c = alphabet[pick(16)];
  return text;
}

std::string FixturePlan::version() {
  return std::to_string(pick(5)) + "." + std::to_string(pick(20)) + "." + std::to_string(pick(30));
}

void FixturePlan::folder(std::string_view path) {
  if (path.empty() || knownFolders_.count(std::string(path))) return;
  const size_t slash = path.rfind('/');
  if (slash != std::string_view::npos) folder(path.substr(0, slash));
  knownFolders_.emplace(path);
  folders_.emplace_back(path);
}

void FixturePlan::file(std::string path, int64_t bytes, int ageDays) {
  folder(std::string_view(path).substr(0, path.rfind('/')));
  files_.push_back({std::move(path), bytes, -1, {}, ageDays});
}

void FixturePlan::text(std::string path, std::string content, int ageDays) {
  folder(std::string_view(path).substr(0, path.rfind('/')));
  const int64_t bytes = int64_t(content.size());
  files_.push_back({std::move(path), bytes, -1, std::move(content), ageDays});
}

void FixturePlan::sparse(std::string path, int64_t apparent, int64_t allocated) {
  folder(std::string_view(path).substr(0, path.rfind('/')));
  files_.push_back({std::move(path), apparent, allocated, {}, -1});
}

void FixturePlan::symlink(std::string path, std::string target) {
  folder(std::string_view(path).substr(0, path.rfind('/')));
  links_.push_back({std::move(path), std::move(target), false});
}

void FixturePlan::hardlink(std::string path, std::string existing) {
  folder(std::string_view(path).substr(0, path.rfind('/')));
  links_.push_back({std::move(path), std::move(existing), true});
}

int FixturePlan::flat(const std::string& dir, int count, std::string_view prefix, std::string_view extension,
                      FileSizes sizes, bool hexNames) {
  folder(dir);
  for (int i = 0; i < count; ++i) {
    std::string name(prefix);
    name += hexNames ? hex(16) : std::to_string(i);
    name += extension;
    file(joined(dir, name), sizeOf(sizes));
  }
  return count;
}

int FixturePlan::sharded(const std::string& dir, int count, int levels, int nameDigits,
                         std::string_view suffix, FileSizes sizes) {
  folder(dir);
  for (int i = 0; i < count; ++i) {
    std::string path = dir;
    for (int level = 0; level < levels; ++level) path = joined(path, hex(2));
    file(joined(path, hex(nameDigits) + std::string(suffix)), sizeOf(sizes));
  }
  return count;
}

int FixturePlan::tree(const std::string& dir, int count, const std::vector<std::string_view>& extensions,
                      FileSizes sizes) {
  folder(dir);
  return treeLevel(dir, count, extensions, sizes, 0);
}

int FixturePlan::treeLevel(const std::string& dir, int count, const std::vector<std::string_view>& extensions,
                           FileSizes sizes, int depth) {
  // Deep enough: whatever is left lies here.
  const int here = depth >= 7 ? count : std::min(count, 3 + int(pick(18)));
  const size_t firstWord = pick(std::size(fileWords));
  for (int i = 0; i < here; ++i) {
    std::string name(fileWords[(firstWord + size_t(i)) % std::size(fileWords)]);
    if (i >= int(std::size(fileWords))) name += std::to_string(i);
    name += extensions[pick(uint32_t(extensions.size()))];
    file(joined(dir, name), sizeOf(sizes));
  }
  int left = count - here;
  if (left <= 0) return count;
  // Folder names never repeat within a folder; none is a build-folder name.
  const int subfolders = 1 + int(pick(depth < 2 ? 6 : 4));
  const size_t firstFolder = pick(std::size(folderWords));
  for (int s = 0; s < subfolders && left > 0; ++s) {
    const int share = s == subfolders - 1 ? left : std::max(1, int(left * (0.2 + 0.6 * pick(100) / 100.0)));
    const std::string sub = joined(dir, folderWords[(firstFolder + size_t(s)) % std::size(folderWords)]);
    folder(sub);
    treeLevel(sub, share, extensions, sizes, depth + 1);
    left -= share;
  }
  return count;
}

bool FixturePlan::create(const std::string& root, HomeFixtureSummary& summary) const {
  // The first failure is told, with its path, before giving up.
  std::mutex failing;
  auto failed = [&failing](const std::string& path) {
    std::lock_guard lock(failing);
    std::fprintf(stderr, "home-fixture: %s: %s\n", path.c_str(), std::strerror(errno));
    return false;
  };
  if (mkdir(root.c_str(), 0755) != 0) return failed(root);
  for (const std::string& f : folders_)
    if (mkdir(joined(root, f).c_str(), 0755) != 0) return failed(joined(root, f));

  const std::string pattern = [] {
    std::string text;
    while (text.size() < size_t(writtenLimit)) text += "tidewell bench fixture, not user data.\n";
    text.resize(size_t(writtenLimit));
    return text;
  }();
  const time_t now = time(nullptr);
  std::atomic<bool> ok{true};
  std::atomic<int64_t> allocated{0};
  auto make = [&](const PlannedFile& f) {
    const std::string path = joined(root, f.path);
    const int fd = open(path.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, 0644);
    if (fd < 0) return failed(path);
    bool written = true;
    if (!f.content.empty()) {
      written = write(fd, f.content.data(), f.content.size()) == ssize_t(f.content.size());
    } else if (f.allocated >= 0) {
      written = ftruncate(fd, f.bytes) == 0 &&
                (f.allocated == 0 || fallocate(fd, FALLOC_FL_KEEP_SIZE, 0, f.allocated) == 0);
    } else if (f.bytes > writtenLimit) {
      written = allocate(fd, f.bytes, pattern);
    } else if (f.bytes > 0) {
      written = pwrite(fd, pattern.data(), size_t(f.bytes), 0) == ssize_t(f.bytes);
    }
    if (written && f.ageDays >= 0) {
      const timespec when{now - time_t(f.ageDays) * 86400, 0};
      const timespec times[2] = {when, when};
      written = futimens(fd, times) == 0;
    }
    struct stat st {};
    if (written && fstat(fd, &st) == 0) allocated += int64_t(st.st_blocks) * 512;
    if (close(fd) != 0 || !written) return failed(path);
    return true;
  };
  std::vector<std::thread> writers;
  const unsigned threads = std::max(2u, std::thread::hardware_concurrency());
  for (unsigned t = 0; t < threads; ++t) {
    writers.emplace_back([&, t] {
      for (size_t i = t; i < files_.size() && ok; i += threads)
        if (!make(files_[i])) ok = false;
    });
  }
  for (auto& w : writers) w.join();
  if (!ok) return false;

  summary = {};
  summary.files = int64_t(files_.size());
  summary.folders = int64_t(folders_.size());
  for (const PlannedLink& l : links_) {
    const std::string path = joined(root, l.path);
    if (l.hard) {
      if (link(joined(root, l.target).c_str(), path.c_str()) != 0) return failed(path);
      ++summary.files;
    } else {
      if (::symlink(l.target.c_str(), path.c_str()) != 0) return failed(path);
      ++summary.links;
    }
  }
  summary.allocatedBytes = allocated;
  return true;
}

}  // namespace tidewell::bench
