#include "screens/common/views/AppIconView.h"

#include <QPainter>

#include "design/accessibility/AccessibleTraits.h"
#include "design/paint/Shapes.h"
#include "design/theme/Color.h"
#include "screens/common/services/AppIconProvider.h"

namespace tidewell::screens {

void paintAppIconPlaceholder(QPainter& painter, const QRectF& rect) {
  painter.save();
  painter.setRenderHint(QPainter::Antialiasing);
  painter.fillPath(design::continuousRoundedRect(rect, 8), design::Color::white(0.06));
  painter.restore();
}

AppIconView::AppIconView(QString path, std::shared_ptr<AppIconProvider> icons, QWidget* parent)
    : QWidget(parent), path_(std::move(path)), icons_(std::move(icons)) {
  // The application's name is beside it.
  design::setHiddenFromAccessibility(this);
}

void AppIconView::request() {
  requested_ = true;
  if (!icons_) return;
  const QImage now = icons_->icon(path_);
  if (!now.isNull()) return take(now);
  waiting_ = connect(icons_.get(), &AppIconProvider::iconReady, this, [this](const QString& path) {
    if (path != path_ || !icon_.isNull()) return;
    const QImage ready = icons_->icon(path_);
    if (!ready.isNull()) take(ready);
  });
}

void AppIconView::take(const QImage& image) {
  icon_ = image;
  disconnect(waiting_);
  update();
  Q_EMIT iconLoaded();
}

void AppIconView::paintEvent(QPaintEvent*) {
  // Painted means on screen: the first paint asks for the icon.
  if (!requested_) request();
  QPainter painter(this);
  const QRectF frame(rect());
  if (icon_.isNull()) return paintAppIconPlaceholder(painter, frame);
  painter.setRenderHint(QPainter::SmoothPixmapTransform);
  painter.setRenderHint(QPainter::Antialiasing);
  painter.drawImage(frame, icon_);
}

}  // namespace tidewell::screens
