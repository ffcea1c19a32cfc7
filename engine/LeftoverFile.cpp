#include "engine/LeftoverFile.h"

#include <array>
#include <cstdio>
#include <mutex>
#include <random>

namespace tidewell::engine {

std::string LeftoverFile::makeIdentifier() {
  // One generator for the process, seeded from the system's entropy source.
  static std::mutex lock;
  static std::mt19937_64 generator{std::random_device{}()};
  std::array<uint8_t, 16> bytes{};
  {
    std::lock_guard guard(lock);
    for (size_t i = 0; i < bytes.size(); i += 8) {
      uint64_t value = generator();
      for (size_t k = 0; k < 8; ++k) bytes[i + k] = uint8_t(value >> (8 * k));
    }
  }
  bytes[6] = uint8_t((bytes[6] & 0x0F) | 0x40);  // version 4
  bytes[8] = uint8_t((bytes[8] & 0x3F) | 0x80);  // RFC 4122 variant
  char text[37];
  std::snprintf(text, sizeof text, "%02X%02X%02X%02X-%02X%02X-%02X%02X-%02X%02X-%02X%02X%02X%02X%02X%02X",
                bytes[0], bytes[1], bytes[2], bytes[3], bytes[4], bytes[5], bytes[6], bytes[7], bytes[8],
                bytes[9], bytes[10], bytes[11], bytes[12], bytes[13], bytes[14], bytes[15]);
  return text;
}

}  // namespace tidewell::engine
