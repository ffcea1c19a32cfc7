#include "widget/WidgetAccessible.h"

#include "widget/SpaceFigures.h"
#include "widget/TidewellWidgetView.h"

namespace tidewell::widget {

namespace {

QString text(const std::string& s) { return QString::fromStdString(s); }

QAccessibleInterface* widgetFactory(const QString& className, QObject* object) {
  if (className != QLatin1String(TidewellWidgetView::staticMetaObject.className())) return nullptr;
  return new WidgetAccessible(static_cast<TidewellWidgetView*>(object));
}

}  // namespace

QString widgetSpokenText(const TidewellWidgetView& view) {
  const SpaceEntry& entry = view.entry();
  QStringList parts{QStringLiteral("TidewellMac")};
  if (view.family() == WidgetFamily::Small) {
    parts << text(freeText(entry)) + QStringLiteral(" free");
  } else {
    parts << text(percentText(entry))
          << text(freeText(entry)) + QStringLiteral(" free of ") + text(totalText(entry))
          << QStringLiteral("Tap to scan");
  }
  return parts.join(QStringLiteral(", "));
}

WidgetAccessible::WidgetAccessible(TidewellWidgetView* view) : QAccessibleWidget(view, QAccessible::Link) {}

TidewellWidgetView* WidgetAccessible::view() const { return static_cast<TidewellWidgetView*>(widget()); }

QString WidgetAccessible::text(QAccessible::Text t) const {
  if (t == QAccessible::Name) return widgetSpokenText(*view());
  if (t == QAccessible::Description)
    return QStringLiteral("How much room is left, at a glance. Tap to scan.");
  return QAccessibleWidget::text(t);
}

QStringList WidgetAccessible::actionNames() const {
  return QStringList{pressAction()} + QAccessibleWidget::actionNames();
}

void WidgetAccessible::doAction(const QString& actionName) {
  if (actionName == pressAction()) return view()->openScanLink();
  QAccessibleWidget::doAction(actionName);
}

void WidgetAccessible::install() {
  static const bool installed = [] {
    QAccessible::installFactory(widgetFactory);
    return true;
  }();
  (void)installed;
}

}  // namespace tidewell::widget
