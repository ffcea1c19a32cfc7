#pragma once
// A plan of a folder tree, built in memory from a seeded generator and then
// made on disk in one go: folders first (parents before children), files
// on several threads, links last. The shapes (a flat cache folder, a
// hex-sharded store, a nested source tree) are what real homes are made of;
// HomeFixture composes them into a home.
//
// Paths are relative to the root given to create(). Single-threaded to
// build; create() may be called once.

#include <cstdint>
#include <random>
#include <string>
#include <string_view>
#include <unordered_set>
#include <vector>

#include "bench/HomeFixture.h"

namespace tidewell::bench {

inline constexpr int64_t KiB = 1024;
inline constexpr int64_t MiB = 1024 * KiB;

// How big the small files of a shape are.
enum class FileSizes {
  tiny,    // settings, markers, locks: 0 to about 1 KiB
  source,  // source code, manifests, metadata: about 3 KiB on average
  blob,    // cache entries, objects, compiled output: about 8 KiB
  log,     // logs and reports: about 20 KiB
  media,   // photos, songs, clips (scaled down): about 48 KiB
};

class FixturePlan {
 public:
  explicit FixturePlan(uint32_t seed) : rng_(seed) {}

  // ---- The generator ----
  uint32_t pick(uint32_t n) { return n ? uint32_t(rng_() % n) : 0; }
  int64_t between(int64_t low, int64_t high) { return low + int64_t(rng_() % uint64_t(high - low + 1)); }
  bool chance(int percent) { return pick(100) < uint32_t(percent); }
  int64_t sizeOf(FileSizes sizes);
  // `digits` lower-case hexadecimal digits.
  std::string hex(int digits);
  // A version such as "4.2.17".
  std::string version();

  // ---- Single entries (parents are added as needed) ----
  void folder(std::string_view path);
  // A file of `bytes` bytes (written up to 16 KiB, allocated beyond),
  // modified `ageDays` before the fixture was made (-1: now).
  void file(std::string path, int64_t bytes, int ageDays = -1);
  void text(std::string path, std::string content, int ageDays = -1);
  // A sparse file: `apparent` bytes long, the first `allocated` allocated.
  void sparse(std::string path, int64_t apparent, int64_t allocated);
  void symlink(std::string path, std::string target);
  void hardlink(std::string path, std::string existing);

  // ---- Shapes; each returns the files it planned ----
  // count files directly in dir: prefix + a number (or hex) + extension.
  int flat(const std::string& dir, int count, std::string_view prefix, std::string_view extension,
           FileSizes sizes, bool hexNames = false);
  // count files in a store sharded by hash: levels folders of two hex
  // digits, then a name of nameDigits hex digits + suffix.
  int sharded(const std::string& dir, int count, int levels, int nameDigits, std::string_view suffix,
              FileSizes sizes);
  // count files in a nested tree of named folders (a few to a few dozen
  // files each, up to about eight deep), with the given extensions.
  int tree(const std::string& dir, int count, const std::vector<std::string_view>& extensions,
           FileSizes sizes);

  // Makes the plan below root (which must not exist). False on the first
  // failure.
  bool create(const std::string& root, HomeFixtureSummary& summary) const;

 private:
  struct PlannedFile {
    std::string path;
    int64_t bytes = 0;
    int64_t allocated = -1;  // sparse files: the allocated head
    std::string content;     // written as is when set
    int ageDays = -1;
  };
  struct PlannedLink {
    std::string path;
    std::string target;
    bool hard = false;
  };

  int treeLevel(const std::string& dir, int count, const std::vector<std::string_view>& extensions,
                FileSizes sizes, int depth);

  std::mt19937 rng_;
  std::vector<std::string> folders_;
  std::unordered_set<std::string> knownFolders_;
  std::vector<PlannedFile> files_;
  std::vector<PlannedLink> links_;
};

}  // namespace tidewell::bench
