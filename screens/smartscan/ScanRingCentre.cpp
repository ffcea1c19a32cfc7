#include "screens/smartscan/ScanRingCentre.h"

#include <QVBoxLayout>

#include "design/components/CountUpBytes.h"
#include "design/theme/Color.h"
#include "design/type/InterFont.h"
#include "screens/common/ObjectNames.h"
#include "screens/common/views/SymbolView.h"
#include "screens/common/views/TextLabel.h"
#include "screens/smartscan/SmartScanRules.h"

namespace tidewell::screens {

namespace {

using design::FontDesign;
using design::FontWeight;
using namespace design::literals;

constexpr double kCountUpSeconds = 1.8;

// The centre changes on the models' signals, never inside its own events,
// so its old widgets can go at once.
void clear(QLayout* layout) {
  while (QLayoutItem* item = layout->takeAt(0)) {
    delete item->widget();
    delete item;
  }
}

}  // namespace

ScanRingCentre::ScanRingCentre(QWidget* parent) : QWidget(parent), column_(new QVBoxLayout(this)) {
  setObjectName(QStringLiteral("ringCentre"));
  column_->setContentsMargins(0, 0, 0, 0);
}

void ScanRingCentre::setScan(const SmartScanSnapshot& scan) {
  Form form;
  form.done = scan.phase == SmartScanPhase::done;
  const int64_t found = form.done ? foundTotal(scan) : 0;
  if (form.done) {
    form.found = found >= 1;
  } else if (const std::optional<ScanTool> tool = currentTool(scan.phase)) {
    form.tool = int(*tool);
  }
  if (form != form_) {
    build(form, found);
  } else if (count_ && count_->target() != found) {
    // A scan that lands after Stop: the count goes on from where it stands.
    count_->setTarget(found);
    adjustSize();
  }
  if (percent_) percent_->setText(overallProgressText(scan));
}

void ScanRingCentre::build(const Form& form, int64_t found) {
  form_ = form;
  percent_ = nullptr;
  count_ = nullptr;
  clear(column_);
  const Qt::Alignment centred = Qt::AlignHCenter;
  if (!form.done) {
    column_->setSpacing(4);
    if (form.tool) {
      const auto tool = ScanTool(*form.tool);
      auto* symbol =
          named(new SymbolView(scanToolSymbol(tool), 17, FontWeight::Semibold, scanToolPalette(tool).primary),
                "ringSymbol");
      symbol->pulse();
      column_->addWidget(symbol, 0, centred);
    }
    percent_ = named(
        new TextLabel(
            QString(),
            textLook(30, FontWeight::Bold, Qt::white, FontDesign::Rounded).withMonospacedDigits().centred()),
        "ringPercent");
    column_->addWidget(percent_, 0, centred);
  } else {
    column_->setSpacing(2);
    if (!form.found) {
      column_->addWidget(named(new SymbolView("checkmark.seal.fill"_symbol, 30, FontWeight::Regular,
                                              design::SectionPalette::clean().primary),
                               "ringAllClear"),
                         0, centred);
    } else {
      count_ = named(new design::CountUpBytes(found, kCountUpSeconds,
                                              design::inter(30, FontWeight::Bold, FontDesign::Rounded)),
                     "ringFound");
      column_->addWidget(count_, 0, centred);
    }
    const QString caption = form.found ? QStringLiteral("found") : QStringLiteral("all clear");
    column_->addWidget(
        named(new TextLabel(caption,
                            textLook(11.5, FontWeight::Regular, design::Color::secondaryText()).centred()),
              "ringCaption"),
        0, centred);
  }
  adjustSize();
}

}  // namespace tidewell::screens
