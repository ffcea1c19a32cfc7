#include "screens/clean/review/CategoryRow.h"

#include <QHBoxLayout>
#include <QVBoxLayout>

#include "design/accessibility/AccessibleTraits.h"
#include "design/theme/SectionAccent.h"
#include "screens/clean/review/CheckColour.h"
#include "screens/common/ObjectNames.h"
#include "screens/common/controls/SelectionBox.h"
#include "screens/common/views/SymbolView.h"
#include "screens/common/views/TextLabel.h"

namespace tidewell::screens {

using namespace design::literals;
using design::FontWeight;
using design::Color::withOpacity;

CategoryRow::CategoryRow(QWidget* parent)
    : Surface({12, Qt::transparent, Qt::transparent, 1}, parent),
      check_(named(new SelectionBox(cleanCheckColour()), "categoryCheck")),
      symbol_(new SymbolView("trash.fill"_symbol, 14, FontWeight::Semibold)),
      title_(named(new TextLabel({}, textLook(13, FontWeight::Semibold)), "categoryTitle")),
      count_(named(
          new TextLabel(
              {}, textLook(10.5, FontWeight::Regular, design::Color::tertiaryText()).withMonospacedDigits()),
          "categoryCount")),
      chevron_(named(new SymbolView("chevron.right"_symbol, 10, FontWeight::Semibold), "categoryChevron")) {
  setObjectName(QStringLiteral("categoryRow"));
  setClickable(true);
  setSizePolicy(QSizePolicy::Preferred, QSizePolicy::Fixed);
  symbol_->setFixedWidth(20);

  auto* row = new QHBoxLayout(this);
  row->setContentsMargins(12, 10, 12, 10);
  row->setSpacing(10);
  row->addWidget(check_, 0, Qt::AlignVCenter);
  row->addWidget(symbol_, 0, Qt::AlignVCenter);
  auto* words = new QVBoxLayout;
  words->setSpacing(0);
  words->addWidget(title_);
  words->addWidget(count_);
  // The words take the slack; the row's spacing keeps the chevron at
  // least the flexible gap's 4 away.
  row->addLayout(words, 1);
  row->addWidget(chevron_, 0, Qt::AlignVCenter);

  connect(check_, &QAbstractButton::clicked, this, &CategoryRow::toggleRequested);
  connect(this, &Surface::clicked, this, &CategoryRow::viewRequested);
  connect(this, &Surface::hoverChanged, this, [this] { update(); });

  // A tab of the rail (selected while its items are shown); its box ticks
  // the whole category.
  design::AccessibleTraits& traits = design::accessibleTraits(this);
  traits.role = QAccessible::PageTab;
  traits.name = [this] { return content_.title; };
  traits.description = [this] { return content_.countLine; };
  traits.checked = [this] { return content_.isViewing ? Qt::Checked : Qt::Unchecked; };
  design::accessibleTraits(check_).name = [this] { return content_.title; };
}

void CategoryRow::setContent(const RailRowContent& content) {
  // The parts repaint themselves when they change; the row's own surface
  // shows only whether it is viewed.
  const bool restyle = content.isViewing != content_.isViewing;
  content_ = content;
  setKey(this, content.title);
  check_->setMark(content.mark);
  symbol_->setSymbol(content.symbol);
  title_->setText(content.title);
  count_->setText(content.countLine);
  // Accent while viewed (none: the accent), else white at 0.3.
  chevron_->setColour(content.isViewing ? std::nullopt : std::optional(design::Color::white(0.3)));
  if (restyle) update();
}

SurfaceLook CategoryRow::lookFor(bool viewing, bool hovering, const QColor& accent) {
  if (viewing) return {12, withOpacity(accent, 0.12), withOpacity(accent, 0.35), 1};
  if (hovering) return {12, design::Color::white(0.05), Qt::transparent, 1};
  return {12, Qt::transparent, Qt::transparent, 1};
}

void CategoryRow::addBackgroundKey(design::PaintKey& key) const {
  key.add(content_.isViewing, design::SectionAccent::of(this).primary);
}

void CategoryRow::paintBackground(QPainter& painter, const QRectF& rect) {
  paintSurface(painter, rect,
               lookFor(content_.isViewing, isHovering(), design::SectionAccent::of(this).primary));
}

}  // namespace tidewell::screens
