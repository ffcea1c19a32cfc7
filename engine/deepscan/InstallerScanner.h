#pragma once
// Finds disk images and installer packages (dmg, pkg, mpkg, iso) in
// ~/Downloads and ~/Desktop (and the desktop's own folders for them), usually no longer needed once the app
// they carry is installed, and reports them as BigItems of kind installer with a note saying what each is and
// how long ago it arrived. They are trashed like any other big item. Stateless; call it off the GUI thread.

#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "base/LocalTime.h"
#include "engine/deepscan/BigItem.h"
#include "engine/walk/SizeMeasure.h"
#include "platform/core/EngineContext.h"

namespace tidewell::engine {

class InstallerScanner {
 public:
  // Installers smaller than this are not reported.
  static constexpr int64_t minimumBytes = 5'242'880;
  // A direct child of a searched folder is level 1; nothing deeper than
  // this is examined.
  static constexpr int deepestLevel = 6;

  // ~/Downloads, ~/Desktop, then the desktop's own Downloads and Desktop
  // folders (ctx.downloadFolder, ctx.desktopFolder) where they are other
  // paths; each only when something exists there. Empty when the home is
  // unusable.
  static std::vector<std::string> candidateFolders(const platform::EngineContext& ctx);

  // Every installer found, largest first; equal sizes keep the order of the
  // candidate folders and, within one, plain path order. A folder reached
  // twice (through a link, or one inside another) is searched once and each
  // installer (same device and inode) reported once. Hidden entries are
  // passed over, package folders (apps, bundles, frameworks, ...) and matched
  // installer folders are not entered, links are neither reported nor
  // followed, mount points and credentials are not reported, unreadable
  // folders contribute nothing. Never fails.
  static std::vector<BigItem> scan(const platform::EngineContext& ctx);
  // sizeOf replaces DiskScanner::allocatedSize and now the clock (tests).
  static std::vector<BigItem> scan(const platform::EngineContext& ctx, const SizeMeasure& sizeOf,
                                   base::TimePoint now);

  // The installer note for a lower-cased extension and an optional
  // modification date, e.g. "Disk image. Added 3 days ago. Safe to trash
  // once you've installed the app."
  static std::string note(std::string_view extension, std::optional<base::TimePoint> modified);
  static std::string note(std::string_view extension, std::optional<base::TimePoint> modified,
                          base::TimePoint now);

  // "" without a date; "today" under a day old (or in the future); then
  // days, 30-day months and 360-day years: "1 day ago", "2 months ago".
  static std::string ageText(std::optional<base::TimePoint> date);
  static std::string ageText(std::optional<base::TimePoint> date, base::TimePoint now);
};

}  // namespace tidewell::engine
