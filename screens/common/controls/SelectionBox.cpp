#include "screens/common/controls/SelectionBox.h"

#include <QPainter>

#include "design/accessibility/AccessibleTraits.h"
#include "design/keyboard/KeyboardFocus.h"
#include "design/paint/Shapes.h"
#include "design/symbols/Symbol.h"
#include "design/theme/Color.h"
#include "design/theme/SectionAccent.h"

namespace tidewell::screens {

using namespace design::literals;

namespace {
constexpr double kRadius = 6;
constexpr double kMarkSize = 11;
}  // namespace

SelectionMark selectionMark(qsizetype selected, qsizetype count) {
  if (selected <= 0 || count <= 0) return SelectionMark::off;
  if (selected >= count) return SelectionMark::on;
  return SelectionMark::mixed;
}

void paintSelectionBox(QPainter& painter, const QRectF& rect, SelectionMark mark, const QColor& accent,
                       const QColor& checkColour) {
  using design::Color::white;
  painter.save();
  painter.setRenderHint(QPainter::Antialiasing);
  painter.setRenderHint(QPainter::SmoothPixmapTransform);
  const bool lit = mark != SelectionMark::off;
  painter.fillPath(design::continuousRoundedRect(rect, kRadius), lit ? accent : white(0.05));
  design::strokeInside(painter, rect, kRadius, 1, lit ? accent : white(0.25));
  if (lit) {
    const design::SymbolName symbol = mark == SelectionMark::on ? "checkmark"_symbol : "minus"_symbol;
    design::drawSymbol(painter, symbol, design::symbolBox(rect.center(), kMarkSize), design::FontWeight::Bold,
                       checkColour);
  }
  painter.restore();
}

SelectionBox::SelectionBox(QColor checkColour, SelectionMark mark, QWidget* parent)
    : QAbstractButton(parent), checkColour_(std::move(checkColour)), mark_(mark) {
  setSizePolicy(QSizePolicy::Fixed, QSizePolicy::Fixed);
  setCursor(Qt::PointingHandCursor);
  design::KeyboardFocus::makeFocusable(this, {kRadius, {}});
  design::AccessibleTraits& traits = design::accessibleTraits(this);
  traits.role = QAccessible::CheckBox;
  traits.checked = [this] {
    return mark_ == SelectionMark::on
               ? Qt::Checked
               : (mark_ == SelectionMark::mixed ? Qt::PartiallyChecked : Qt::Unchecked);
  };
}

void SelectionBox::setMark(SelectionMark mark) {
  if (mark == mark_) return;
  mark_ = mark;
  update();
  design::accessibleCheckChanged(this);
}

void SelectionBox::setClickable(bool clickable) {
  setAttribute(Qt::WA_TransparentForMouseEvents, !clickable);
  setFocusPolicy(clickable ? Qt::StrongFocus : Qt::NoFocus);
  // A box that only shows its row's state: the row is the check box.
  design::setHiddenFromAccessibility(this, !clickable);
}

QSize SelectionBox::sizeHint() const { return {int(kSelectionBoxSide), int(kSelectionBoxSide)}; }

void SelectionBox::paintEvent(QPaintEvent*) {
  QPainter painter(this);
  const QRectF box(QRectF(rect()).center() - QPointF(kSelectionBoxSide / 2, kSelectionBoxSide / 2),
                   QSizeF(kSelectionBoxSide, kSelectionBoxSide));
  paintSelectionBox(painter, box, mark_, design::SectionAccent::of(this).primary, checkColour_);
}

}  // namespace tidewell::screens
