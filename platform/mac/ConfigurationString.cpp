#include "platform/mac/ConfigurationString.h"

#include <unicode/unistr.h>

#include <cstring>
#include <vector>

namespace tidewell::platform {

std::optional<std::string> readConfigurationString(int name, const ConfstrFunction& confstrFunction) {
  if (!confstrFunction) return std::nullopt;
  const size_t length = confstrFunction(name, nullptr, 0);
  if (length < 1) return std::nullopt;
  std::vector<char> buffer(length, '\0');
  // The value may change between the calls; a different length means the
  // buffer does not hold what the first call promised.
  if (confstrFunction(name, buffer.data(), buffer.size()) != length) return std::nullopt;

  const size_t used = strnlen(buffer.data(), buffer.size());
  std::string repaired;
  icu::UnicodeString::fromUTF8(icu::StringPiece(buffer.data(), int32_t(used))).toUTF8String(repaired);
  return repaired;
}

}  // namespace tidewell::platform
