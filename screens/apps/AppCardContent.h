#pragma once
// What an application's card in the Apps grid shows, decided from the
// record alone: the name, the version, at most one badge, the note line,
// the size and the trash button's tooltip. Pure; any thread.

#include <QColor>
#include <QString>
#include <optional>

#include "base/LocalTime.h"
#include "engine/apps/InstalledApp.h"

namespace tidewell::screens {

// "helper" for applications that are not meant to be opened directly,
// "unused" for those last used 90 or more days ago.
enum class AppBadge { helper, unused };

struct AppBadgeLook {
  QString text;
  QColor textColour;
  QColor fill;  // of the capsule behind the word
};
AppBadgeLook appBadgeLook(AppBadge badge);

struct AppCardContent {
  QString name;
  std::optional<QString> version;  // absent: the meta row shows only the badge
  std::optional<AppBadge> badge;
  // The helper note when there is one, else the last-use text.
  QString note;
  QString sizeText;   // a negative size reads as zero bytes
  QString trashHelp;  // "Uninstall " + name
};

// The card for app, with "now" given so ages and the badge are pinned.
AppCardContent appCardContent(const engine::InstalledApp& app, base::TimePoint now);

}  // namespace tidewell::screens
