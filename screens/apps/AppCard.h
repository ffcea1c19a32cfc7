#pragma once
// One installed application in the Apps grid: its icon, name, version and
// badge, the helper note or its last use, its size, and the trash button
// that asks for it to be uninstalled. A raised surface (corner radius 16)
// whose hairline edge turns the section accent's primary at 0.45 while the
// pointer is over it. The card itself is not a button; it never reads the
// model, only the record it is given, and reports a press of the trash
// button as uninstallRequested(). Its icon is fetched
// once, when the card first comes on screen. GUI thread only.

#include <QColor>
#include <memory>

#include "base/LocalTime.h"
#include "engine/apps/InstalledApp.h"
#include "screens/common/layout/Surface.h"

namespace tidewell::screens {

class AppIconProvider;
class AppIconView;
class Badge;
class TextLabel;
class TrashButton;

class AppCard : public Surface {
  Q_OBJECT
 public:
  AppCard(const engine::InstalledApp& app, base::TimePoint now, QColor destructiveRed,
          std::shared_ptr<AppIconProvider> icons, QWidget* parent = nullptr);

  // Shows a newer record of the same bundle, keeping the hover and icon.
  void setApp(const engine::InstalledApp& app, base::TimePoint now);
  const engine::InstalledApp& app() const { return app_; }

  AppIconView* iconView() const { return icon_; }
  TrashButton* trashButton() const { return trash_; }

 Q_SIGNALS:
  // The trash button was pressed.
  void uninstallRequested();

 protected:
  void paintBackground(QPainter& painter, const QRectF& rect) override;
  void addBackgroundKey(design::PaintKey& key) const override;

 private:
  engine::InstalledApp app_;
  AppIconView* icon_;
  TrashButton* trash_;
  TextLabel* name_;
  TextLabel* version_;
  Badge* badge_;
  TextLabel* note_;
  TextLabel* size_;
};

}  // namespace tidewell::screens
