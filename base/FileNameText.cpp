#include "base/FileNameText.h"

#include <cstddef>
#include <cstdio>

namespace tidewell::base {

namespace {

void appendHex(std::string& shown, const char* prefix, unsigned value, int digits) {
  char text[16];
  std::snprintf(text, sizeof text, "%s%0*X", prefix, digits, value);
  shown += text;
}

// The length of the well-formed UTF-8 sequence at bytes[at] and its code
// point; 0 when the byte there does not start one. The ranges of the second
// byte rule out overlong forms, surrogates and values past U+10FFFF.
size_t sequenceAt(const std::string& bytes, size_t at, char32_t& decoded) {
  const auto byte = [&](size_t i) { return static_cast<unsigned char>(bytes[i]); };
  const unsigned char lead = byte(at);
  if (lead < 0x80) {
    decoded = lead;
    return 1;
  }
  size_t length = 0;
  unsigned char low = 0x80, high = 0xBF;  // the second byte's range
  if (lead >= 0xC2 && lead <= 0xDF) {
    length = 2;
  } else if (lead >= 0xE0 && lead <= 0xEF) {
    length = 3;
    if (lead == 0xE0) low = 0xA0;
    if (lead == 0xED) high = 0x9F;
  } else if (lead >= 0xF0 && lead <= 0xF4) {
    length = 4;
    if (lead == 0xF0) low = 0x90;
    if (lead == 0xF4) high = 0x8F;
  } else {
    return 0;
  }
  if (at + length > bytes.size()) return 0;
  if (byte(at + 1) < low || byte(at + 1) > high) return 0;
  for (size_t i = 2; i < length; ++i)
    if (byte(at + i) < 0x80 || byte(at + i) > 0xBF) return 0;
  char32_t c = lead & (0xFF >> (length + 1));
  for (size_t i = 1; i < length; ++i) c = (c << 6) | (byte(at + i) & 0x3F);
  decoded = c;
  return length;
}

}  // namespace

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
