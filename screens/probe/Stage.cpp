#include "screens/probe/Stage.h"

#include <QDir>
#include <QPainter>
#include <QVBoxLayout>

#include "design/Color.h"
#include "design/SectionAccent.h"
#include "design/ShadowLayer.h"
#include "screens/probe/Probe.h"

namespace tidewell::screens::probe {

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

bool Stage::save(const QString& folder, const QString& name, double devicePixelRatio) {
  QDir().mkpath(folder);
  return image(devicePixelRatio).save(QDir(folder).filePath(name + QStringLiteral(".png")));
}

void Stage::paintEvent(QPaintEvent*) {
  QPainter painter(this);
  painter.fillRect(rect(), design::Color::appBackground());
  design::ShadowLayer::paintCasters(this, painter);
}

}  // namespace tidewell::screens::probe
