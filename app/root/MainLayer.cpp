#include "app/root/MainLayer.h"

#include <QGraphicsOpacityEffect>
#include <QHBoxLayout>

#include "app/root/DetailPane.h"
#include "app/root/Sidebar.h"
#include "design/paint/AmbientBackground.h"
#include "design/paint/ShadowLayer.h"

namespace tidewell::app {

MainLayer::MainLayer(Sidebar* sidebar, DetailPane* detail, QWidget* parent)
    : QWidget(parent),
      backdrop_(new design::AmbientBackground(design::SectionPalette::clean(), this)),
      split_(new design::ShadowHost(this)),
      sidebar_(sidebar),
      detail_(detail) {
  setObjectName(QStringLiteral("mainLayer"));
  split_->setObjectName(QStringLiteral("split"));
  auto* layout = new QHBoxLayout(split_);
  layout->setContentsMargins(0, 0, 0, 0);
  layout->setSpacing(0);
  layout->addWidget(sidebar_);
  layout->addWidget(detail_, 1);
}

void MainLayer::setAccent(const design::SectionPalette& accent) { backdrop_->setAccent(accent); }

void MainLayer::setIntro(QWidget* intro) {
  if (intro_ == intro) return;
  if (intro_) {
    intro_->hide();
    intro_->deleteLater();
  }
  intro_ = intro;
  if (!intro_) return;
  intro_->setParent(this);
  intro_->setGeometry(rect());
  intro_->stackUnder(split_);
  intro_->show();
}

void MainLayer::setSplitOpacity(double opacity) {
  if (opacity >= 1.0) {
    // An opacity effect renders the split offscreen on every frame: only
    // while it is needed.
    split_->setGraphicsEffect(nullptr);
    fade_ = nullptr;
    return;
  }
  if (!fade_) {
    fade_ = new QGraphicsOpacityEffect(split_);
    split_->setGraphicsEffect(fade_);
  }
  fade_->setOpacity(std::max(0.0, opacity));
}

double MainLayer::splitOpacity() const { return fade_ ? fade_->opacity() : 1.0; }

void MainLayer::resizeEvent(QResizeEvent* event) {
  QWidget::resizeEvent(event);
  backdrop_->setGeometry(rect());
  if (intro_) intro_->setGeometry(rect());
  split_->setGeometry(rect());
}

}  // namespace tidewell::app
