#include "engine/apps/PropertyList.h"

#include <fcntl.h>
#include <plist/plist.h>
#include <sys/stat.h>
#include <unistd.h>

#include <algorithm>
#include <cstdlib>
#include <memory>

namespace tidewell::engine {

namespace {

struct PlistFree {
  void operator()(plist_t node) const { plist_free(node); }
};
using PlistHandle = std::unique_ptr<void, PlistFree>;

std::optional<std::string> stringOf(plist_t node) {
  if (plist_get_node_type(node) != PLIST_STRING) return std::nullopt;
  uint64_t length = 0;
  const char* text = plist_get_string_ptr(node, &length);
  if (!text) return std::nullopt;
  return std::string(text, size_t(length));
}

std::optional<std::vector<std::string>> stringsOf(plist_t node) {
  if (plist_get_node_type(node) != PLIST_ARRAY) return std::nullopt;
  std::vector<std::string> values;
  const uint32_t count = plist_array_get_size(node);
  for (uint32_t i = 0; i < count; ++i) {
    auto text = stringOf(plist_array_get_item(node, i));
    if (!text) return std::nullopt;
    values.push_back(std::move(*text));
  }
  return values;
}

}  // namespace

std::optional<PropertyList> PropertyList::readFile(const std::string& path, platform::LinkAtPath links,
                                                   size_t limit) {
  auto bytes = platform::readSmallFile(path, std::min(limit, maxBytes), links);
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
    if (key) {
      if (auto text = stringOf(value)) {
        list.strings_.emplace(key, std::move(*text));
      } else if (auto array = stringsOf(value)) {
        list.stringArrays_.emplace(key, std::move(*array));
      }
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

std::optional<std::vector<std::string>> PropertyList::strings(std::string_view key) const {
  auto found = stringArrays_.find(key);
  if (found == stringArrays_.end()) return std::nullopt;
  return found->second;
}

}  // namespace tidewell::engine
