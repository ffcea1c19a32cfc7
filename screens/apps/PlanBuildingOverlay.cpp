#include "screens/apps/PlanBuildingOverlay.h"

#include <QHBoxLayout>
#include <QPainter>
#include <cmath>

#include "design/paint/Shadow.h"
#include "design/paint/Shapes.h"
#include "design/theme/Color.h"
#include "screens/common/ObjectNames.h"
#include "screens/common/views/Spinner.h"
#include "screens/common/views/TextLabel.h"

namespace tidewell::screens {

namespace {

const design::Shadow& overlayShadow() {
  static const design::Shadow shadow{design::Color::withOpacity(Qt::black, 0.35), 14, QPointF(0, 6)};
  return shadow;
}

int margin() { return int(std::ceil(design::shadowReach(overlayShadow()))); }

}  // namespace

PlanBuildingOverlay::PlanBuildingOverlay(QWidget* parent) : QWidget(parent) {
  setObjectName(QStringLiteral("planOverlay"));
  setAttribute(Qt::WA_TransparentForMouseEvents);

  row_ = new QWidget(this);
  auto* line = new QHBoxLayout(row_);
  line->setContentsMargins(16, 10, 16, 10);
  line->setSpacing(8);
  line->addWidget(named(new Spinner(ControlSize::small), "planSpinner"), 0, Qt::AlignVCenter);
  line->addWidget(
      named(new TextLabel(QStringLiteral("Hunting leftovers…"),
                          textLook(12, design::FontWeight::Regular, design::Color::secondaryText())),
            "planText"),
      0, Qt::AlignVCenter);
  const int m = margin();
  row_->setGeometry(QRect(QPoint(m, m), capsuleSize()));
  resize(capsuleSize() + QSize(2 * m, 2 * m));
}

QSize PlanBuildingOverlay::capsuleSize() const { return row_->sizeHint(); }

QRect PlanBuildingOverlay::capsuleRect() const { return row_->geometry(); }

void PlanBuildingOverlay::placeAt(QPoint bottomCentre) {
  const int m = margin();
  const QSize capsule = capsuleSize();
  move(bottomCentre.x() - capsule.width() / 2 - m, bottomCentre.y() - capsule.height() - m);
}

void PlanBuildingOverlay::paintEvent(QPaintEvent*) {
  QPainter painter(this);
  painter.setRenderHint(QPainter::Antialiasing);
  const QRectF capsuleFrame(capsuleRect());
  const QPainterPath shape = design::capsule(capsuleFrame);
  design::drawShadow(painter, shape, overlayShadow());
  painter.fillPath(shape, design::Color::cardSurface());
  design::strokeInside(painter, capsuleFrame, capsuleFrame.height() / 2, 1.0, design::Color::hairline());
}

}  // namespace tidewell::screens
