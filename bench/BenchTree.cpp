#include "bench/BenchTree.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <algorithm>
#include <atomic>
#include <random>
#include <thread>
#include <vector>

namespace tidewell::bench {

namespace {

struct PlannedFile {
  uint32_t folder;
  uint32_t bytes;
  bool sparse;
};

bool writeFile(const std::string& path, const PlannedFile& f, const std::vector<char>& data) {
  int fd = open(path.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, 0644);
  if (fd < 0) return false;
  bool ok = true;
  if (f.sparse) {
    ok = ftruncate(fd, 8 << 20) == 0 && pwrite(fd, data.data(), 4096, 1 << 20) == 4096;
  } else if (f.bytes > 0) {
    ok = pwrite(fd, data.data(), f.bytes, 0) == ssize_t(f.bytes);
  }
  return close(fd) == 0 && ok;
}

}  // namespace

bool generateBenchTree(const std::string& root, const BenchTreeShape& shape) {
  if (mkdir(root.c_str(), 0755) != 0) return false;
  std::mt19937 rng(shape.seed);

  // Folders: half hang below any earlier folder (wide), half below one of
  // the last few made (deep chains).
  std::vector<std::string> folders{root};
  folders.reserve(size_t(shape.folders));
  for (int i = 1; i < shape.folders; ++i) {
    const size_t n = folders.size();
    const size_t parent = (rng() % 2) ? rng() % n : n - 1 - rng() % std::min<size_t>(n, 16);
    std::string path = folders[parent] + "/" + (rng() % 20 == 0 ? "." : "") + "d" + std::to_string(i);
    if (mkdir(path.c_str(), 0755) != 0) return false;
    folders.push_back(std::move(path));
  }

  // Files: uneven over the folders; a quarter empty, most within one block,
  // a few larger, one in a hundred sparse.
  std::vector<PlannedFile> plan(size_t(shape.files));
  for (auto& f : plan) {
    const uint64_t a = rng() % folders.size(), b = rng() % folders.size();
    f.folder = uint32_t(a * b / folders.size());
    const unsigned kind = rng() % 100;
    f.sparse = kind == 99;
    f.bytes = kind < 25 ? 0 : kind < 95 ? 1 + rng() % 4096 : 4096 + rng() % 61440;
  }
  const std::vector<char> data(65536, 'x');
  std::atomic<bool> ok{true};
  std::vector<std::thread> writers;
  const unsigned threads = std::max(2u, std::thread::hardware_concurrency());
  for (unsigned t = 0; t < threads; ++t) {
    writers.emplace_back([&, t] {
      for (size_t i = t; i < plan.size() && ok; i += threads) {
        const char* prefix = i % 50 == 0 ? "/.f" : "/f";
        if (!writeFile(folders[plan[i].folder] + prefix + std::to_string(i) + ".dat", plan[i], data))
          ok = false;
      }
    });
  }
  for (auto& w : writers) w.join();
  if (!ok) return false;

  // Links: hard links to earlier files (counted once), symlinks to files and
  // to the root (never followed).
  for (size_t i = 0; i < plan.size() / 100; ++i) {
    const size_t target = rng() % plan.size();
    const std::string existing =
        folders[plan[target].folder] + (target % 50 == 0 ? "/.f" : "/f") + std::to_string(target) + ".dat";
    const std::string& where = folders[rng() % folders.size()];
    if (link(existing.c_str(), (where + "/hard" + std::to_string(i)).c_str()) != 0) return false;
    if (i % 2 == 0 && symlink(i % 4 == 0 ? root.c_str() : existing.c_str(),
                              (where + "/link" + std::to_string(i)).c_str()) != 0)
      return false;
  }
  return true;
}

}  // namespace tidewell::bench
