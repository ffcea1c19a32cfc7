#include "app/ScanLink.h"

#include <gtest/gtest.h>

#include "app/LaunchRequest.h"

namespace tidewell::app {
namespace {

TEST(ScanLink, OnlyTheHostScanAsWrittenStartsAScan) {
  struct Case {
    const char* link;
    std::optional<QString> host;
    bool scans;
  };
  const Case cases[] = {
      {"tidewellmac://scan", "scan", true},
      {"tidewellmac://scan/", "scan", true},
      {"tidewellmac://scan?from=widget#top", "scan", true},
      {"https://scan/anything", "scan", true},  // the scheme is not examined
      {"tidewellmac://me@scan:8080", "scan", true},
      {"tidewellmac://SCAN", "SCAN", false},  // another host, though QUrl would lowercase it
      {"tidewellmac://Scan", "Scan", false},
      {"tidewellmac://clean", "clean", false},
      {"tidewellmac://scanner", "scanner", false},
      {"tidewellmac://%73can", std::nullopt, false},  // not a valid host
      {"tidewellmac://", std::nullopt, false},
      {"tidewellmac:scan", std::nullopt, false},
      {"tidewellmac:///scan", std::nullopt, false},
      {"scan", std::nullopt, false},
      {"", std::nullopt, false},
      {"tidewell mac://scan", std::nullopt, false},
  };
  for (const Case& c : cases) {
    EXPECT_EQ(linkHost(QString::fromUtf8(c.link)), c.host) << c.link;
    EXPECT_EQ(isScanLink(QString::fromUtf8(c.link)), c.scans) << c.link;
  }
}

TEST(LaunchRequest, ArgumentsGiveTheFirstLinkElseAReopen) {
  EXPECT_EQ(LaunchRequest::fromArguments({}), LaunchRequest::reopen());
  EXPECT_EQ(LaunchRequest::fromArguments({"--verbose", "", "-x"}), LaunchRequest::reopen());
  EXPECT_EQ(LaunchRequest::fromArguments({"-v", "tidewellmac://scan", "other"}),
            LaunchRequest::openLink("tidewellmac://scan"));
}

TEST(LaunchRequest, LinesRoundTripAndJunkIsRefused) {
  for (const LaunchRequest& request : {LaunchRequest::reopen(), LaunchRequest::openLink("tidewellmac://scan"),
                                       LaunchRequest::openLink("odd://x y\nreopen\n%41 é")}) {
    const QByteArray line = request.encode();
    ASSERT_TRUE(line.endsWith('\n'));
    EXPECT_EQ(line.count('\n'), 1) << line.constData();
    EXPECT_EQ(LaunchRequest::decode(line.chopped(1)), request) << line.constData();
  }
  for (const char* junk : {"", "reopen ", "REOPEN", "link ", "link", "open tidewellmac://scan"}) {
    EXPECT_FALSE(LaunchRequest::decode(junk)) << junk;
  }
}

}  // namespace
}  // namespace tidewell::app
