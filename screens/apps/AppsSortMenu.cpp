#include "screens/apps/AppsSortMenu.h"

#include <QActionGroup>
#include <QFontMetricsF>
#include <QMenu>
#include <QPainter>
#include <cmath>

#include "design/components/PillButtonLook.h"
#include "design/keyboard/KeyboardFocus.h"
#include "design/symbols/Symbol.h"
#include "design/theme/Color.h"
#include "design/type/InterFont.h"
#include "design/type/ShapedText.h"

namespace tidewell::screens {

using namespace design::literals;
using Model = models::AppsViewModel;

namespace {

constexpr double kSymbolSize = 10;
constexpr double kGap = 6;
// The quiet pill's padding.
constexpr double kHorizontalPadding = 14;
constexpr double kVerticalPadding = 8;

}  // namespace

AppsSortMenu::AppsSortMenu(SortOrder current, QWidget* parent) : QAbstractButton(parent), current_(current) {
  setSizePolicy(QSizePolicy::Fixed, QSizePolicy::Fixed);
  design::KeyboardFocus::makeFocusable(this, design::FocusRingShape::capsule());
  setFocusPolicy(Qt::TabFocus);
  setText(Model::label(current_));

  menu_ = new QMenu(this);
  menu_->setObjectName(QStringLiteral("sortMenuItems"));
  menu_->addSection(QStringLiteral("Sort"));
  auto* group = new QActionGroup(menu_);
  group->setExclusive(true);
  for (SortOrder order : Model::allSortOrders) {
    QAction* item = menu_->addAction(Model::label(order));
    item->setCheckable(true);
    item->setChecked(order == current_);
    item->setData(int(order));
    group->addAction(item);
    connect(item, &QAction::triggered, this, [this, order] { Q_EMIT chosen(order); });
  }
  connect(this, &QAbstractButton::clicked, this, &AppsSortMenu::openMenu);
}

void AppsSortMenu::setCurrent(SortOrder order) {
  if (order == current_) return;
  current_ = order;
  setText(Model::label(order));
  for (QAction* item : menu_->actions())
    if (item->isCheckable()) item->setChecked(item->data().toInt() == int(order));
  updateGeometry();
  update();
}

QSize AppsSortMenu::sizeHint() const {
  const QFontMetricsF metrics(design::ghostPillFont());
  const double width =
      design::symbolSide(kSymbolSize) + kGap + metrics.horizontalAdvance(text()) + 2 * kHorizontalPadding;
  const double height = metrics.height() + 2 * kVerticalPadding;
  return {int(std::ceil(width)), int(std::ceil(height))};
}

void AppsSortMenu::paintEvent(QPaintEvent*) {
  QPainter painter(this);
  const QRectF frame(rect());
  // The pill without a title, then the symbol and the label laid out here.
  design::paintGhostPill(painter, frame, {QString(), std::nullopt}, isDown());
  painter.save();
  design::applyPressedLook(painter, frame, isDown());
  const QFont font = design::ghostPillFont();
  const double side = design::symbolSide(kSymbolSize);
  const double labelWidth = side + kGap + QFontMetricsF(font).horizontalAdvance(text());
  double x = frame.center().x() - labelWidth / 2;
  const QColor colour = design::Color::white(0.85);
  design::drawSymbol(painter, "arrow.up.arrow.down"_symbol,
                     QRectF(x, frame.center().y() - side / 2, side, side), design::FontWeight::Semibold,
                     colour);
  x += side + kGap;
  painter.setFont(font);
  painter.setPen(colour);
  design::drawShapedText(painter, QRectF(x, frame.top(), frame.right() - x, frame.height()),
                         Qt::AlignLeft | Qt::AlignVCenter, text());
  painter.restore();
}

void AppsSortMenu::openMenu() {
  // Asked first: the menu's window showing ends the keyboard's turn.
  const bool fromKeyboard = design::KeyboardFocus::isKeyboardInUse();
  menu_->popup(mapToGlobal(QPoint(0, height() + 4)));
  // Opened from the keyboard, the menu starts on the current order, as the
  // arrow keys would: highlighted, it has the focus, and a reader hears the
  // open menu by it ("Least used", checked).
  if (!fromKeyboard) return;
  for (QAction* item : menu_->actions())
    if (item->isCheckable() && item->isChecked()) menu_->setActiveAction(item);
}

}  // namespace tidewell::screens
