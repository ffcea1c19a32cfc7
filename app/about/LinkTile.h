#pragma once
// One of About's link tiles: a white icon in an 18-point frame over its
// title (Inter medium 10.5, secondary text), on a raised rounded card with
// a hairline border. Pressed, it dims to 70 %. GUI thread only.

#include <QAbstractButton>
#include <functional>

namespace tidewell::app {

// Draws an icon centred in the frame given.
using TileIcon = std::function<void(QPainter& painter, const QRectF& frame)>;

// 12 above and below, the 18-point icon frame, 6 to the title.
double linkTileHeight();
void paintLinkTile(QPainter& painter, const QRectF& rect, const QString& title, const TileIcon& icon);

class LinkTile : public QAbstractButton {
  Q_OBJECT
 public:
  LinkTile(const QString& title, TileIcon icon, QWidget* parent = nullptr);

  QSize sizeHint() const override;
  QSize minimumSizeHint() const override;

 protected:
  void paintEvent(QPaintEvent* event) override;

 private:
  TileIcon icon_;
};

}  // namespace tidewell::app
