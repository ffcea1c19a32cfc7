#include "screens/smartscan/ScanHeadline.h"

#include <QVBoxLayout>

#include "design/theme/Color.h"
#include "screens/common/ObjectNames.h"
#include "screens/common/views/TextLabel.h"
#include "screens/smartscan/SmartScanRules.h"

namespace tidewell::screens {

using design::FontWeight;

ScanHeadline::ScanHeadline(QWidget* parent)
    : QWidget(parent),
      headline_(named(new TextLabel, "headline")),
      statusLine_(named(new TextLabel, "statusLine")) {
  auto* column = new QVBoxLayout(this);
  column->setContentsMargins(0, 0, 0, 0);
  column->setSpacing(4);
  column->addWidget(headline_, 0, Qt::AlignHCenter);
  column->addWidget(statusLine_, 0, Qt::AlignHCenter);
}

void ScanHeadline::setScan(const SmartScanSnapshot& scan) {
  const QColor secondary = design::Color::secondaryText();
  if (scan.phase == SmartScanPhase::done) {
    headline_->setLook(textLook(20, FontWeight::Bold).centred());
    headline_->setText(scanHeadline(scan));
    statusLine_->setLook(textLook(12.5, FontWeight::Regular, secondary).centred());
    statusLine_->setText(doneSubline());
  } else {
    headline_->setLook(textLook(17, FontWeight::Semibold).centred());
    headline_->setText(scanHeadline(scan));
    statusLine_->setLook(textLook(10.5, FontWeight::Regular, secondary).centred());
    statusLine_->setText(scan.statusLine);
  }
}

}  // namespace tidewell::screens
