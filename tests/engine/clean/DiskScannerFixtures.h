#pragma once
// Helpers shared by the scan and clean tests of DiskScanner.

#include <sys/stat.h>

#include <algorithm>
#include <ostream>
#include <set>
#include <string>
#include <utility>
#include <vector>

#include <gtest/gtest.h>

#include "engine/clean/CleanupItem.h"
#include "engine/clean/CleanupTarget.h"
#include "engine/clean/DiskScanner.h"
#include "testkit/support/FixtureHome.h"

namespace tidewell::engine {

// Readable failures for the cleaning results that tests compare whole.
inline void PrintTo(const DiskScanner::CleanResult& result, std::ostream* out) {
  *out << "{freedBytes " << result.freedBytes << ", failedTitle "
       << (result.failedTitle ? "\"" + *result.failedTitle + "\"" : std::string("none")) << ", reason "
       << (result.reason ? platform::reasonText(*result.reason) : std::string("none")) << "}";
}

}  // namespace tidewell::engine

namespace tidewell::engine::fixtures {

// A row of our own; "{root}" in a path becomes the fixture root.
inline CleanupTarget row(const testing::FixtureHome& fx, std::vector<std::string> paths, bool sweep = false,
                         SafetyLevel safety = SafetyLevel::safe) {
  for (auto& p : paths) {
    if (p.rfind("{root}", 0) == 0) p = fx.root() + p.substr(6);
  }
  CleanupTarget t;
  t.id = "test-row";
  t.title = "Test row";
  t.detail = "A row made by a test.";
  t.category = CleanupCategory::appCaches;
  t.safety = safety;
  t.paths = std::move(paths);
  t.isSweep = sweep;
  return t;
}

inline CleanupTarget catalogRow(const testing::FixtureHome& fx, const std::string& id) {
  for (const auto& t : CleanupTarget::catalog(fx.context()))
    if (t.id == id) return t;
  ADD_FAILURE() << "no catalog row " << id;
  return {};
}

// An item made by hand, as scan would have made it for these absolute
// paths if it had offered them: identity from lstat, size measured.
inline CleanupItem handMade(const std::vector<std::string>& paths) {
  CleanupItem item;
  item.target.id = "hand-made";
  item.target.title = "Hand-made row";
  for (const auto& p : paths) {
    struct stat st {};
    EXPECT_EQ(lstat(p.c_str(), &st), 0) << p;
    const int64_t size = DiskScanner::allocatedSize(p);
    item.resolvedPaths.push_back(p);
    item.measuredParts.push_back({{st.st_dev, st.st_ino}, size});
    item.sizeBytes += size;
  }
  return item;
}

// Allocated bytes of the named files below the home, each inode once.
inline int64_t blocksOf(const testing::FixtureHome& fx, const std::vector<std::string>& files) {
  std::set<std::pair<dev_t, ino_t>> seen;
  int64_t sum = 0;
  for (const auto& f : files) {
    struct stat st {};
    EXPECT_EQ(lstat(fx.path(f).c_str(), &st), 0) << f;
    if (seen.insert({st.st_dev, st.st_ino}).second) sum += int64_t(st.st_blocks) * 512;
  }
  return sum;
}

}  // namespace tidewell::engine::fixtures
