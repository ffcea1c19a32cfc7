#pragma once
// The top-level string values of a property list (XML or binary), read from
// a file that an application or agent wrote. The file is untrusted: only a
// regular file is read, never through a link at its own name, and never more
// than maxBytes. A plain value; callable from any thread.

#include <cstddef>
#include <map>
#include <optional>
#include <string>
#include <string_view>

namespace tidewell::engine {

class PropertyList {
 public:
  // Larger files are not read; real information lists are a few kilobytes.
  static constexpr size_t maxBytes = 4 * 1024 * 1024;

  // Absent when path is not a regular file (a link, folder, FIFO or device
  // is refused), is larger than maxBytes, cannot be read or parsed, or its
  // root is not a dictionary.
  static std::optional<PropertyList> readFile(const std::string& path);
  // The same for bytes already in memory.
  static std::optional<PropertyList> parse(std::string_view bytes);

  // The value of key when it is a string at the top level; absent for a
  // missing key or a value of another type.
  std::optional<std::string> string(std::string_view key) const;

 private:
  std::map<std::string, std::string, std::less<>> strings_;
};

}  // namespace tidewell::engine
