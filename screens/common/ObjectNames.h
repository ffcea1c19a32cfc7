#pragma once
// How screen widgets are found and read by tests and renderers; every
// section follows it.
//
// - A widget that a test clicks or reads carries an objectName in lower
//   camel case that names its role, not its look: "scanButton", "sortMenu",
//   "resultBanner", "bannerDismiss". Repeated widgets (cards, rows) share one
//   name and are told apart by their key (setKey: the record's id or path).
// - A widget that shows a text exposes it as the Qt property "text"
//   (TextLabel, IconLabel, Badge, the buttons); a screen header exposes
//   "title" and "subtitle". The property holds the whole text, before any
//   eliding; TextLabel::visibleLines() gives what is painted.
// - Names are given where a widget is made: named(new TextLabel(...), "summary").

#include <QObject>
#include <QString>
#include <QVariant>

namespace tidewell::screens {

template <typename W>
W* named(W* widget, const char* objectName) {
  widget->setObjectName(QString::fromLatin1(objectName));
  return widget;
}

// The key that tells one of several equally named widgets from the others.
inline void setKey(QObject* widget, const QString& key) { widget->setProperty("key", key); }
inline QString keyOf(const QObject* widget) { return widget->property("key").toString(); }

}  // namespace tidewell::screens
