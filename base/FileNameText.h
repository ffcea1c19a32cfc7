#pragma once
// How a name or path taken from the disk or from another program is shown.
// The bidirectional control characters reorder the text around them, so a
// name can pass for another: "evil" U+202E "vom.txt" reads as
// "eviltxt.mov". In the shown text each of them appears escaped, as a
// backslash, "u" and four upper-case hex digits ("evil\u202Evom.txt"): the
// embeddings and overrides U+202A-U+202E, the isolates U+2066-U+2069 and
// the marks U+200E, U+200F and U+061C. A name as the disk holds it is
// bytes: each byte that is not part of a well-formed UTF-8 sequence (a
// stray or missing continuation byte, an overlong form, a surrogate, a
// value past U+10FFFF) appears as a backslash, "x" and two upper-case hex
// digits, so "b" 0xFF ".bin" and "b" 0xFE ".bin" read "b\xFF.bin" and
// "b\xFE.bin", not both "b" U+FFFD ".bin". Everything else stays as it is,
// a backslash included. For display only: whatever acts on a file keeps its
// own path and never reads this text back.

#include <string>
#include <string_view>

namespace tidewell::base {

// The shown text of a name as bytes, as well-formed UTF-8.
std::string fileNameText(const std::string& bytes);

// Whether every byte of bytes is part of a well-formed UTF-8 sequence, in
// the reading above.
bool isUtf8(std::string_view bytes);

// Whether c reorders the text around it, and so is shown escaped.
bool isBidiControl(char32_t c);

}  // namespace tidewell::base
