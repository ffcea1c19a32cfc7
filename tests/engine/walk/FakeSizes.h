#pragma once
// A size seam for scanner tests: answers a fixed byte count per absolute
// path (0 for any other path) and remembers which paths were measured, so a
// test can reach a size threshold exactly without writing the bytes.

#include <cstdint>
#include <map>
#include <string>
#include <vector>

#include "engine/walk/SizeMeasure.h"
#include "testkit/support/FixtureHome.h"

namespace tidewell::testing {

class FakeSizes {
 public:
  explicit FakeSizes(std::map<std::string, int64_t> bytes = {}) : bytes_(std::move(bytes)) {}

  // Sizes given by home-relative path.
  static FakeSizes belowHome(const FixtureHome& fx, const std::map<std::string, int64_t>& relative) {
    std::map<std::string, int64_t> bytes;
    for (const auto& [rel, size] : relative) bytes[fx.path(rel)] = size;
    return FakeSizes(std::move(bytes));
  }

  engine::SizeMeasure measure() {
    return [this](const std::string& path) -> int64_t {
      measured.push_back(path);
      auto it = bytes_.find(path);
      return it == bytes_.end() ? 0 : it->second;
    };
  }

  std::vector<std::string> measured;

 private:
  std::map<std::string, int64_t> bytes_;
};

}  // namespace tidewell::testing
