#pragma once
// Keeps one widget per record across updates, keyed by the record's
// identity (an application's bundle path, a big item's id), so a re-sorted
// or refreshed list keeps each row's or card's view state (hover, a loaded
// icon) with its record. sync() returns the widgets in the records' order:
// the existing widget for a key seen before (after update() on it), a new
// one from make() otherwise. Widgets whose key is gone are hidden, taken
// out of the tree and deleted later (safe while one of them is handling the
// click that removed its record). Two records with one key get two
// widgets. GUI thread only.

#include <QList>
#include <QPointer>
#include <QWidget>
#include <map>

namespace tidewell::screens {

template <typename W, typename Key>
class KeyedWidgets {
 public:
  KeyedWidgets() = default;
  KeyedWidgets(const KeyedWidgets&) = delete;
  KeyedWidgets& operator=(const KeyedWidgets&) = delete;
  ~KeyedWidgets() = default;  // the widgets belong to their parents

  // keyOf(record) -> Key; make(record) -> W* (new); update(W*, record).
  template <typename Records, typename KeyOf, typename Make, typename Update>
  QList<W*> sync(const Records& records, KeyOf keyOf, Make make, Update update) {
    std::map<Key, QList<QPointer<W>>> previous;
    previous.swap(widgets_);
    QList<W*> ordered;
    for (const auto& record : records) {
      const Key key = keyOf(record);
      W* widget = nullptr;
      auto found = previous.find(key);
      while (found != previous.end() && !found->second.isEmpty() && !widget)
        widget = found->second.takeFirst();
      if (widget) {
        update(widget, record);
      } else {
        widget = make(record);
      }
      widgets_[key].append(widget);
      ordered.append(widget);
    }
    for (auto& [key, gone] : previous)
      for (const QPointer<W>& widget : gone) retire(widget);
    return ordered;
  }

  W* find(const Key& key) const {
    auto found = widgets_.find(key);
    if (found == widgets_.end()) return nullptr;
    for (const QPointer<W>& widget : found->second)
      if (widget) return widget;
    return nullptr;
  }

  qsizetype size() const {
    qsizetype n = 0;
    for (const auto& [key, list] : widgets_) n += list.size();
    return n;
  }

  // Retires every widget.
  void clear() {
    for (auto& [key, list] : widgets_)
      for (const QPointer<W>& widget : list) retire(widget);
    widgets_.clear();
  }

 private:
  static void retire(QWidget* widget) {
    if (!widget) return;
    widget->hide();
    widget->setParent(nullptr);
    widget->deleteLater();
  }

  std::map<Key, QList<QPointer<W>>> widgets_;
};

}  // namespace tidewell::screens
