#pragma once
// One installed application as the app scanner reports it and the Apps tool
// shows it. A plain value; copy it freely between threads.

#include <cstdint>
#include <optional>
#include <string>

#include "base/LocalTime.h"
#include "engine/walk/FileIdentity.h"

namespace tidewell::engine {

struct InstalledApp {
  // The bundle identifier when there is one, else the bundle's path. Two
  // copies of one application share an identifier, so lists that remove or
  // key applications use `url` instead.
  std::string id;
  // Display name from the information list, else the file name without ".app".
  std::string name;
  // The bundle's path (native bytes; the screens make a file URL from it).
  std::string url;
  std::optional<std::string> bundleID;
  std::optional<std::string> version;
  // Allocated bytes of the whole bundle; 0 for a bundle that is a link.
  int64_t sizeBytes = 0;
  // The entry found at the bundle's path (a link as itself): the
  // uninstaller moves only that very entry. Absent when nothing was there,
  // and in a record made by hand, which it never moves.
  std::optional<FileIdentity> identity;
  // When the system last recorded the application as used; absent when no
  // date is on record (always on Linux).
  std::optional<base::TimePoint> lastUsed;

  // "No recent use on record", or "Used " + the relative age ("Used 3 months ago").
  std::string lastUsedDescription(base::TimePoint now) const;
  std::string lastUsedDescription() const;

  // Whole 30-day months since lastUsed in local calendar days, never below 0;
  // the largest value when no date is on record, so a never-used application
  // counts as the one left longest without use.
  int64_t monthsSinceLastUse(base::TimePoint now) const;
  int64_t monthsSinceLastUse() const;

  bool operator==(const InstalledApp&) const = default;
};

}  // namespace tidewell::engine
