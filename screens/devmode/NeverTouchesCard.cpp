#include "screens/devmode/NeverTouchesCard.h"

#include <QVBoxLayout>

#include "design/theme/Color.h"
#include "design/theme/SectionAccent.h"
#include "screens/common/ObjectNames.h"
#include "screens/common/views/IconLabel.h"
#include "screens/common/views/SymbolView.h"
#include "screens/common/views/TextLabel.h"

namespace tidewell::screens {

using namespace design::literals;
using design::FontWeight;
namespace Color = design::Color;

NeverTouchesCard::NeverTouchesCard(QWidget* parent) : Surface({}, parent) {
  setObjectName(QStringLiteral("neverTouches"));
  auto* heading = new IconLabel("lock.shield.fill"_symbol, QStringLiteral("Never touches"),
                                textLook(11, FontWeight::Semibold), std::nullopt, 6);
  // The lock follows the section accent.
  heading->symbolView()->setColour(std::nullopt);
  auto* lines = named(new TextLabel(QStringLiteral("Your chats and memory\nYour projects, code and git\nYour "
                                                   "keys and credentials"),
                                    textLook(10.5, FontWeight::Regular, Color::secondaryText()).lines(0)),
                      "neverTouchesLines");
  auto* column = new QVBoxLayout(this);
  column->setContentsMargins(12, 12, 12, 12);
  column->setSpacing(6);
  column->addWidget(heading, 0, Qt::AlignLeft);
  column->addWidget(lines);
}

void NeverTouchesCard::addBackgroundKey(design::PaintKey& key) const {
  key.add(design::SectionAccent::of(this).primary);
}

void NeverTouchesCard::paintBackground(QPainter& painter, const QRectF& rect) {
  const QColor accent = design::SectionAccent::of(this).primary;
  paintSurface(painter, rect,
               {12, Color::withOpacity(Color::raisedSurface(), 0.6), Color::withOpacity(accent, 0.22), 1});
}

}  // namespace tidewell::screens
