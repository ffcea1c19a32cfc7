#include "design/type/FileNameText.h"

#include <gtest/gtest.h>

#include <string>

namespace tidewell::design {
namespace {

TEST(FileNameText, ShowsEveryBidiControlEscapedAndKeepsEverythingElse) {
  struct Case {
    QString name;
    QString shown;
  };
  const Case cases[] = {
      {u"evil\u202Evom.txt"_qs, u"evil\\u202Evom.txt"_qs},  // the override that makes it read "eviltxt.mov"
      {u"\u202A\u202B\u202C\u202D\u202E"_qs, u"\\u202A\\u202B\\u202C\\u202D\\u202E"_qs},
      {u"a\u2066b\u2067c\u2068d\u2069"_qs, u"a\\u2066b\\u2067c\\u2068d\\u2069"_qs},  // isolates
      {u"\u200E\u200F\u061C.mov"_qs, u"\\u200E\\u200F\\u061C.mov"_qs},               // marks
      {u"~/Downloads/\u202Egnp.exe/x"_qs, u"~/Downloads/\\u202Egnp.exe/x"_qs},       // in a path
      // Neighbours of the ranges and other invisible characters stay.
      {u"\u2029\u202F\u2065\u206A\u200D\u200B\u061B"_qs, u"\u2029\u202F\u2065\u206A\u200D\u200B\u061B"_qs},
      // Right-to-left letters and other scripts are names, not controls.
      {u"\u05E9\u05DC\u05D5\u05DD \u0645\u0631\u062D\u0628\u0627 \u65E5\u672C.txt"_qs,
       u"\u05E9\u05DC\u05D5\u05DD \u0645\u0631\u062D\u0628\u0627 \u65E5\u672C.txt"_qs},
      {u"back\\u202Eslash"_qs, u"back\\u202Eslash"_qs},  // already plain text
      {u"\U0001F4C1 Film.mov"_qs, u"\U0001F4C1 Film.mov"_qs},
      {QString(), QString()},
  };
  for (const Case& c : cases) {
    EXPECT_EQ(fileNameText(c.name), c.shown) << c.shown.toStdString();
    EXPECT_EQ(fileNameText(c.name.toStdString()), c.shown) << "from UTF-8: " << c.shown.toStdString();
  }
}

}  // namespace
}  // namespace tidewell::design
