#include "testkit/probe/Probe.h"

#include <QApplication>
#include <QEnterEvent>
#include <QEvent>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QPainter>

#include "design/accessibility/AccessibleTraits.h"
#include "design/brand/ResourceRoot.h"
#include "design/motion/AnimationClock.h"
#include "design/motion/MotionPreference.h"
#include "design/theme/Color.h"
#include "design/type/BundledFonts.h"

namespace tidewell::probe {

void prepare() {
  static bool done = false;
  if (done) return;
  done = true;
  design::registerBundledFonts(design::buildTreeResourceRoot());
  design::installAccessibility();
  design::setReduceMotionOverride(true);
  // 2026-12-10 12:00 UTC in the clock's seconds since 2001, so blobs and
  // spinners stand in one pose every run.
  design::AnimationClock::shared().freeze(818596800.0);
}

void settle(int rounds) {
  for (int i = 0; i < rounds; ++i) {
    QCoreApplication::sendPostedEvents();
    QCoreApplication::processEvents();
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
  }
}

QList<QWidget*> findAllWidgets(QObject* root, const QString& name) {
  QList<QWidget*> out;
  if (!root) return out;
  if (auto* w = qobject_cast<QWidget*>(root); w && w->objectName() == name) out.append(w);
  out.append(root->findChildren<QWidget*>(name, Qt::FindChildrenRecursively));
  return out;
}

QString textOf(const QObject* widget) {
  if (!widget) return {};
  const QVariant text = widget->property("text");
  if (text.isValid()) return text.toString();
  return widget->property("title").toString();
}

QStringList textsOf(QObject* root, const QString& name) {
  QStringList out;
  for (QWidget* w : findAllWidgets(root, name)) out << textOf(w);
  return out;
}

bool isShown(const QWidget* widget) {
  if (!widget) return false;
  if (widget->isWindow())
    return !widget->testAttribute(Qt::WA_WState_ExplicitShowHide) || !widget->isHidden();
  return widget->isVisibleTo(widget->window());
}

bool click(QWidget* widget, std::optional<QPoint> pos) {
  if (!widget) return false;
  const QPoint local = pos.value_or(widget->rect().center());
  QWidget* target = widget->childAt(local);
  if (!target) target = widget;
  const QPoint at = target->mapFrom(widget, local);
  const QPointF global = widget->mapToGlobal(QPointF(local));
  QMouseEvent press(QEvent::MouseButtonPress, QPointF(at), global, Qt::LeftButton, Qt::LeftButton,
                    Qt::NoModifier);
  QApplication::sendEvent(target, &press);
  QMouseEvent release(QEvent::MouseButtonRelease, QPointF(at), global, Qt::LeftButton, Qt::NoButton,
                      Qt::NoModifier);
  // The release goes where a grabbing press went: the widget that took it.
  QWidget* grabber = QWidget::mouseGrabber();
  QApplication::sendEvent(grabber ? grabber : target, &release);
  settle();
  return true;
}

void pressKey(QWidget* widget, int key, Qt::KeyboardModifiers modifiers) {
  if (!widget) return;
  QWidget* target = widget->window()->focusWidget();
  if (!target) target = widget;
  QKeyEvent press(QEvent::KeyPress, key, modifiers);
  QApplication::sendEvent(target, &press);
  QKeyEvent release(QEvent::KeyRelease, key, modifiers);
  QApplication::sendEvent(target, &release);
  settle();
}

void hover(QWidget* widget, bool inside) {
  if (!widget) return;
  if (inside) {
    const QPointF centre = QRectF(widget->rect()).center();
    QEnterEvent enter(centre, centre, widget->mapToGlobal(centre));
    QApplication::sendEvent(widget, &enter);
  } else {
    QEvent leave(QEvent::Leave);
    QApplication::sendEvent(widget, &leave);
  }
  settle();
}

QImage render(QWidget* widget, QSize size, double devicePixelRatio) {
  prepare();
  if (!widget) return {};
  if (!size.isEmpty()) widget->resize(size);
  if (!widget->window()->isVisible()) widget->window()->show();
  settle();
  // Showing may have applied the window's own size; the caller's wins.
  if (!size.isEmpty() && widget->size() != size) widget->resize(size);
  settle();
  const QSize pixels = (QSizeF(widget->size()) * devicePixelRatio).toSize();
  QImage image(pixels, QImage::Format_ARGB32_Premultiplied);
  image.setDevicePixelRatio(devicePixelRatio);
  image.fill(design::Color::appBackground());
  widget->render(&image, QPoint(), QRegion(), QWidget::DrawChildren);
  // Parts that start on their first paint (icons) may have more to show.
  settle();
  image.fill(design::Color::appBackground());
  widget->render(&image, QPoint(), QRegion(), QWidget::DrawChildren);
  return image;
}

QColor pixel(const QImage& image, QPointF p) {
  const double dpr = image.devicePixelRatio();
  const QPoint at = (p * dpr).toPoint();
  if (!image.rect().contains(at)) return {};
  return image.pixelColor(at);
}

QRect rectIn(const QWidget* widget, const QWidget* root) {
  if (!widget || !root) return {};
  return QRect(widget->mapTo(root, QPoint(0, 0)), widget->size());
}

}  // namespace tidewell::probe
