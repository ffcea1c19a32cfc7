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

TEST(FileNameText, ShowsEveryByteThatIsNotUtf8EscapedSoNamesStayApart) {
  struct Case {
    const char* what;
    std::string bytes;
    QString shown;
  };
  const Case cases[] = {
      {"a byte no UTF-8 sequence starts with", "b\xff.bin", u"b\\xFF.bin"_qs},
      {"its neighbour", "b\xfe.bin", u"b\\xFE.bin"_qs},
      {"Latin-1 from an old archive", "caf\xe9.txt", u"caf\\xE9.txt"_qs},
      {"a continuation byte on its own", "a\x80z", u"a\\x80z"_qs},
      {"a sequence cut short by the end", "x\xe2\x82", u"x\\xE2\\x82"_qs},
      {"a sequence cut short by a letter", "\xe2\x82z", u"\\xE2\\x82z"_qs},
      {"a lead byte followed by a lead byte", "\xc3\xc3\xa9", u"\\xC3\u00E9"_qs},
      {"an overlong slash",
       "a\xc0\xaf"
       "b",
       u"a\\xC0\\xAFb"_qs},
      {"an overlong three-byte form", "\xe0\x80\xaf", u"\\xE0\\x80\\xAF"_qs},
      {"an overlong four-byte form", "\xf0\x8f\xbf\xbf", u"\\xF0\\x8F\\xBF\\xBF"_qs},
      {"a surrogate", "\xed\xa0\x80.mov", u"\\xED\\xA0\\x80.mov"_qs},
      {"past U+10FFFF", "\xf4\x90\x80\x80", u"\\xF4\\x90\\x80\\x80"_qs},
      {"a lead byte that is never used", "\xf5\x80\x80\x80", u"\\xF5\\x80\\x80\\x80"_qs},
      // Well-formed sequences at the edges of the ranges stay as they are.
      {"two-, three- and four-byte letters", "caf\xc3\xa9 \xe6\x97\xa5 \xf0\x9f\x93\x81",
       u"caf\u00E9 \u65E5 \U0001F4C1"_qs},
      {"the last code points before and after the surrogates", "\xed\x9f\xbf\xee\x80\x80",
       u"\uD7FF\uE000"_qs},
      {"the highest code point", "\xf4\x8f\xbf\xbf", u"\U0010FFFF"_qs},
      // A bidi control given as UTF-8 is escaped as a character, right
      // beside a broken byte.
      {"an override next to a broken byte", "\xe2\x80\xae\xff", u"\\u202E\\xFF"_qs},
  };
  for (const Case& c : cases) {
    const QString shown = fileNameText(c.bytes);
    EXPECT_EQ(shown, c.shown) << c.what;
    EXPECT_FALSE(shown.contains(QChar::ReplacementCharacter)) << c.what;
  }
  EXPECT_NE(fileNameText(std::string("b\xff.bin")), fileNameText(std::string("b\xfe.bin")));
}

}  // namespace
}  // namespace tidewell::design
