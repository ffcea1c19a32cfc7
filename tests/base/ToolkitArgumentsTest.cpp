#include "base/ToolkitArguments.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace tidewell::base {
namespace {

TEST(ToolkitArguments, QtsOwnOptionsAndTheirValuesAreLeftToQt) {
  using Arguments = std::vector<std::string>;
  struct Case {
    Arguments given;  // after the program name
    Arguments kept;
  };
  const Case cases[] = {
      {{}, {}},
      {{"tidewellmac://scan"}, {"tidewellmac://scan"}},
      {{"-platform", "offscreen", "tidewellmac://scan"}, {"tidewellmac://scan"}},
      {{"--platform", "xcb", "--family", "medium"}, {"--family", "medium"}},
      {{"-style=Fusion", "--stylesheet=a.qss", "-reverse", "--placeholder"}, {"--placeholder"}},
      {{"-session", "1234_5", "-qwindowgeometry", "800x600+0+0", "-display", ":1"}, {}},
      {{"-qmljsdebugger=port:1234", "-widgetcount"}, {}},
      // Not Qt's: left for the program to refuse or use.
      {{"--help", "-h", "--bogus", "-platformx", "-reverse=1", "-", "--"},
       {"--help", "-h", "--bogus", "-platformx", "-reverse=1", "-", "--"}},
      {{"--family=small"}, {"--family=small"}},
      // A value Qt expects but never gets.
      {{"x", "-platform"}, {"x"}},
  };
  for (const Case& c : cases) {
    std::vector<const char*> argv = {"program"};
    for (const std::string& argument : c.given) argv.push_back(argument.c_str());
    Arguments expected = {"program"};
    expected.insert(expected.end(), c.kept.begin(), c.kept.end());
    EXPECT_EQ(programArguments(int(argv.size()), argv.data()), expected);
  }
}

}  // namespace
}  // namespace tidewell::base
