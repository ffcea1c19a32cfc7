#include "screens/smartscan/SmartScanPage.h"

#include <QVBoxLayout>

#include "design/components/GhostPillButton.h"
#include "design/theme/Color.h"
#include "screens/common/ObjectNames.h"
#include "screens/common/layout/ScrollColumn.h"
#include "screens/common/views/Departure.h"
#include "screens/common/views/Entrance.h"
#include "screens/smartscan/ScanDoneBlock.h"
#include "screens/smartscan/ScanHeadline.h"
#include "screens/smartscan/ScanRingCentre.h"
#include "screens/smartscan/SegmentedScanRing.h"
#include "screens/smartscan/SmartScanRules.h"
#include "screens/smartscan/ToolCardRow.h"

namespace tidewell::screens {

namespace {
constexpr double kRingDiameter = 250;
constexpr double kRingLineWidth = 12;
// How far below its place the done block starts.
constexpr double kDoneBlockRise = 60;
}  // namespace

SmartScanPage::SmartScanPage(const SmartScanSnapshot& scan, QWidget* parent)
    : QWidget(parent),
      ring_(named(new SegmentedScanRing(kRingDiameter, kRingLineWidth), "scanRing")),
      centre_(new ScanRingCentre),
      headline_(new ScanHeadline),
      cards_(new ToolCardRow(scan)),
      doneSlot_(new QWidget),
      stop_(named(new design::GhostPillButton({QStringLiteral("Stop"), std::nullopt}), "stopButton")) {
  setObjectName(QStringLiteral("smartScanView"));
  ring_->setCenter(centre_);
  stop_->setForeground(design::Color::destructiveRed());

  auto* slot = new QVBoxLayout(doneSlot_);
  slot->setContentsMargins(0, 0, 0, 0);
  slot->setSpacing(0);
  slot->addWidget(stop_, 0, Qt::AlignHCenter);

  // Where the window is too low for the whole screen, it scrolls: the ring
  // keeps its size and shape. The scroll's content is the shadow host for
  // the glows of the ring and the buttons, which reach past their cells.
  auto* fill = new QVBoxLayout(this);
  fill->setContentsMargins(0, 0, 0, 0);
  fill->setSpacing(0);
  auto* scroll = named(new ScrollColumn, "smartScanScroll");
  content_ = scroll->content();
  fill->addWidget(scroll);
  QVBoxLayout* column = scroll->column();
  column->setContentsMargins(28, 28, 28, 28);
  column->setSpacing(24);
  // Flexible gaps of at least 12 above and below.
  column->addItem(new QSpacerItem(0, 12, QSizePolicy::Minimum, QSizePolicy::Expanding));
  column->addWidget(ring_, 0, Qt::AlignHCenter);
  column->addWidget(headline_);
  column->addWidget(cards_);
  column->addWidget(doneSlot_);
  column->addItem(new QSpacerItem(0, 12, QSizePolicy::Minimum, QSizePolicy::Expanding));

  // The ring reads as the percentage shown in it, named by the headline
  // under it.
  design::AccessibleTraits& ringTraits = design::accessibleTraits(ring_);
  ringTraits.name = [this] { return ringName_; };
  design::setAccessibleReading(ring_, [this] { return ringReading_; });

  connect(stop_, &QAbstractButton::clicked, this, &SmartScanPage::stopClicked);
  connect(cards_, &ToolCardRow::tapped, this, &SmartScanPage::open);
  setScan(scan);
}

ScanDoneBlock* SmartScanPage::doneBlock() const { return doneBlock_; }

void SmartScanPage::open(ScanTool tool) {
  if (opensTool(scan_, tool)) Q_EMIT toolRequested(tool);
}

void SmartScanPage::setScan(const SmartScanSnapshot& scan) {
  scan_ = scan;
  const double progress = overallProgress(scan);
  ringReading_ = overallProgressReading(scan);
  ring_->setSegments(scanSegments(scan), shownProgress_.has_value() && *shownProgress_ != progress);
  shownProgress_ = progress;
  design::accessibleValueChanged(ring_);
  if (const QString name = scanHeadline(scan); name != ringName_) {
    ringName_ = name;
    design::accessibleNameChanged(ring_);
  }
  centre_->setScan(scan);
  headline_->setScan(scan);
  cards_->setScan(scan);

  const bool done = scan.phase == SmartScanPhase::done;
  stop_->setVisible(!done);
  if (done && !doneBlock_) {
    doneBlock_ = new ScanDoneBlock;
    connect(doneBlock_, &ScanDoneBlock::homeClicked, this, &SmartScanPage::homeClicked);
    connect(doneBlock_, &ScanDoneBlock::reviewClicked, this, &SmartScanPage::toolRequested);
    doneBlock_->setScan(scan);
    doneSlot_->layout()->addWidget(doneBlock_);
    Entrance::play(doneBlock_, kSmartScanChangeSeconds, kDoneBlockRise);
  } else if (done) {
    doneBlock_->setScan(scan);
  } else if (doneBlock_) {
    // It leaves as it came, fading and sinking where it stands while "Stop"
    // takes its place in the column; it is deleted later, as its own
    // button may be what led here.
    ScanDoneBlock* leaving = doneBlock_;
    doneBlock_ = nullptr;
    const QRect at(leaving->mapTo(content_, QPoint()), leaving->size());
    doneSlot_->layout()->removeWidget(leaving);
    // A picture on its way out, no longer news for a reader.
    design::setHiddenFromAccessibility(leaving);
    leaving->setParent(content_);
    leaving->setGeometry(at);
    leaving->show();
    leaving->raise();
    Departure::play(leaving, kSmartScanChangeSeconds, kDoneBlockRise);
  }
}

}  // namespace tidewell::screens
