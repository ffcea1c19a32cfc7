#include "screens/deepscan/RiskRow.h"

#include <QHBoxLayout>
#include <QMouseEvent>
#include <QVBoxLayout>

#include "design/accessibility/AccessibleTraits.h"
#include "design/paint/Shapes.h"
#include "design/theme/Color.h"
#include "screens/common/ObjectNames.h"
#include "screens/common/views/SymbolView.h"
#include "screens/common/views/TextLabel.h"
#include "screens/deepscan/DeepScanLook.h"
#include "screens/deepscan/DeepScanRules.h"
#include "screens/deepscan/TintedTile.h"

namespace tidewell::screens {

using design::FontWeight;
using design::Color::white;
using namespace design::literals;

namespace {
QColor chevronColour(const RiskRowValues& values) {
  return values.isViewing ? tint(values.bucket) : white(0.3);
}
}  // namespace

SurfaceLook riskRowLook(const RiskRowValues& values, bool hovering) {
  const QColor t = tint(values.bucket);
  SurfaceLook look;
  look.cornerRadius = 12;
  look.fill = values.isViewing ? DeepScanLook::faded(t, 0.12)
              : hovering       ? white(0.05)
                               : QColor(Qt::transparent);
  look.border = values.isViewing ? DeepScanLook::faded(t, 0.35) : QColor(Qt::transparent);
  return look;
}

RiskRow::RiskRow(RiskRowValues values, QWidget* parent)
    : Surface(riskRowLook(values, false), parent), values_(values) {
  named(this, "riskRow");
  setKey(this, rawValue(values_.bucket));
  setClickable(true);
  setSizePolicy(QSizePolicy::Preferred, QSizePolicy::Fixed);

  const QColor t = tint(values_.bucket);
  auto* badge = new TintedTile(
      {26, 13, DeepScanLook::faded(t, 0.16), symbol(values_.bucket), 12, FontWeight::Semibold, t}, this);
  auto* title = named(new TextLabel(screens::title(values_.bucket), textLook(13, FontWeight::Semibold), this),
                      "riskRowTitle");
  count_ = named(
      new TextLabel(countAndSizeLine(values_.count, values_.bytes),
                    textLook(10.5, FontWeight::Regular, design::Color::tertiaryText()).withMonospacedDigits(),
                    this),
      "riskRowCount");
  chevron_ =
      named(new SymbolView("chevron.right"_symbol, 10, FontWeight::Semibold, chevronColour(values_), this),
            "riskRowChevron");

  auto* text = new QVBoxLayout;
  text->setContentsMargins(0, 0, 0, 0);
  text->setSpacing(1);
  text->addWidget(title);
  text->addWidget(count_);

  auto* row = new QHBoxLayout(this);
  row->setContentsMargins(12, 10, 12, 10);
  row->setSpacing(10);
  row->addWidget(badge, 0, Qt::AlignVCenter);
  row->addLayout(text, 1);
  // The spacer of at least 4 keeps the stack's spacing on both sides.
  row->addSpacing(4 + 10);
  row->addWidget(chevron_, 0, Qt::AlignVCenter);

  connect(this, &Surface::hoverChanged, this, [this] { restyle(); });
  connect(this, &Surface::clicked, this, &RiskRow::viewRequested);
  // A tab of the bucket column: selected while its detail is shown.
  design::AccessibleTraits& traits = design::accessibleTraits(this);
  traits.role = QAccessible::PageTab;
  traits.name = [title] { return title->text(); };
  traits.description = [this] { return count_->text(); };
  traits.checked = [this] { return values_.isViewing ? Qt::Checked : Qt::Unchecked; };
}

void RiskRow::setValues(const RiskRowValues& values) {
  if (values == values_) return;
  const bool wasViewing = values_.isViewing;
  values_ = values;
  count_->setText(countAndSizeLine(values_.count, values_.bytes));
  if (wasViewing != values_.isViewing) design::accessibleCheckChanged(this);
  restyle();
}

void RiskRow::mousePressEvent(QMouseEvent* event) {
  const QPainterPath shape =
      design::continuousRoundedRect(QRectF(rect()), riskRowLook(values_, false).cornerRadius);
  if (!shape.contains(event->position())) {
    event->ignore();
    return;
  }
  Surface::mousePressEvent(event);
}

void RiskRow::restyle() {
  setLook(riskRowLook(values_, isHovering()));
  chevron_->setColour(chevronColour(values_));
}

}  // namespace tidewell::screens
