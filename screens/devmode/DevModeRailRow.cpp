#include "screens/devmode/DevModeRailRow.h"

#include <QHBoxLayout>
#include <QVBoxLayout>

#include "design/accessibility/AccessibleTraits.h"
#include "design/theme/Color.h"
#include "design/theme/SectionAccent.h"
#include "screens/common/ObjectNames.h"
#include "screens/common/views/SymbolView.h"
#include "screens/common/views/TextLabel.h"
#include "screens/devmode/DevModeLook.h"

namespace tidewell::screens {

using namespace design::literals;
using design::FontWeight;
namespace Color = design::Color;

DevModeRailRow::DevModeRailRow(const RailRowValues& values, QWidget* parent) : Surface({}, parent) {
  setObjectName(QStringLiteral("railRow"));
  setClickable(true);
  box_ = named(new SelectionBox(DevModeLook::checkColour()), "groupCheck");
  eye_ = named(new SymbolView("eye"_symbol, 12, FontWeight::Semibold, Color::systemOrange()), "groupEye");
  eye_->setFixedWidth(20);
  symbol_ = named(new SymbolView(values.symbol, 14, FontWeight::Semibold), "groupSymbol");
  symbol_->setFixedWidth(20);
  label_ = named(new TextLabel({}, textLook(13, FontWeight::Semibold)), "groupLabel");
  caption_ = named(
      new TextLabel({}, textLook(10.5, FontWeight::Regular, Color::tertiaryText()).withMonospacedDigits()),
      "groupCaption");
  chevron_ = named(new SymbolView("chevron.right"_symbol, 10, FontWeight::Semibold), "groupChevron");

  auto* texts = new QVBoxLayout;
  texts->setContentsMargins(0, 0, 0, 0);
  texts->setSpacing(1);
  texts->addWidget(label_);
  texts->addWidget(caption_);

  auto* row = new QHBoxLayout(this);
  row->setContentsMargins(12, 10, 12, 10);
  row->setSpacing(10);
  row->addWidget(box_, 0, Qt::AlignVCenter);
  row->addWidget(eye_, 0, Qt::AlignVCenter);
  row->addWidget(symbol_, 0, Qt::AlignVCenter);
  row->addLayout(texts, 1);
  row->addSpacing(4);
  row->addWidget(chevron_, 0, Qt::AlignVCenter);

  connect(this, &Surface::clicked, this, &DevModeRailRow::viewRequested);
  connect(box_, &QAbstractButton::clicked, this, &DevModeRailRow::pickRequested);
  // A tab of the rail (selected while its group is viewed); its box picks
  // the whole group.
  design::AccessibleTraits& traits = design::accessibleTraits(this);
  traits.role = QAccessible::PageTab;
  traits.name = [this] { return values_.label; };
  traits.description = [this] { return values_.caption; };
  traits.checked = [this] { return values_.viewed ? Qt::Checked : Qt::Unchecked; };
  design::accessibleTraits(box_).name = [this] { return values_.label; };
  setValues(values);
}

void DevModeRailRow::setValues(const RailRowValues& values) {
  // The parts repaint themselves when they change; the row's own surface
  // shows only whether it is viewed.
  const bool restyle = values.viewed != values_.viewed;
  values_ = values;
  setKey(this, values.id);
  box_->setVisible(!values.isModels);
  box_->setMark(values.mark);
  eye_->setVisible(values.isModels);
  symbol_->setSymbol(values.symbol);
  label_->setText(values.label);
  caption_->setText(values.caption);
  // None draws in the accent.
  chevron_->setColour(values.viewed ? std::nullopt : std::optional<QColor>(Color::white(0.3)));
  if (restyle) update();
}

void DevModeRailRow::addBackgroundKey(design::PaintKey& key) const {
  key.add(values_.viewed, design::SectionAccent::of(this).primary);
}

void DevModeRailRow::paintBackground(QPainter& painter, const QRectF& rect) {
  if (!values_.viewed) return;
  const QColor accent = design::SectionAccent::of(this).primary;
  paintSurface(painter, rect, {12, Color::withOpacity(accent, 0.12), Color::withOpacity(accent, 0.35), 1});
}

}  // namespace tidewell::screens
