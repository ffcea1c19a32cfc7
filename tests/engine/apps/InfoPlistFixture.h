#pragma once
// Information lists for fixture bundles, written as Apple's tools write
// them: XML text, or binary through libplist.

#include <plist/plist.h>

#include <cstdlib>
#include <string>
#include <utility>
#include <vector>

#include "testkit/support/FixtureHome.h"

namespace tidewell::testing {

using PlistKeys = std::vector<std::pair<std::string, std::string>>;

inline std::string xmlPlist(const PlistKeys& keys, const std::string& extra = {}) {
  std::string text =
      "<?xml version=\"1.0\" encoding=\"UTF-8\"?>\n"
      "<!DOCTYPE plist PUBLIC \"-//Apple//DTD PLIST 1.0//EN\" "
      "\"http://www.apple.com/DTDs/PropertyList-1.0.dtd\">\n"
      "<plist version=\"1.0\">\n<dict>\n";
  for (const auto& [key, value] : keys)
    text += "  <key>" + key + "</key>\n  <string>" + value + "</string>\n";
  text += extra;
  text += "</dict>\n</plist>\n";
  return text;
}

// A binary list; a key given a number value (via numbers) is stored as an
// integer so readers must check types.
inline std::string binaryPlist(const PlistKeys& keys, const std::vector<std::string>& numbers = {}) {
  plist_t dict = plist_new_dict();
  for (const auto& [key, value] : keys)
    plist_dict_set_item(dict, key.c_str(), plist_new_string(value.c_str()));
  for (const auto& key : numbers) plist_dict_set_item(dict, key.c_str(), plist_new_uint(7));
  char* bytes = nullptr;
  uint32_t length = 0;
  plist_to_bin(dict, &bytes, &length);
  std::string out(bytes, length);
  plist_to_bin_free(bytes);
  plist_free(dict);
  return out;
}

// A bundle folder at path with Contents/Info.plist holding plist (none when
// plist is empty) and an executable of the given size.
inline void makeBundle(const std::string& path, const std::string& plist, int64_t executableBytes = 0) {
  writeFile(path + "/Contents/MacOS/main", std::string(size_t(executableBytes), 'x'));
  if (!plist.empty()) writeFile(path + "/Contents/Info.plist", plist);
}

}  // namespace tidewell::testing
