#pragma once
// Finding, reading, clicking and rendering screen widgets offscreen, for the
// screen tests and the renderers (see screens/common/ObjectNames.h for how
// widgets are named and expose their texts). Nothing here asserts: a
// widget not found is nullptr, and the test says what it expected. GUI
// thread only; widgets need not be shown, but render() shows them (at their
// size, offscreen), since some parts wait to be on screen.

#include <QColor>
#include <QImage>
#include <QList>
#include <QPoint>
#include <QString>
#include <QWidget>
#include <optional>

namespace tidewell::probe {

// Before anything is laid out or drawn: registers the bundled fonts, so
// texts are measured in Inter, and stands motion still. Idempotent.
void prepare();

// Delivers what is posted (layouts, queued calls, deleted widgets) for a
// fixed number of rounds (six unless told), without looking whether
// anything is left.
void settle(int rounds = 6);

// The first widget below root (root itself included) whose objectName is
// name and that is a T, in tree order; with a key, the first that also has
// that key (setKey). nullptr when there is none.
template <typename T = QWidget>
T* find(QObject* root, const QString& name, const QString& key = {});
// Every such widget, in tree order.
template <typename T = QWidget>
QList<T*> findAll(QObject* root, const QString& name);

// The text a widget shows: its "text" property, else its "title".
QString textOf(const QObject* widget);
// The texts of every widget named name below root, in tree order.
QStringList textsOf(QObject* root, const QString& name);

// Whether widget would be seen: it and every ancestor up to its window are
// not hidden, whether or not the window itself is shown.
bool isShown(const QWidget* widget);

// A left click at pos (default: the centre) of widget, delivered to the
// deepest child there as a real click would be (and passed up to parents
// that take it), then settled. False when widget is null.
bool click(QWidget* widget, std::optional<QPoint> pos = std::nullopt);
// A key press and release sent to the widget that has the focus in
// widget's window (widget itself when none has).
void pressKey(QWidget* widget, int key, Qt::KeyboardModifiers modifiers = Qt::NoModifier);
// The pointer entering and leaving widget.
void hover(QWidget* widget, bool inside);

// widget laid out at size (its own size when empty), shown offscreen and
// drawn with its children onto the window background at devicePixelRatio.
QImage render(QWidget* widget, QSize size = {}, double devicePixelRatio = 1);
// The colour at p (in device-independent pixels) of an image from render().
QColor pixel(const QImage& image, QPointF p);
// Where widget lies in root's coordinates.
QRect rectIn(const QWidget* widget, const QWidget* root);

// ---- template definitions

QList<QWidget*> findAllWidgets(QObject* root, const QString& name);

template <typename T>
QList<T*> findAll(QObject* root, const QString& name) {
  QList<T*> out;
  for (QWidget* w : findAllWidgets(root, name))
    if (T* t = qobject_cast<T*>(w)) out.append(t);
  return out;
}

template <typename T>
T* find(QObject* root, const QString& name, const QString& key) {
  for (T* t : findAll<T>(root, name))
    if (key.isEmpty() || t->property("key").toString() == key) return t;
  return nullptr;
}

}  // namespace tidewell::probe
