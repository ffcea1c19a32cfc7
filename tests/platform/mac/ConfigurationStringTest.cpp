#include "platform/mac/ConfigurationString.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cstring>
#include <optional>
#include <string>
#include <vector>

namespace tidewell::platform {
namespace {

// A confstr stand-in that hands out `value` (its bytes plus a terminating
// zero) and records how it was called. `secondLength`, when set, is what
// the filling call reports instead.
struct FakeConfstr {
  std::string value;
  bool available = true;
  std::optional<size_t> secondLength;
  std::vector<int> names;
  std::vector<bool> bufferGiven;
  std::vector<bool> bufferZeroed;

  size_t operator()(int name, char* buffer, size_t length) {
    names.push_back(name);
    bufferGiven.push_back(buffer != nullptr);
    if (!available) return 0;
    const size_t needed = value.size() + 1;
    if (!buffer) return needed;
    bool zeroed = true;
    for (size_t i = 0; i < length; ++i) zeroed = zeroed && buffer[i] == '\0';
    bufferZeroed.push_back(zeroed);
    std::memcpy(buffer, value.data(), std::min(length, value.size()));
    return secondLength.value_or(needed);
  }
};

TEST(ConfigurationString, TwoCallsAndTheirChecks) {
  struct Case {
    std::string value;
    bool available;
    std::optional<size_t> secondLength;
    std::optional<std::string> expected;
  } cases[] = {
      {"/var/folders/xy/abc/C/", true, std::nullopt, "/var/folders/xy/abc/C/"},
      {"", true, std::nullopt, ""},  // one byte: just the zero
      {"/x", false, std::nullopt, std::nullopt},
      {"/var/folders/C", true, 5, std::nullopt},  // the value changed between the calls
      {"/var/folders/C", true, 0, std::nullopt},
      {std::string("/var/a\0/b", 9), true, std::nullopt, "/var/a"},  // up to the first zero
      {"/var/\xff/C", true, std::nullopt, "/var/\xEF\xBF\xBD/C"},    // invalid UTF-8 repaired
      {"/var/\xC3\xA9t\xC3\xA9", true, std::nullopt, "/var/\xC3\xA9t\xC3\xA9"},
  };
  for (const auto& c : cases) {
    FakeConfstr fake{c.value, c.available, c.secondLength, {}, {}, {}};
    auto result = readConfigurationString(kDarwinUserCacheDirName, std::ref(fake));
    EXPECT_EQ(result, c.expected) << c.value;
    ASSERT_FALSE(fake.bufferGiven.empty());
    EXPECT_FALSE(fake.bufferGiven.front()) << "the first call only asks for the length";
    for (int name : fake.names) EXPECT_EQ(name, 65538);
    EXPECT_EQ(fake.names.size(), c.available ? 2u : 1u) << c.value;
    for (bool zeroed : fake.bufferZeroed) EXPECT_TRUE(zeroed);
  }
  EXPECT_FALSE(readConfigurationString(kDarwinUserCacheDirName, ConfstrFunction{}));
}

}  // namespace
}  // namespace tidewell::platform
