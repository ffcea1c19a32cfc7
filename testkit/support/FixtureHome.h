#pragma once
// A temporary fixture folder holding a home (root/home) and, beside it,
// whatever a test needs outside the home (root/victim, root/system,
// root/tools, root/proc). Built from a compact table of entries; removed,
// without following links and after unmounting whatever is still mounted
// below it, when the fixture goes away. It refuses to be made where the
// real home is.

#include <cstdint>
#include <initializer_list>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "platform/core/EngineContext.h"
#include "platform/core/FileIdentity.h"

namespace tidewell::testing {

struct Entry {
  enum class Kind { Folder, File, Sparse, Symlink, Hardlink, Fifo };
  Kind kind;
  std::string path;    // relative to the home (add) or to the root (addOutside)
  int64_t bytes = 0;   // File: bytes written; Sparse: apparent length
  std::string target;  // Symlink: link text; Hardlink: existing path, same base
};

// "{root}" and "{home}" in a symlink target are replaced by the fixture's
// absolute folders.
Entry folder(std::string path);
Entry file(std::string path, int64_t bytes = 0);
Entry sparse(std::string path, int64_t apparentBytes);
Entry symlink(std::string path, std::string target);
Entry hardlink(std::string path, std::string existing);
Entry fifo(std::string path);

class FixtureHome {
 public:
  explicit FixtureHome(std::initializer_list<Entry> homeEntries = {});
  ~FixtureHome();
  FixtureHome(const FixtureHome&) = delete;
  FixtureHome& operator=(const FixtureHome&) = delete;

  const std::string& root() const { return root_; }
  const std::string& home() const { return home_; }
  std::string path(std::string_view relativeToHome) const;
  std::string outside(std::string_view relativeToRoot) const;

  void add(std::initializer_list<Entry> entries);         // below the home
  void addOutside(std::initializer_list<Entry> entries);  // below the root
  void add(const std::vector<Entry>& entries);            // tables of cases
  void addOutside(const std::vector<Entry>& entries);

  // EngineContext::forFixture(root()).
  platform::EngineContext context() const;

 private:
  void make(const std::string& base, const Entry& entry);
  std::string root_;
  std::string home_;
};

// Removes a fixture folder: mounts below it first, then everything in it,
// locked folders and immutable entries included, never following a link.
void removeFixtureTree(const std::string& root);

// Writes an executable shell script (mode 0755) at path, creating parents.
void writeScript(const std::string& path, std::string_view body);
// Writes text to a file, creating parents.
void writeFile(const std::string& path, std::string_view text);
// Reads a whole file ("" when unreadable).
std::string readFile(const std::string& path);
// True when something (even a dangling link) is at path.
bool exists(const std::string& path);
// The identity of what is at path (a link as itself), as a scan records
// it; absent when nothing is there.
std::optional<platform::FileIdentity> identityAt(const std::string& path);

}  // namespace tidewell::testing
