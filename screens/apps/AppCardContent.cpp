#include "screens/apps/AppCardContent.h"

#include "design/theme/Color.h"
#include "design/type/FileNameText.h"
#include "engine/deepscan/FolderKnowledge.h"
#include "screens/common/Formatting.h"

namespace tidewell::screens {

namespace {

// Three whole 30-day months: the 90th day after the last use.
constexpr int64_t kUnusedMonths = 3;

QString text(const std::string& utf8) { return QString::fromStdString(utf8); }

}  // namespace

AppBadgeLook appBadgeLook(AppBadge badge) {
  using design::Color::white;
  using design::Color::withOpacity;
  switch (badge) {
    case AppBadge::helper:
      return {QStringLiteral("helper"), white(0.55), white(0.1)};
    case AppBadge::unused:
      return {QStringLiteral("unused"), design::Color::systemOrange(),
              withOpacity(design::Color::systemOrange(), 0.16)};
  }
  return {};
}

AppCardContent appCardContent(const engine::InstalledApp& app, base::TimePoint now) {
  AppCardContent content;
  content.name = design::fileNameText(app.name);
  if (app.version) content.version = text(*app.version);

  std::optional<std::string_view> bundleID;
  if (app.bundleID) bundleID = *app.bundleID;
  const auto note = engine::FolderKnowledge::appNote(app.name, bundleID);
  // A helper is opened rarely by design, so it never counts as unused.
  if (note)
    content.badge = AppBadge::helper;
  else if (app.lastUsed && app.monthsSinceLastUse(now) >= kUnusedMonths)
    content.badge = AppBadge::unused;
  content.note = text(note ? *note : app.lastUsedDescription(now));

  content.sizeText = bytesText(app.sizeBytes);
  content.trashHelp = QStringLiteral("Uninstall ") + content.name;
  return content;
}

}  // namespace tidewell::screens
