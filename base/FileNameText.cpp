#include "base/FileNameText.h"

#include <unicode/utf8.h>

#include <cstddef>
#include <cstdint>
#include <cstdio>

namespace tidewell::base {

namespace {

void appendHex(std::string& shown, const char* prefix, unsigned value, int digits) {
  char text[16];
  std::snprintf(text, sizeof text, "%s%0*X", prefix, digits, value);
  shown += text;
}

// The length of the well-formed UTF-8 sequence at bytes[at] and its code
// point; 0 when the byte there does not start one. ICU's strict reading
// rules out overlong forms, surrogates and values past U+10FFFF.
size_t sequenceAt(std::string_view bytes, size_t at, char32_t& decoded) {
  const auto* data = reinterpret_cast<const uint8_t*>(bytes.data());
  const auto length = static_cast<int64_t>(bytes.size());
  auto next = static_cast<int64_t>(at);
  UChar32 c;
  U8_NEXT(data, next, length, c);
  if (c < 0) return 0;
  decoded = char32_t(c);
  return size_t(next) - at;
}

}  // namespace

bool isUtf8(std::string_view bytes) {
  char32_t c = 0;
  for (size_t at = 0; at < bytes.size();) {
    const size_t length = sequenceAt(bytes, at, c);
    if (length == 0) return false;
    at += length;
  }
  return true;
}

bool isBidiControl(char32_t c) {
  return (c >= 0x202A && c <= 0x202E) || (c >= 0x2066 && c <= 0x2069) || c == 0x200E || c == 0x200F ||
         c == 0x061C;
}

std::string fileNameText(const std::string& bytes) {
  std::string shown;
  shown.reserve(bytes.size());
  for (size_t at = 0; at < bytes.size();) {
    char32_t c = 0;
    if (const size_t length = sequenceAt(bytes, at, c)) {
      if (isBidiControl(c))
        appendHex(shown, "\\u", unsigned(c), 4);
      else
        shown.append(bytes, at, length);
      at += length;
    } else {
      // Each byte on its own: how many bytes a broken sequence spans is
      // itself part of what tells two names apart.
      appendHex(shown, "\\x", static_cast<unsigned char>(bytes[at]), 2);
      ++at;
    }
  }
  return shown;
}

}  // namespace tidewell::base
