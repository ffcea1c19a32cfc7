#pragma once
// How the desktop widget reads to assistive technology: one link, named by
// what it shows ("TidewellMac, 98 GB free" in the small family; the used
// percentage, "98 GB free of 245 GB" and "Tap to scan" in the medium one),
// whose press action opens the scan link as a click does. Installed once,
// for TidewellWidgetView only. GUI thread only.

#include <QAccessibleWidget>

namespace tidewell::widget {

class TidewellWidgetView;

// The words the view shows, in reading order, joined with commas.
QString widgetSpokenText(const TidewellWidgetView& view);

class WidgetAccessible : public QAccessibleWidget {
 public:
  explicit WidgetAccessible(TidewellWidgetView* view);

  QString text(QAccessible::Text t) const override;
  QStringList actionNames() const override;
  void doAction(const QString& actionName) override;

  // Registers the interface with Qt's accessibility; idempotent.
  static void install();

 private:
  TidewellWidgetView* view() const;
};

}  // namespace tidewell::widget
