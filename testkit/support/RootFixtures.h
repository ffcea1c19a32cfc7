#pragma once
// Fixtures only root can make: mounts inside a fixture and the immutable
// flag. Each is undone by its guard when the scope ends, an assertion
// failing included, and every fixture undoes whatever mounts are still
// below it before it removes itself (removing through a live mount would
// reach the mounted folder). What a crashed earlier run left behind (mounts
// and flags under the fixtures of a process that is gone) is cleared away
// before a guard makes anything new. Where the privilege is missing, ok()
// is false and the case should be skipped with a message.

#include <string>

namespace tidewell::testing {

// A mount at a folder inside a fixture: a bind mount of another folder, or
// a fresh tmpfs (another file system). Declare it after the fixture.
class ScopedMount {
 public:
  static ScopedMount bind(const std::string& source, const std::string& target);
  static ScopedMount tmpfs(const std::string& target);
  ~ScopedMount();
  ScopedMount(ScopedMount&& other) noexcept;
  ScopedMount(const ScopedMount&) = delete;
  ScopedMount& operator=(const ScopedMount&) = delete;
  ScopedMount& operator=(ScopedMount&&) = delete;
  bool ok() const { return ok_; }

 private:
  explicit ScopedMount(std::string target) : target_(std::move(target)) {}
  std::string target_;
  bool ok_ = false;
};

// Makes the entries of a folder impossible to remove for the scope: the
// immutable flag for root (who may remove anything else), a read-only
// folder for everyone else.
class Undeletable {
 public:
  explicit Undeletable(std::string path);
  ~Undeletable();
  Undeletable(const Undeletable&) = delete;
  Undeletable& operator=(const Undeletable&) = delete;
  bool ok() const { return ok_; }

 private:
  std::string path_;
  bool immutable_ = false;
  bool ok_ = false;
};

// Unmounts, deepest first, every mount at or below root.
void unmountBelow(const std::string& root);

// Clears the immutable and append-only flags of everything at or below
// root, never following a link.
void clearFlagsBelow(const std::string& root);

// Removes what processes that are gone left under fixtureParent(), with
// the mounts and flags in it: another process's folder of fixtures
// (fixtureFolder()) once its maker is gone and no process holds its lock,
// and in this process's own folder the fixtures of its children that are
// gone. A live process's fixtures are never touched, and sweeps take turns
// (a lock file in fixtureParent()). removeStaleFixtures() runs at most once
// per process (every guard calls it before it makes anything);
// removeStaleFixturesNow() every time.
void removeStaleFixtures();
void removeStaleFixturesNow();

}  // namespace tidewell::testing
