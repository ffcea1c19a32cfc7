#pragma once
// The top-level string values (and arrays of strings) of a property list,
// XML or binary, read from a file that an application or agent wrote. The
// file is untrusted: only a regular file is read, never more than maxBytes.
// A plain value; callable from any thread.

#include <cstddef>
#include <map>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "platform/core/SmallFile.h"

namespace tidewell::engine {

class PropertyList {
 public:
  // Larger files are not read; real information lists are a few kilobytes.
  static constexpr size_t maxBytes = 4 * 1024 * 1024;

  // Absent when path is not a regular file (a folder, FIFO or device is
  // refused, and so is a link at the path unless links says Follow), is
  // larger than maxBytes, cannot be read or parsed, or its root is not a
  // dictionary.
  static std::optional<PropertyList> readFile(const std::string& path,
                                              platform::LinkAtPath links = platform::LinkAtPath::Refuse,
                                              size_t maxBytes = PropertyList::maxBytes);
  // The same for bytes already in memory.
  static std::optional<PropertyList> parse(std::string_view bytes);

  // The value of key when it is a string at the top level; absent for a
  // missing key or a value of another type.
  std::optional<std::string> string(std::string_view key) const;
  // The value of key when it is a top-level array holding strings only
  // (possibly none); absent otherwise.
  std::optional<std::vector<std::string>> strings(std::string_view key) const;

 private:
  std::map<std::string, std::string, std::less<>> strings_;
  std::map<std::string, std::vector<std::string>, std::less<>> stringArrays_;
};

}  // namespace tidewell::engine
