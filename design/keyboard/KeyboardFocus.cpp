#include "design/keyboard/KeyboardFocus.h"

#include <QAbstractButton>
#include <QAccessible>
#include <QApplication>
#include <QDialog>
#include <QKeyEvent>
#include <QLayout>
#include <QPointer>
#include <QScrollArea>
#include <QVariant>

#include "design/accessibility/AccessibleTraits.h"

Q_DECLARE_METATYPE(tidewell::design::FocusRingShape)

namespace tidewell::design::KeyboardFocus {

namespace {

constexpr const char* kShapeProperty = "tidewellFocusRing";
constexpr const char* kKeepsFocusProperty = "tidewellKeepsFocusNear";

// The outermost widget above widget (not widget itself) that keeps the
// focus near a control that goes (keepFocusNear), or nullptr.
QWidget* keeperAbove(const QWidget* widget) {
  QWidget* keeper = nullptr;
  for (QWidget* up = widget->parentWidget(); up && !up->isWindow(); up = up->parentWidget())
    if (up->property(kKeepsFocusProperty).toBool()) keeper = up;
  return keeper;
}

bool isRingReason(Qt::FocusReason reason) {
  return reason != Qt::MouseFocusReason && reason != Qt::ActiveWindowFocusReason &&
         reason != Qt::PopupFocusReason;
}

bool inDialog(const QWidget* widget) { return qobject_cast<const QDialog*>(widget->window()) != nullptr; }

// The children of parent that layout places, in its order, nested layouts
// included.
void laidOutChildren(QLayout* layout, QWidget* parent, QList<QWidget*>& out) {
  for (int i = 0; i < layout->count(); ++i) {
    QLayoutItem* item = layout->itemAt(i);
    if (QWidget* widget = item->widget()) {
      if (widget->parentWidget() == parent && !out.contains(widget)) out.append(widget);
    } else if (QLayout* inner = item->layout()) {
      laidOutChildren(inner, parent, out);
    }
  }
}

// Every widget below widget in its window: each before what it holds, the
// children its layout places in that order, then the others as made.
void inLayoutOrder(QWidget* widget, QList<QWidget*>& out) {
  QList<QWidget*> children;
  if (widget->layout()) laidOutChildren(widget->layout(), widget, children);
  for (QObject* object : widget->children())
    if (object->isWidgetType() && !children.contains(static_cast<QWidget*>(object)))
      children.append(static_cast<QWidget*>(object));
  for (QWidget* child : children) {
    if (child->isWindow()) continue;
    out.append(child);
    inLayoutOrder(child, out);
  }
}

bool isTabStop(const QWidget* widget) {
  return (widget->focusPolicy() & Qt::TabFocus) == Qt::TabFocus && widget->isVisible() &&
         widget->isEnabled() && !widget->focusProxy();
}

// Whether a reader reads widget as something: shown, enabled (a disabled
// widget takes no focus), not a decoration, and with a name.
bool isReadable(QWidget* widget) {
  if (!widget->isVisible() || !widget->isEnabled() || isHiddenFromAccessibility(widget)) return false;
  QAccessibleInterface* iface = QAccessible::queryAccessibleInterface(widget);
  return iface && !iface->state().invisible && !iface->text(QAccessible::Name).isEmpty();
}

// The first widget below widget, in layout order, that a reader reads,
// leaving out decorations and what they hold; nullptr when there is none.
QWidget* firstReadable(QWidget* widget) {
  QList<QWidget*> laidOut;
  inLayoutOrder(widget, laidOut);
  for (QWidget* candidate : laidOut) {
    bool decorated = false;
    for (QWidget* up = candidate; up && up != widget; up = up->parentWidget())
      if (isHiddenFromAccessibility(up)) decorated = true;
    if (!decorated && isReadable(candidate)) return candidate;
  }
  return nullptr;
}

// Scrolls every scroll area that holds widget until it is in view.
void bringIntoView(QWidget* widget) {
  for (QWidget* up = widget->parentWidget(); up; up = up->parentWidget())
    if (auto* area = qobject_cast<QScrollArea*>(up)) area->ensureWidgetVisible(widget);
}

// Gives control the focus, as the program does, and scrolls it into view.
void focusAndReveal(QWidget* control) {
  control->setFocus(Qt::OtherFocusReason);
  bringIntoView(control);
}

// Moves the focus of window to the tab stop after (before) its focus widget
// in layout order, round the end; false when it has no tab stop.
bool moveFocus(QWidget* window, bool forward) {
  QList<QWidget*> laidOut;
  inLayoutOrder(window, laidOut);
  QWidget* focus = window->focusWidget();
  const qsizetype at = focus ? laidOut.indexOf(focus) : -1;
  const qsizetype count = laidOut.size();
  for (qsizetype step = 1; step <= count; ++step) {
    const qsizetype from = at < 0 ? (forward ? -1 : count) : at;
    const qsizetype index = ((forward ? from + step : from - step) % count + count) % count;
    QWidget* candidate = laidOut[index];
    if (!isTabStop(candidate)) continue;
    candidate->setFocus(forward ? Qt::TabFocusReason : Qt::BacktabFocusReason);
    bringIntoView(candidate);
    return true;
  }
  return false;
}

// The application's event filter behind the policy.
class Navigator : public QObject {
 public:
  static Navigator& instance() {
    static Navigator* navigator = [] {
      auto* made = new Navigator(qApp);
      qApp->installEventFilter(made);
      return made;
    }();
    return *navigator;
  }

  bool keyboard = false;

  QWidget* ringed() const { return ring_ && ring_->isVisible() ? ring_->control() : nullptr; }

  void showRingOn(QWidget* control) {
    if (!control || !isFocusable(control) || !control->isVisible()) return hideRing();
    if (!ring_) ring_ = new FocusRing(control);
    ring_->attach(control);
  }
  void hideRing() {
    if (ring_) ring_->attach(nullptr);
  }

  // The focus rests on holder below scope, which has no control yet: the
  // first one that appears there takes it.
  void awaitControl(QWidget* scope, QWidget* holder) {
    awaitScope_ = scope;
    awaitHolder_ = holder;
  }

 protected:
  bool eventFilter(QObject* watched, QEvent* event) override {
    switch (event->type()) {
      case QEvent::KeyPress:
        return keyPress(watched, static_cast<QKeyEvent*>(event));
      case QEvent::MouseButtonPress:
      case QEvent::MouseButtonDblClick:
      case QEvent::TouchBegin:
      case QEvent::TabletPress:
        if (keyboard) {
          keyboard = false;
          hideRing();
        }
        break;
      case QEvent::FocusIn:
        if (watched->isWidgetType()) {
          auto* widget = static_cast<QWidget*>(watched);
          if (keyboard && isRingReason(static_cast<QFocusEvent*>(event)->reason()))
            showRingOn(widget);
          else
            hideRing();
          // The user (or the program) has put the focus elsewhere.
          if (awaitScope_ && widget != awaitHolder_ && widget != awaitScope_) awaitControl(nullptr, nullptr);
        }
        break;
      case QEvent::FocusOut:
        if (watched == ringed()) hideRing();
        break;
      case QEvent::Hide:
        // Sent before Qt moves the focus off a hidden widget along its own
        // chain (or, in a window in the background, leaves it there).
        if (watched->isWidgetType()) {
          auto* widget = static_cast<QWidget*>(watched);
          QWidget* focus = widget->isWindow() ? nullptr : widget->window()->focusWidget();
          if (focus && (focus == widget || widget->isAncestorOf(focus)))
            if (QWidget* keeper = keeperAbove(widget)) handOverFocus(focus, keeper);
        }
        break;
      case QEvent::Show:
        if (watched->isWidgetType()) {
          auto* widget = static_cast<QWidget*>(watched);
          if (widget->isWindow() && widget->windowType() != Qt::ToolTip) {
            keyboard = false;
            hideRing();
          }
          controlMayHaveAppeared(widget);
        }
        break;
      case QEvent::EnabledChange:
        if (watched->isWidgetType()) controlMayHaveAppeared(static_cast<QWidget*>(watched));
        break;
      case QEvent::Resize:
        if (ring_ && watched == ring_->control()) ring_->follow();
        break;
      default:
        break;
    }
    return false;
  }

 private:
  explicit Navigator(QObject* parent) : QObject(parent) {}

  bool keyPress(QObject* watched, QKeyEvent* key) {
    if (!watched->isWidgetType()) return false;
    auto* focus = static_cast<QWidget*>(watched);
    QWidget* windowFocus = focus->window()->focusWidget();
    const bool tab = (key->key() == Qt::Key_Tab || key->key() == Qt::Key_Backtab) &&
                     !key->modifiers().testAnyFlags(Qt::ControlModifier | Qt::AltModifier);
    // Tab and Shift+Tab go through the controls in the order they are laid
    // out, not the order they were made in (rows filled in later, a banner
    // put above a list). Popups keep their own keys.
    if (tab && (focus == windowFocus || (!windowFocus && focus->isWindow())) &&
        focus->window()->windowType() != Qt::Popup) {
      keyboard = true;
      const bool forward = key->key() == Qt::Key_Tab && !(key->modifiers() & Qt::ShiftModifier);
      if (moveFocus(focus->window(), forward)) {
        // Round to the control it was on (the window's only one): no focus
        // event comes, but the ring must show all the same.
        QWidget* now = focus->window()->focusWidget();
        if (ringed() != now) showRingOn(now);
        return true;
      }
    }
    // A key not taken by the focus widget travels up to its parents: act once.
    if (focus != windowFocus) return false;
    keyboard = true;
    if (ringed() != focus) showRingOn(focus);
    if (!isFocusable(focus) || key->isAutoRepeat() || !focus->isEnabled()) return false;
    const bool isButton = qobject_cast<QAbstractButton*>(focus) != nullptr;
    const AccessibleTraits* traits = findAccessibleTraits(focus);
    const bool hasPress = traits && traits->press;
    switch (key->key()) {
      case Qt::Key_Space:
        // A button presses itself on Space, down on the press, up on the release.
        if (isButton || !hasPress) return false;
        traits->press();
        return true;
      case Qt::Key_Return:
      case Qt::Key_Enter:
        if (inDialog(focus) || key->modifiers().testAnyFlags(Qt::ShiftModifier | Qt::ControlModifier |
                                                             Qt::AltModifier | Qt::MetaModifier))
          return false;
        if (hasPress) {
          traits->press();
          return true;
        }
        if (isButton) {
          static_cast<QAbstractButton*>(focus)->click();
          return true;
        }
        return false;
      default:
        return false;
    }
  }

  void controlMayHaveAppeared(QWidget* widget) {
    if (!awaitScope_ || checkQueued_ || !(widget == awaitScope_.data() || awaitScope_->isAncestorOf(widget)))
      return;
    // Once whatever shows it has run its course: a page shows its parts in
    // one go.
    checkQueued_ = true;
    QMetaObject::invokeMethod(
        this,
        [this] {
          checkQueued_ = false;
          QWidget* scope = awaitScope_;
          if (!scope) return;
          QWidget* focus = scope->window()->focusWidget();
          if (focus && focus != awaitHolder_.data() && focus != scope) return awaitControl(nullptr, nullptr);
          const QList<QWidget*> stops = tabStops(scope);
          if (stops.isEmpty()) return;
          awaitControl(nullptr, nullptr);
          focusAndReveal(stops.first());
        },
        Qt::QueuedConnection);
  }

  QPointer<FocusRing> ring_;
  QPointer<QWidget> awaitScope_;
  QPointer<QWidget> awaitHolder_;
  bool checkQueued_ = false;
};

}  // namespace

void install() { (void)Navigator::instance(); }

void keepFocusNear(QWidget* scope) {
  install();
  scope->setProperty(kKeepsFocusProperty, true);
}

bool handsOverFocus(QWidget* scope) {
  // Going itself (a whole screen): whoever hides it places the focus.
  if (!scope || !scope->isVisible()) return false;
  QWidget* focus = scope->window()->focusWidget();
  if (!focus || !scope->isAncestorOf(focus) || (focus->isVisible() && focus->isEnabled())) return false;
  // A hidden one was handed over as it hid; a disabled one is told only here.
  QWidget* keeper = keeperAbove(focus);
  handOverFocus(focus, keeper ? keeper : scope);
  return true;
}

void makeFocusable(QWidget* control, FocusRingShape shape) {
  install();
  control->setFocusPolicy(Qt::StrongFocus);
  setShape(control, shape);
}

bool isFocusable(const QWidget* control) { return control && control->property(kShapeProperty).isValid(); }

FocusRingShape shapeOf(const QWidget* control) {
  const QVariant shape = control ? control->property(kShapeProperty) : QVariant();
  return shape.isValid() ? shape.value<FocusRingShape>() : FocusRingShape{};
}

void setShape(QWidget* control, FocusRingShape shape) {
  control->setProperty(kShapeProperty, QVariant::fromValue(shape));
  if (ringedControl() == control) control->update();
}

bool isKeyboardInUse() { return Navigator::instance().keyboard; }

QWidget* ringedControl() { return Navigator::instance().ringed(); }

QList<QWidget*> tabStops(QWidget* widget) {
  QList<QWidget*> laidOut, stops;
  if (!widget) return stops;
  inLayoutOrder(widget, laidOut);
  for (QWidget* candidate : laidOut)
    if (isTabStop(candidate)) stops.append(candidate);
  return stops;
}

bool holdsFocus(const QWidget* widget) {
  if (!widget) return false;
  const QWidget* focus = widget->window()->focusWidget();
  return focus && (focus == widget || widget->isAncestorOf(focus));
}

void focusFirst(QWidget* widget) {
  if (!widget) return;
  const QList<QWidget*> stops = tabStops(widget);
  if (!stops.isEmpty()) {
    focusAndReveal(stops.first());
    return;
  }
  QWidget* holder = firstReadable(widget);
  if (!holder) holder = widget;
  holder->setFocus(Qt::OtherFocusReason);
  Navigator::instance().awaitControl(widget, holder);
}

void handOverFocus(QWidget* going, QWidget* scope) {
  // A scope that is going too (its window or a parent hiding) has no
  // neighbour to offer.
  if (!going || !scope || !scope->isVisible()) return;
  // Hiding a card tells each of its parts in turn: one hand-over is enough.
  static QPointer<QWidget> pending;
  if (pending == going) return;
  pending = going;
  QList<QWidget*> laidOut;
  inLayoutOrder(scope, laidOut);
  const qsizetype at = laidOut.indexOf(going);
  // Kept by place, not by what is a control now: the change that takes
  // going away may show new controls in its place before it ends.
  QList<QPointer<QWidget>> after, before;
  if (at >= 0) {
    for (qsizetype i = at + 1; i < laidOut.size(); ++i) after.append(laidOut[i]);
    for (qsizetype i = at - 1; i >= 0; --i) before.append(laidOut[i]);
  }
  QPointer<QWidget> gone = going;
  QMetaObject::invokeMethod(
      scope,
      [scope, gone, after, before] {
        if (pending == gone) pending = nullptr;
        if (!scope->isVisible()) return;
        QWidget* focus = scope->window()->focusWidget();
        // Moved on meanwhile, or back where it was.
        if (focus && focus != gone.data() && focus->isVisible() && focus->isEnabled()) return;
        if (focus && focus == gone.data() && isTabStop(focus)) return;
        for (const QList<QPointer<QWidget>>* side : {&after, &before})
          for (const QPointer<QWidget>& candidate : *side)
            if (candidate && isTabStop(candidate) && scope->isAncestorOf(candidate)) {
              focusAndReveal(candidate);
              return;
            }
        focusFirst(scope);
      },
      Qt::QueuedConnection);
}

}  // namespace tidewell::design::KeyboardFocus
