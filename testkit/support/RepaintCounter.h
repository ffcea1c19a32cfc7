#pragma once
// Counts the drawing a widget tree asks for: every paint event and update
// request reaching the root or a widget below it (those there when the
// counter is made). A screen at rest asks for none; one whose paint sets
// its own state asks again and again. GUI thread only.

#include <QEvent>
#include <QObject>
#include <QSet>
#include <QStringList>
#include <QWidget>

namespace tidewell::testing {

class RepaintCounter : public QObject {
 public:
  explicit RepaintCounter(QWidget* root) {
    watch(root);
    for (QWidget* child : root->findChildren<QWidget*>()) watch(child);
  }

  int count() const { return count_; }
  // The widgets that were painted or asked to be, by class and object name.
  QStringList who() const { return QStringList(who_.begin(), who_.end()); }
  void reset() {
    count_ = 0;
    who_.clear();
  }

 protected:
  bool eventFilter(QObject* watched, QEvent* event) override {
    if (event->type() == QEvent::Paint || event->type() == QEvent::UpdateRequest) {
      ++count_;
      who_.insert(QString::fromLatin1(watched->metaObject()->className()) + QLatin1Char(':') +
                  watched->objectName());
    }
    return false;
  }

 private:
  void watch(QWidget* widget) { widget->installEventFilter(this); }

  int count_ = 0;
  QSet<QString> who_;
};

}  // namespace tidewell::testing
