#include "platform/core/SmallFile.h"

#include <gtest/gtest.h>

#include "testkit/support/FixtureHome.h"

namespace tidewell::platform {
namespace {

using namespace testing;

TEST(SmallFile, ReadsRegularFilesWithinTheLimitOnly) {
  FixtureHome fx({file("ten", 10), file("empty"), folder("folder"), fifo("pipe"),
                  symlink("link", "{home}/ten"), symlink("dangling", "{home}/nothing"),
                  symlink("zero", "/dev/zero")});
  struct Case {
    const char* path;
    size_t limit;
    std::optional<size_t> size;
  };
  const Case cases[] = {
      {"ten", 10, 10},
      {"ten", 100, 10},
      {"ten", 9, std::nullopt},
      {"empty", 0, 0},
      {"link", 10, 10},
      {"dangling", 10, std::nullopt},
      {"folder", 10, std::nullopt},
      {"pipe", 10, std::nullopt},  // refused without waiting for a writer
      {"zero", 10, std::nullopt},  // a device, however much it would give
      {"missing", 10, std::nullopt},
  };
  for (const Case& c : cases) {
    auto data = readSmallFile(fx.path(c.path), c.limit);
    EXPECT_EQ(data ? std::optional<size_t>(data->size()) : std::nullopt, c.size) << c.path << " " << c.limit;
  }
  EXPECT_EQ(readSmallFile(fx.path("ten"), 10), std::string(10, 'x'));
}

}  // namespace
}  // namespace tidewell::platform
