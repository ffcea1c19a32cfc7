#include "app/LaunchOptions.h"

#include <gtest/gtest.h>

#include "testkit/support/ProgramRun.h"

namespace tidewell::app {
namespace {

TEST(LaunchOptions, CommandLines) {
  struct Case {
    QStringList arguments;
    LaunchRequest request;
    bool help;
    bool error;
  };
  const LaunchRequest scan = LaunchRequest::openLink("tidewellmac://scan");
  const Case cases[] = {
      {{}, LaunchRequest::reopen(), false, false},
      {{"tidewellmac://scan"}, scan, false, false},
      {{"--", "tidewellmac://scan"}, scan, false, false},
      {{"--help"}, LaunchRequest::reopen(), true, false},
      {{"-h", "tidewellmac://scan"}, scan, true, false},
      {{"--help-all"}, LaunchRequest::reopen(), false, true},
      {{"--bogus"}, LaunchRequest::reopen(), false, true},
      {{"-x", "tidewellmac://scan"}, LaunchRequest::reopen(), false, true},
      {{"tidewellmac://scan", "tidewellmac://clean"}, LaunchRequest::reopen(), false, true},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.arguments.join(' ').toStdString());
    const LaunchOptions options = parseLaunchOptions(QStringList{"tidewell-mac"} + c.arguments);
    EXPECT_EQ(options.error.isEmpty(), !c.error) << options.error.toStdString();
    EXPECT_FALSE(options.helpText.contains("<executable_name>"));
    if (c.error) {
      EXPECT_TRUE(options.error.endsWith('.'));
      EXPECT_FALSE(options.error.contains('\n'));
      continue;
    }
    EXPECT_EQ(options.help, c.help);
    EXPECT_EQ(options.request, c.request);
  }
}

// Help and a mistyped option are answered before the application object,
// which would abort for want of a display.
TEST(LaunchOptions, TheProgramAnswersHelpAndMistakesWithoutADisplay) {
  testing::expectAnswers(QStringLiteral(TIDEWELL_APP_PROGRAM),
                         {
                             {{"--help"}, 0, "Usage: tidewell-mac [options] [link]", ""},
                             {{"-h"}, 0, "--help", ""},
                             {{"-platform", "xcb", "--help"}, 0, "[link]", ""},
                             {{"--bogus"}, 2, "", "tidewell-mac: Unknown option 'bogus'.\n"},
                             {{"one", "two"}, 2, "", "tidewell-mac: Unexpected argument \"two\".\n"},
                         });
}

}  // namespace
}  // namespace tidewell::app
