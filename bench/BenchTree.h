#pragma once
// Generates a reproducible folder tree for the measurement benchmark: about
// `files` regular files of mixed sizes (empty, one block, some larger, a few
// sparse) spread unevenly over `folders` folders of mixed depth, with hidden
// names, hard links and symlinks sprinkled in so that counting each inode
// once and never following links both matter.

#include <cstdint>
#include <string>

namespace tidewell::bench {

struct BenchTreeShape {
  int files = 300000;
  int folders = 30000;
  uint32_t seed = 1;
};

// Builds the tree below root, which must not exist yet. False on failure.
bool generateBenchTree(const std::string& root, const BenchTreeShape& shape);

}  // namespace tidewell::bench
