#include "testkit/probe/Stage.h"

#include <QDir>
#include <QPaintEvent>
#include <QPainter>
#include <QVBoxLayout>

#include "design/paint/ShadowLayer.h"
#include "design/theme/Color.h"
#include "design/theme/SectionAccent.h"
#include "testkit/probe/Probe.h"

namespace tidewell::probe {

Stage::Stage(QWidget* content, const design::SectionPalette& accent, QSize size, QMargins margins)
    : content_(content), column_(new QVBoxLayout(this)), size_(size) {
  prepare();
  setAttribute(Qt::WA_DontShowOnScreen);
  design::ShadowLayer::makeHost(this);
  design::SectionAccent::set(this, accent);
  column_->setContentsMargins(margins);
  column_->setSpacing(0);
  if (content_) column_->addWidget(content_);
  resize(size_);
}

QImage Stage::image(double devicePixelRatio) { return probe::render(this, size_, devicePixelRatio); }

QImage Stage::imageWithDialog(QWidget* dialog, double devicePixelRatio) {
  QImage screen = image(devicePixelRatio);
  if (!dialog) return screen;
  const QImage shown = probe::render(dialog, dialog->size(), devicePixelRatio);
  QPainter painter(&screen);
  painter.fillRect(QRectF(QPointF(0, 0), QSizeF(size())), QColor(0, 0, 0, 90));
  const QSizeF at = QSizeF(dialog->size());
  const QRectF where(QPointF((width() - at.width()) / 2, 120), at);
  painter.drawImage(where, shown);
  painter.setPen(design::Color::hairline());
  painter.drawRect(where.adjusted(-0.5, -0.5, 0.5, 0.5));
  return screen;
}

bool Stage::save(const QString& folder, const QString& name, double devicePixelRatio) {
  QDir().mkpath(folder);
  return image(devicePixelRatio).save(QDir(folder).filePath(name + QStringLiteral(".png")));
}

void Stage::paintEvent(QPaintEvent* event) {
  QPainter painter(this);
  painter.fillRect(rect(), design::Color::appBackground());
  design::ShadowLayer::paintCasters(this, painter, event->region());
}

}  // namespace tidewell::probe
