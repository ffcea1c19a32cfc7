#include "screens/apps/AppGrid.h"

#include "screens/apps/AppCard.h"

namespace tidewell::screens {

AdaptiveGridMetrics AppGrid::metrics() { return {230, 12, 12, Qt::AlignVCenter}; }

AppGrid::AppGrid(QColor destructiveRed, std::shared_ptr<AppIconProvider> icons, QWidget* parent)
    : AdaptiveGrid(metrics(), parent), destructiveRed_(destructiveRed), icons_(std::move(icons)) {
  setObjectName(QStringLiteral("appGrid"));
}

void AppGrid::showApps(const std::vector<engine::InstalledApp>& apps, base::TimePoint now) {
  const QList<AppCard*> ordered = cards_.sync(
      apps, [](const engine::InstalledApp& app) { return app.url; },
      [&](const engine::InstalledApp& app) {
        auto* card = new AppCard(app, now, destructiveRed_, icons_, this);
        connect(card, &AppCard::uninstallRequested, this, [this, card] {
          // A copy of the card's latest record: the request may remove the card.
          const engine::InstalledApp shown = card->app();
          Q_EMIT uninstallRequested(shown);
        });
        return card;
      },
      [&](AppCard* card, const engine::InstalledApp& app) { card->setApp(app, now); });
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
