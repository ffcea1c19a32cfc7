#include "screens/apps/AppGrid.h"

#include "screens/apps/AppCard.h"

namespace tidewell::screens {

AdaptiveGridMetrics AppGrid::metrics() { return {230, 12, 12, Qt::AlignVCenter}; }

AppGrid::AppGrid(QColor destructiveRed, std::shared_ptr<AppIconProvider> icons, QWidget* parent)
    : AdaptiveGrid(metrics(), parent), destructiveRed_(destructiveRed), icons_(std::move(icons)) {
  setObjectName(QStringLiteral("appGrid"));
}

void AppGrid::showApps(const std::vector<engine::InstalledApp>& apps, platform::TimePoint now) {
  auto actionFor = [this](const engine::InstalledApp& app) {
    return [this, app] { Q_EMIT uninstallRequested(app); };
  };
  const QList<AppCard*> ordered = cards_.sync(
      apps, [](const engine::InstalledApp& app) { return app.url; },
      [&](const engine::InstalledApp& app) {
        return new AppCard(app, now, destructiveRed_, icons_, actionFor(app), this);
      },
      [&](AppCard* card, const engine::InstalledApp& app) { card->setApp(app, now, actionFor(app)); });
  QList<QWidget*> cells;
  cells.reserve(ordered.size());
  for (AppCard* card : ordered) cells.append(card);
  setCells(cells);
}

QList<AppCard*> AppGrid::cards() const {
  QList<AppCard*> out;
  for (QWidget* cell : AdaptiveGrid::cells())
    if (auto* card = qobject_cast<AppCard*>(cell)) out.append(card);
  return out;
}

}  // namespace tidewell::screens
