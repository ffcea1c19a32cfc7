#include "base/FileNameText.h"

#include <gtest/gtest.h>

#include <string>

namespace tidewell::base {
namespace {

TEST(FileNameText, ShowsEveryByteThatIsNotUtf8EscapedSoNamesStayApart) {
  struct Case {
    const char* what;
    std::string bytes;
    std::string shown;
  };
  const Case cases[] = {
      {"a byte no UTF-8 sequence starts with", "b\xff.bin", "b\\xFF.bin"},
      {"its neighbour", "b\xfe.bin", "b\\xFE.bin"},
      {"Latin-1 from an old archive", "caf\xe9.txt", "caf\\xE9.txt"},
      {"a continuation byte on its own", "a\x80z", "a\\x80z"},
      {"a sequence cut short by the end", "x\xe2\x82", "x\\xE2\\x82"},
      {"a sequence cut short by a letter", "\xe2\x82z", "\\xE2\\x82z"},
      {"a lead byte followed by a lead byte", "\xc3\xc3\xa9", "\\xC3\u00E9"},
      {"an overlong slash",
       "a\xc0\xaf"
       "b",
       "a\\xC0\\xAFb"},
      {"an overlong three-byte form", "\xe0\x80\xaf", "\\xE0\\x80\\xAF"},
      {"an overlong four-byte form", "\xf0\x8f\xbf\xbf", "\\xF0\\x8F\\xBF\\xBF"},
      {"a surrogate", "\xed\xa0\x80.mov", "\\xED\\xA0\\x80.mov"},
      {"past U+10FFFF", "\xf4\x90\x80\x80", "\\xF4\\x90\\x80\\x80"},
      {"a lead byte that is never used", "\xf5\x80\x80\x80", "\\xF5\\x80\\x80\\x80"},
      // Well-formed sequences at the edges of the ranges stay as they are.
      {"two-, three- and four-byte letters", "caf\xc3\xa9 \xe6\x97\xa5 \xf0\x9f\x93\x81",
       "caf\u00E9 \u65E5 \U0001F4C1"},
      {"the last code points before and after the surrogates", "\xed\x9f\xbf\xee\x80\x80", "\uD7FF\uE000"},
      {"the highest code point", "\xf4\x8f\xbf\xbf", "\U0010FFFF"},
      // A bidi control given as UTF-8 is escaped as a character, right
      // beside a broken byte.
      {"an override next to a broken byte", "\xe2\x80\xae\xff", "\\u202E\\xFF"},
  };
  for (const Case& c : cases) {
    const std::string shown = fileNameText(c.bytes);
    EXPECT_EQ(shown, c.shown) << c.what;
    EXPECT_EQ(shown.find("\uFFFD"), std::string::npos) << c.what;
    // A name is UTF-8 exactly when no byte of it is shown escaped.
    EXPECT_EQ(isUtf8(c.bytes), shown.find("\\x") == std::string::npos) << c.what;
  }
  EXPECT_NE(fileNameText(std::string("b\xff.bin")), fileNameText(std::string("b\xfe.bin")));
}

}  // namespace
}  // namespace tidewell::base
