#include "platform/linux/TrashInfo.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <ctime>
#include <string>
#include "testkit/support/TimeFixtures.h"

namespace tidewell::platform {
namespace {

using tidewell::testing::ScopedTimeZone;

TEST(TrashInfo, PercentEncodesEverythingButPlainPathCharacters) {
  struct Case {
    std::string path;
    std::string encoded;
  };
  const Case cases[] = {
      {"/home/ann/Documents/report-v2_final.txt~", "/home/ann/Documents/report-v2_final.txt~"},
      {"/home/ann/My Files/a b", "/home/ann/My%20Files/a%20b"},
      {"/100%/50%25", "/100%25/50%2525"},
      {"/caf\xC3\xA9/\xE6\x97\xA5\xE8\xA8\x98", "/caf%C3%A9/%E6%97%A5%E8%A8%98"},
      // Bytes that are not UTF-8 still round-trip.
      {"/raw\xFF\x80", "/raw%FF%80"},
      // A line break in a name must not end the Path= line.
      {"/two\nlines\r", "/two%0Alines%0D"},
      {"/q?#[];=&+,:@!$'()*\"<>\\^`{|}",
       "/q%3F%23%5B%5D%3B%3D%26%2B%2C%3A%40%21%24%27%28%29%2A%22%3C%3E%5C%5E%60%7B%7C%7D"},
      {"relative/path", "relative/path"},
      {"", ""},
  };
  for (const Case& c : cases) EXPECT_EQ(percentEncodePath(c.path), c.encoded) << c.path;
}

TEST(TrashInfo, WritesTheHeaderPathAndLocalDeletionDate) {
  // 2024-03-05 14:07:09 UTC.
  const std::time_t moment = 1709647629;
  struct Case {
    const char* zone;
    const char* date;
  };
  const Case cases[] = {
      {"UTC0", "2024-03-05T14:07:09"},
      {"EST5", "2024-03-05T09:07:09"},
      {"IST-5:30", "2024-03-05T19:37:09"},
  };
  for (const Case& c : cases) {
    ScopedTimeZone zone(c.zone);
    EXPECT_EQ(trashInfoText("/home/ann/a b", moment),
              std::string("[Trash Info]\nPath=/home/ann/a%20b\nDeletionDate=") + c.date + "\n")
        << c.zone;
  }
  ScopedTimeZone zone(testing::kUtc);
  EXPECT_EQ(trashInfoText("sub/item", 0), "[Trash Info]\nPath=sub/item\nDeletionDate=1970-01-01T00:00:00\n");
}

}  // namespace
}  // namespace tidewell::platform
