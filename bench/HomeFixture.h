#pragma once
// Generates the home every whole-app benchmark works on: about 300,000
// files laid out like a developer's Mac home, from a fixed seed, so every
// run and every machine sees the same tree. Nothing in the tests uses it.
//
// Layout (the same as EngineContext::forFixture(root) expects):
//   root/home                the home: every catalog cache and log folder
//                            filled, projects with node_modules, target and
//                            .venv, personal files, installers, AI model
//                            folders, container disks, the Trash
//   root/system/Applications application bundles (with Info.plist)
//   root/tmp                 a temporary root with scratch files
//   root/tools               absent: no system tool is ever run
//
// Sizes. The benchmarks time walking, which costs per entry, not per byte,
// so file counts and folder shapes are realistic while byte totals are
// scaled down, except where a scanner's threshold needs the bytes: big
// items (80 MiB), AI model stores (500 MB), container disks (100 MiB) and
// installers (5 MiB). Those files are allocated with fallocate, so their
// st_blocks (what the scanners measure) are real without a byte being
// written; virtual-machine disks are sparse, as real ones are (a large
// apparent length, part of it allocated). About 5 GB of disk in all.

#include <cstdint>
#include <optional>
#include <string>

namespace tidewell::bench {

struct HomeFixtureSummary {
  int64_t files = 0;    // regular files, hard links included
  int64_t folders = 0;  // folders made, root/home included
  int64_t links = 0;    // symbolic links
  int64_t allocatedBytes = 0;
};

// Builds the fixture below root, which must not exist yet. Absent on failure
// (the partial tree is left for the caller to remove).
std::optional<HomeFixtureSummary> generateHomeFixture(const std::string& root, uint32_t seed = 22);

}  // namespace tidewell::bench
