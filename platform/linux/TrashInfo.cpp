#include "platform/linux/TrashInfo.h"

namespace tidewell::platform {

namespace {

bool keptAsIs(unsigned char c) {
  return (c >= 'A' && c <= 'Z') || (c >= 'a' && c <= 'z') || (c >= '0' && c <= '9') || c == '-' || c == '.' ||
         c == '_' || c == '~' || c == '/';
}

}  // namespace

std::string percentEncodePath(std::string_view path) {
  static constexpr char kHex[] = "0123456789ABCDEF";
  std::string out;
  out.reserve(path.size());
  for (unsigned char c : path) {
    if (keptAsIs(c)) {
      out += char(c);
    } else {
      out += '%';
      out += kHex[c >> 4];
      out += kHex[c & 0xF];
    }
  }
  return out;
}

std::string trashInfoText(std::string_view path, std::time_t deletedAt) {
  std::tm local{};
  if (!localtime_r(&deletedAt, &local)) return {};
  char date[32];
  if (std::strftime(date, sizeof date, "%Y-%m-%dT%H:%M:%S", &local) == 0) return {};
  return "[Trash Info]\nPath=" + percentEncodePath(path) + "\nDeletionDate=" + date + "\n";
}

}  // namespace tidewell::platform
