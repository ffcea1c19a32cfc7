#pragma once
// The fixed catalog of cache, download, log and backup places that cleaning
// knows, each with a plain explanation and a safety grade, and the name sets
// that keep the two sweep rows from double counting or reaching sync state
// and model downloads.
//
// Paths that begin with "~" stay written that way in the rows; callers expand
// them with base::expandTilde(path, ctx.home) at use. Every other path is
// absolute: the "user-temp" row holds the context's temporary roots, and on
// Linux the "trash" row holds the freedesktop Trash's "files" and "info"
// folders. Rows made at run time (build artifacts, AI caches) are appended
// behind a copy by their callers and never cover anything.
//
// Thread-safety: all() and sweepSkipNames() are built once, on first use,
// safely under concurrent first use, and never change; every function may be
// called from any thread.

#include <functional>
#include <set>
#include <string>
#include <string_view>
#include <vector>

#include "engine/clean/CleanupCategory.h"
#include "engine/clean/SafetyLevel.h"
#include "platform/core/EngineContext.h"

namespace tidewell::engine {

struct CleanupTarget {
  std::string id;  // lower-case words joined by "-", unique; the measured item's identity
  std::string title;
  std::string detail;
  CleanupCategory category = CleanupCategory::developerCaches;
  SafetyLevel safety = SafetyLevel::safe;
  std::vector<std::string> paths;
  // The row names root folders whose children are measured and cleaned one
  // by one, minus coveredChildNames() and sweepSkipNames().
  bool isSweep = false;

  bool operator==(const CleanupTarget&) const = default;

  // The 65 rows, in their fixed order, with the temporary roots and the Trash of ctx.
  static std::vector<CleanupTarget> catalog(const platform::EngineContext& ctx);

  // Children of a sweep root that are never measured or cleaned by a sweep.
  static const std::set<std::string, std::less<>>& sweepSkipNames();

  // Names of the children of underSweepRoot (a leading "~" is expanded) that
  // some non-sweep catalog row already lies in or below, so the sweep leaves
  // them out. A row path equal to the root, or a sibling whose name merely
  // starts with the root's, covers nothing. Empty when the home is unusable
  // or the root is not absolute.
  static std::set<std::string> coveredChildNames(std::string_view underSweepRoot,
                                                 const platform::EngineContext& ctx);
};

}  // namespace tidewell::engine
