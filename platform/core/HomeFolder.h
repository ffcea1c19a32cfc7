#pragma once
// The user's home folder, read once and standardized, so every id and path
// the engine builds starts from the same string.

#include <string>
#include <string_view>

namespace tidewell::platform {

// $HOME when it is set, absolute and not "/", else the password database
// entry of the real user id; standardized. May still be unusable (see below)
// when neither source gives a usable folder.
std::string readHomeFolder();

// The pure rule behind readHomeFolder(), for tests: env is the value of
// $HOME (nullptr when unset), passwd that of the password database.
std::string chooseHomeFolder(const char* env, const char* passwd);

// A home folder the gates may work with: absolute, standardized and not "/".
// Everything that deletes or scans refuses to work with any other.
bool isUsableHome(std::string_view home);

}  // namespace tidewell::platform
