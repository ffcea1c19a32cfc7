#include "app/about/AboutSheet.h"

#include <QEvent>
#include <QKeyEvent>
#include <QPainter>

#include "design/accessibility/AccessibleTraits.h"
#include "design/keyboard/KeyboardFocus.h"
#include "design/paint/Shadow.h"
#include "design/paint/Shapes.h"

namespace tidewell::app {

namespace {
constexpr double kCornerRadius = 12;
const design::Shadow& sheetShadow() {
  static const design::Shadow shadow{QColor::fromRgbF(0, 0, 0, 0.5), 30, QPointF(0, 12)};
  return shadow;
}
}  // namespace

AboutSheet::AboutSheet(QWidget* window, AboutView::Opener open)
    : QWidget(window), view_(new AboutView(std::move(open), AboutLinks::maker(), this)) {
  setObjectName(QStringLiteral("aboutSheet"));
  // A reader hears where it is; Tab stops only at its controls.
  design::AccessibleTraits& traits = design::accessibleTraits(this);
  traits.role = QAccessible::Dialog;
  traits.name = [] { return QStringLiteral("About Tidewell Mac"); };
  // Clicks beside the content stop here, not in the window below.
  setAttribute(Qt::WA_NoMousePropagation);
  view_->setCornerRadius(kCornerRadius);
  connect(view_, &AboutView::closeRequested, this, &AboutSheet::dismiss);
  if (window) {
    window->installEventFilter(this);
    setGeometry(window->rect());
  }
  hide();
}

void AboutSheet::present() {
  if (QWidget* window = parentWidget()) setGeometry(window->rect());
  show();
  raise();
  design::KeyboardFocus::focusFirst(view_);
}

void AboutSheet::dismiss() {
  if (isHidden()) return;
  hide();
  Q_EMIT dismissed();
}

bool AboutSheet::eventFilter(QObject* watched, QEvent* event) {
  if (watched == parentWidget() && event->type() == QEvent::Resize) setGeometry(parentWidget()->rect());
  return QWidget::eventFilter(watched, event);
}

void AboutSheet::keyPressEvent(QKeyEvent* event) {
  if (event->key() == Qt::Key_Escape) {
    dismiss();
    return;
  }
  QWidget::keyPressEvent(event);
}

void AboutSheet::resizeEvent(QResizeEvent* event) {
  QWidget::resizeEvent(event);
  view_->move((width() - view_->width()) / 2, std::max(0, (height() - view_->height()) / 2));
}

void AboutSheet::paintEvent(QPaintEvent*) {
  QPainter painter(this);
  painter.fillRect(rect(), QColor::fromRgbF(0, 0, 0, 0.45));
  painter.setRenderHint(QPainter::Antialiasing);
  design::drawShadow(painter, design::continuousRoundedRect(QRectF(view_->geometry()), kCornerRadius),
                     sheetShadow());
}

}  // namespace tidewell::app
