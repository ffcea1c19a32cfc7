#pragma once
// A program's own command line, read before its application object exists.
// Qt's application object takes some options for itself (-platform NAME,
// -style=NAME, -reverse, -session ID, ... with one dash or two) and removes
// them; but it also needs a display, so a program that answers --help or a
// bad option without one reads its arguments first and must leave Qt's own
// alone, exactly as the application object will then take them.

#include <string>
#include <vector>

namespace tidewell::base {

// argv without the options Qt takes (and their values); argv[0] stays
// first. An option Qt takes a value for, given last without one, is
// dropped too, as Qt drops it.
std::vector<std::string> programArguments(int argc, const char* const* argv);

}  // namespace tidewell::base
