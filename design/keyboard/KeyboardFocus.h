#pragma once
// How our controls work from the keyboard, one policy for the program:
// - A control made focusable takes the focus from Tab and from clicks and,
//   while it has the focus and the keyboard is in use, shows the focus ring
//   in its shape. The keyboard is in use from a key press until the next
//   pointer press or until a new window appears, so no window opens with a
//   ring nobody asked for, and a click never leaves one behind.
// - Tab and Shift+Tab move through the window's controls in tabStops()
//   order, scrolling the one reached into view.
// - Space and Return press the focused control: a button is clicked, any
//   other control runs its press action (AccessibleTraits::press). In a
//   dialog Return presses nothing, since no button of ours is a default
//   one: the dialog decides what Return does.
// - The focus is never lost: a page without a control rests it on what it
//   reads until a control appears (focusFirst), and a focused control that
//   goes away hands it to its nearest neighbour (handOverFocus, below a
//   widget that keepFocusNear() marks: each screen's PageHost).
// Installed on the application once, by the first control made focusable.
// GUI thread only.

#include <QList>

#include "design/keyboard/FocusRing.h"

class QWidget;

namespace tidewell::design::KeyboardFocus {

void makeFocusable(QWidget* control, FocusRingShape shape = {});
// Whether control was made focusable (it may have given the focus up since).
bool isFocusable(const QWidget* control);
FocusRingShape shapeOf(const QWidget* control);
void setShape(QWidget* control, FocusRingShape shape);

// Whether the keyboard is in use (see above).
bool isKeyboardInUse();
// The control the ring is shown on now, or nullptr.
QWidget* ringedControl();

// The controls below widget that Tab stops at, in the order Tab takes:
// the order they are laid out in (a widget before what it holds, the
// children its layout places in that order, nested layouts included, then
// the others as made), not the order they were made in, so rows filled in
// later and a banner put above a list come where they are shown.
QList<QWidget*> tabStops(QWidget* widget);

// Whether the focus of widget's window is widget or below it.
bool holdsFocus(const QWidget* widget);
// Gives the focus to the first control below widget that Tab would reach.
// Below a widget with no control yet (a page that only shows progress) it
// rests on the first thing there a reader reads (a named text, figure or
// gauge; widget itself when there is none), so a screen reader says where
// the user is and the next Tab starts there; the first control that then
// appears below widget takes it, unless the focus has moved on meanwhile.
void focusFirst(QWidget* widget);
// For going, a widget below scope that holds the focus and is going away
// (hidden or disabled, not yet deleted): once the change that takes it away
// has run its course, the focus goes to its nearest neighbour in Tab's
// order below scope, the first control after it, else the last one before
// it, else as focusFirst(scope); never to the window's start or to nothing.
// Nothing happens when the focus has moved on meanwhile.
void handOverFocus(QWidget* going, QWidget* scope);
// Makes scope a place where a focused control that is hidden goes to its
// nearest neighbour (handOverFocus below the outermost such place above
// it). Qt would instead move the focus along the order the widgets were
// made in, round to the window's start, so scope's focusNextPrevChild()
// asks handsOverFocus() first.
void keepFocusNear(QWidget* scope);
// Whether the focus of scope's window is on a widget below scope that is
// going away (hidden or disabled); then it is handed over (handOverFocus)
// and Qt's own move must not happen.
bool handsOverFocus(QWidget* scope);

void install();

}  // namespace tidewell::design::KeyboardFocus
