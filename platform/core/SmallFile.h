#pragma once
// Reads a small file whole, for the readers of /proc, desktop entries, the
// desktop's settings and user folders, launch agents, application
// information lists and icon pictures. Only a regular file is read; FIFOs,
// devices and folders are refused without blocking. Callable from any
// thread.

#include <cstddef>
#include <optional>
#include <string>

namespace tidewell::platform {

enum class LinkAtPath { Follow, Refuse };

// The file's bytes; absent when it is not a regular file, cannot be read,
// or holds more than maxBytes. With LinkAtPath::Refuse a link at the path's
// own name is not followed (for files an untrusted application wrote).
std::optional<std::string> readSmallFile(const std::string& path, size_t maxBytes,
                                         LinkAtPath links = LinkAtPath::Follow);

}  // namespace tidewell::platform
