#pragma once
// Fresh random identifiers for records that need one (leftovers, login items).

#include <string>

namespace tidewell::base {

// A version-4 UUID in upper case ("E621E1F8-C36C-495A-93FC-0C247A3E6E5F").
// Thread-safe.
std::string randomUuid();

}  // namespace tidewell::base
