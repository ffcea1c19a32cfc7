#include "screens/clean/ScanPage.h"

#include <QVBoxLayout>

#include "design/components/ScanCircleButton.h"
#include "design/theme/Color.h"
#include "screens/clean/AccentFigure.h"
#include "screens/clean/PercentRing.h"
#include "screens/common/ObjectNames.h"
#include "screens/common/views/TextLabel.h"

namespace tidewell::screens {

using namespace design::literals;

ScanPage::ScanPage(const ScanPageSnapshot& snapshot, QWidget* parent)
    : QWidget(parent),
      start_(named(new design::ScanCircleButton("sparkles"_symbol, QStringLiteral("Scan My Mac")),
                   "scanButton")),
      ring_(named(new PercentRing(scanningRingLook()), "scanRing")),
      tagline_(
          named(new TextLabel({}, textLook(13, design::FontWeight::Regular, design::Color::secondaryText())),
                "tagline")),
      freed_(named(new AccentFigure("arrow.up.right"_symbol, {10, 12, 5}), "freedLine")) {
  setObjectName(QStringLiteral("scanPage"));
  auto* column = new QVBoxLayout(this);
  column->setContentsMargins(28, 28, 28, 28);
  column->setSpacing(26);
  column->addStretch(1);
  column->addWidget(start_, 0, Qt::AlignHCenter);
  column->addWidget(ring_, 0, Qt::AlignHCenter);
  auto* below = new QVBoxLayout;
  below->setSpacing(10);
  below->addWidget(tagline_, 0, Qt::AlignHCenter);
  below->addWidget(freed_, 0, Qt::AlignHCenter);
  column->addLayout(below);
  column->addStretch(1);

  connect(start_, &QAbstractButton::clicked, this, &ScanPage::scanClicked);
  setSnapshot(snapshot);
}

void ScanPage::setSnapshot(const ScanPageSnapshot& snapshot) {
  const ScanPageContent content = scanPageContent(snapshot);
  // The button that started the scan goes: the Clean screen hands the
  // focus on to what the ring reads, and the review takes it from there.
  start_->setVisible(!content.showsRing);
  ring_->setVisible(content.showsRing);
  ring_->showProgress(snapshot.scanProgress, content.percent);
  tagline_->setText(content.tagline);
  freed_->setVisible(content.freedLine.has_value());
  if (content.freedLine) freed_->setText(*content.freedLine);
}

}  // namespace tidewell::screens
