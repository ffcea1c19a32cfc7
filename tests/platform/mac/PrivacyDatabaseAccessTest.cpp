#include "platform/mac/PrivacyDatabaseAccess.h"

#include <gtest/gtest.h>

#include <map>
#include <string>
#include <vector>

namespace tidewell::platform {
namespace {

TEST(PrivacyDatabaseAccess, OnlyOpeningTheDatabaseThatExistsTellsWhetherAccessIsGranted) {
  const auto paths = PrivacyDatabaseAccess::Paths::forHome("/Users/ada");
  ASSERT_EQ(paths.system, "/Library/Application Support/com.apple.TCC/TCC.db");
  ASSERT_EQ(paths.user, "/Users/ada/Library/Application Support/com.apple.TCC/TCC.db");
  enum class File { absent, opens, refused };
  struct Case {
    const char* what;
    File system;
    File user;
    bool granted;
    std::vector<std::string> opened;
  };
  const Case cases[] = {
      {"granted: the system database opens", File::opens, File::opens, true, {paths.system}},
      {"not granted: the system database refuses", File::refused, File::opens, false, {paths.system}},
      {"only the user's database, and it opens", File::absent, File::opens, true, {paths.user}},
      {"only the user's database, refused", File::absent, File::refused, false, {paths.user}},
      {"neither exists: no open at all", File::absent, File::absent, false, {}},
  };
  for (const Case& c : cases) {
    const std::map<std::string, File> files = {{paths.system, c.system}, {paths.user, c.user}};
    std::vector<std::string> opened;
    std::vector<int> closed;
    PrivacyDatabaseAccess::Files fake{[&](const std::string& p) { return files.at(p) != File::absent; },
                                      [&](const std::string& p) {
                                        opened.push_back(p);
                                        return files.at(p) == File::opens ? 7 : -1;
                                      },
                                      [&](int fd) { closed.push_back(fd); }};
    const PrivacyDatabaseAccess access(paths, fake, nullptr);
    EXPECT_EQ(access.isGranted(), c.granted) << c.what;
    EXPECT_EQ(opened, c.opened) << c.what;
    EXPECT_EQ(closed, c.granted ? std::vector<int>{7} : std::vector<int>{}) << c.what << ": closed at once";
  }
}

TEST(PrivacyDatabaseAccess, OpensTheFullDiskAccessPaneOfTheSettings) {
  std::vector<QString> links;
  const PrivacyDatabaseAccess access(PrivacyDatabaseAccess::Paths::forHome("/Users/ada"),
                                     PrivacyDatabaseAccess::Files::posix(),
                                     [&](const QString& link) { links.push_back(link); });
  access.openSettings();
  EXPECT_EQ(links,
            std::vector<QString>{"x-apple.systempreferences:com.apple.preference.security?Privacy_AllFiles"});
}

}  // namespace
}  // namespace tidewell::platform
