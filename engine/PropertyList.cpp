#include "engine/PropertyList.h"

#include <fcntl.h>
#include <plist/plist.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cstdlib>
#include <memory>

namespace tidewell::engine {

namespace {

struct PlistFree {
  void operator()(plist_t node) const { plist_free(node); }
};
using PlistHandle = std::unique_ptr<void, PlistFree>;

// Reads at most limit + 1 bytes, so an oversized file is noticed even when
// it grew after fstat.
std::optional<std::string> readBounded(int fd, size_t limit) {
  std::string bytes;
  char buffer[65536];
  while (bytes.size() <= limit) {
    ssize_t got = read(fd, buffer, sizeof buffer);
    if (got < 0) return std::nullopt;
    if (got == 0) return bytes;
    bytes.append(buffer, size_t(got));
  }
  return std::nullopt;
}

}  // namespace

std::optional<PropertyList> PropertyList::readFile(const std::string& path) {
  // O_NONBLOCK keeps a FIFO planted at the name from stalling the open.
  int fd = open(path.c_str(), O_RDONLY | O_NOFOLLOW | O_NONBLOCK | O_CLOEXEC);
  if (fd < 0) return std::nullopt;
  struct stat st {};
  std::optional<std::string> bytes;
  if (fstat(fd, &st) == 0 && S_ISREG(st.st_mode) && st.st_size >= 0 && size_t(st.st_size) <= maxBytes)
    bytes = readBounded(fd, maxBytes);
  close(fd);
  if (!bytes) return std::nullopt;
  return parse(*bytes);
}

std::optional<PropertyList> PropertyList::parse(std::string_view bytes) {
  if (bytes.empty() || bytes.size() > maxBytes) return std::nullopt;
  plist_t raw = nullptr;
  plist_from_memory(bytes.data(), uint32_t(bytes.size()), &raw);
  PlistHandle root(raw);
  if (!root || plist_get_node_type(root.get()) != PLIST_DICT) return std::nullopt;

  PropertyList list;
  plist_dict_iter iter = nullptr;
  plist_dict_new_iter(root.get(), &iter);
  if (!iter) return list;
  for (;;) {
    char* key = nullptr;
    plist_t value = nullptr;
    plist_dict_next_item(root.get(), iter, &key, &value);
    if (!value) {
      std::free(key);
      break;
    }
    if (key && plist_get_node_type(value) == PLIST_STRING) {
      uint64_t length = 0;
      const char* text = plist_get_string_ptr(value, &length);
      if (text) list.strings_.emplace(key, std::string(text, size_t(length)));
    }
    std::free(key);
  }
  std::free(iter);
  return list;
}

std::optional<std::string> PropertyList::string(std::string_view key) const {
  auto found = strings_.find(key);
  if (found == strings_.end()) return std::nullopt;
  return found->second;
}

}  // namespace tidewell::engine
