#include "screens/home/ToolTile.h"

#include <QHBoxLayout>
#include <QMouseEvent>
#include <QVBoxLayout>

#include "design/accessibility/AccessibleTraits.h"
#include "design/components/GlossyBlob.h"
#include "design/keyboard/KeyboardFocus.h"
#include "design/theme/Color.h"
#include "design/theme/SectionAccent.h"
#include "screens/common/ObjectNames.h"
#include "screens/common/layout/Surface.h"
#include "screens/common/views/FittedLabel.h"
#include "screens/common/views/SymbolView.h"
#include "screens/common/views/TextLabel.h"

namespace tidewell::screens {

using design::FontWeight;
using namespace design::literals;

ToolTile::ToolTile(ScanTool tool, QString subtitle, QWidget* parent)
    : GlowCard({20, 18, std::nullopt, true, false}, parent),
      tool_(tool),
      status_(named(new FittedLabel(QString(), {design::inter(12, FontWeight::Semibold), Qt::white, 0.7}),
                    "tileStatus")) {
  setObjectName(QStringLiteral("toolTile"));
  setKey(this, scanToolTitle(tool));
  setCursor(Qt::PointingHandCursor);
  const design::SectionPalette& palette = scanToolPalette(tool);
  // The card and everything on it take the tool's palette as their accent.
  design::SectionAccent::set(this, palette);

  auto* content = new QWidget;
  auto* column = new QVBoxLayout(content);
  column->setContentsMargins(0, 0, 0, 0);
  column->setSpacing(10);
  column->addWidget(new design::GlossyBlob(scanToolSymbol(tool), palette, 52, true), 0, Qt::AlignLeft);
  column->addWidget(
      named(new TextLabel(scanToolTitle(tool), textLook(15, FontWeight::Semibold)), "tileTitle"));
  auto* subtitleLabel =
      named(new TextLabel(
                std::move(subtitle),
                textLook(11.5, FontWeight::Regular, design::Color::secondaryText()).lines(2).reserving(2)),
            "tileSubtitle");
  column->addWidget(subtitleLabel);
  auto* strip = new Surface(
      {11, design::Color::withOpacity(design::Color::raisedSurface(), 0.8), design::Color::hairline(), 1});
  auto* stripRow = new QHBoxLayout(strip);
  stripRow->setContentsMargins(12, 9, 12, 9);
  stripRow->setSpacing(8);
  stripRow->addWidget(status_, 1, Qt::AlignVCenter);
  stripRow->addWidget(new SymbolView("chevron.right"_symbol, 10, FontWeight::Semibold, palette.primary), 0,
                      Qt::AlignVCenter);
  column->addWidget(strip);
  setContent(content);

  // A button like the others: the tab key reaches it, Space and Return open
  // its tool, and it is named by its tool and its status line.
  design::KeyboardFocus::makeFocusable(this, {20, {}});
  design::AccessibleTraits& traits = design::accessibleTraits(this);
  traits.role = QAccessible::Button;
  traits.name = [this] { return scanToolTitle(tool_) + QStringLiteral(", ") + status_->text(); };
  traits.description = [subtitleLabel] { return subtitleLabel->text().simplified(); };
  traits.press = [this] { Q_EMIT tapped(); };
}

QString ToolTile::status() const { return status_->text(); }

void ToolTile::setStatus(const QString& status) {
  if (status == status_->text()) return;
  status_->setText(status);
  // The tile is named by its status too.
  design::accessibleNameChanged(this);
}

void ToolTile::mousePressEvent(QMouseEvent* event) {
  if (event->button() != Qt::LeftButton) return GlowCard::mousePressEvent(event);
  pressed_ = true;
  event->accept();
}

void ToolTile::mouseReleaseEvent(QMouseEvent* event) {
  if (event->button() != Qt::LeftButton) return GlowCard::mouseReleaseEvent(event);
  const bool wasPressed = pressed_;
  pressed_ = false;
  event->accept();
  if (wasPressed && rect().contains(event->position().toPoint())) Q_EMIT tapped();
}

}  // namespace tidewell::screens
