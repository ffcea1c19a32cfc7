#include "base/ToolkitArguments.h"

#include <algorithm>
#include <array>
#include <string_view>

namespace tidewell::base {

namespace {

// What QGuiApplication, QApplication and the X11 platform plugin read from
// the command line. A value follows as the next argument, or after "=" for
// the names Qt also accepts that way.
constexpr std::array<std::string_view, 16> kWithValue = {"platform",
                                                         "platformpluginpath",
                                                         "platformtheme",
                                                         "plugin",
                                                         "qwindowgeometry",
                                                         "geometry",
                                                         "qwindowtitle",
                                                         "title",
                                                         "qwindowicon",
                                                         "icon",
                                                         "session",
                                                         "style",
                                                         "stylesheet",
                                                         "display",
                                                         "name",
                                                         "visual"};
constexpr std::array<std::string_view, 4> kWithValueAfterEquals = {"style", "stylesheet", "qmljsdebugger",
                                                                   "session"};
constexpr std::array<std::string_view, 7> kFlags = {"reverse", "widgetcount", "testability", "nograb",
                                                    "dograb",  "sync",        "cmap"};

template <std::size_t N>
bool contains(const std::array<std::string_view, N>& names, std::string_view name) {
  return std::find(names.begin(), names.end(), name) != names.end();
}

}  // namespace

std::vector<std::string> programArguments(int argc, const char* const* argv) {
  std::vector<std::string> kept;
  for (int i = 0; i < argc; ++i) {
    const std::string_view argument = argv[i];
    if (i == 0 || argument.size() < 2 || argument[0] != '-') {
      kept.emplace_back(argument);
      continue;
    }
    std::string_view name = argument.substr(argument.starts_with("--") ? 2 : 1);
    if (const std::size_t equals = name.find('='); equals != std::string_view::npos) {
      if (contains(kWithValueAfterEquals, name.substr(0, equals))) continue;
      kept.emplace_back(argument);
    } else if (contains(kWithValue, name)) {
      ++i;  // its value
    } else if (!contains(kFlags, name)) {
      kept.emplace_back(argument);
    }
  }
  return kept;
}

}  // namespace tidewell::base
