#pragma once
// Reads a small text or property-list file whole, for the readers of /proc,
// desktop entries and launch agents. Only a regular file is read (a link at
// the path is followed to one); FIFOs, devices and folders are refused
// without blocking. Callable from any thread.

#include <cstddef>
#include <optional>
#include <string>

namespace tidewell::platform {

// The file's bytes; absent when it is not a regular file, cannot be read,
// or holds more than maxBytes.
std::optional<std::string> readSmallFile(const std::string& path, size_t maxBytes);

}  // namespace tidewell::platform
