#pragma once
// What a screen reader's bridge would be told, for the tests: while a log
// is alive, Qt's accessibility is switched on as an assistive technology
// switches it on (on the offscreen platform nothing else does), and every
// event the program sends is recorded with what it is about, read at the
// moment it arrives. One log at a time; when it goes, accessibility is off
// again and the previous update handler is back. GUI thread only.

#include <QAccessible>
#include <QString>
#include <QVariant>
#include <vector>

class QObject;

namespace tidewell::testing {

struct HeardEvent {
  QAccessible::Event type = QAccessible::InvalidEvent;
  // The object the event names: a widget, or, for an item of one (a
  // segment, a menu entry), the widget that holds it when the event names
  // it by its holder, else nullptr.
  const QObject* object = nullptr;
  // The widget that holds what the event is about (nullptr for a top
  // level); for an item, the control it belongs to.
  const QObject* parentObject = nullptr;
  // What the event is about, as it read when the event arrived.
  QAccessible::Role role = QAccessible::NoRole;
  QString name;
  QString description;
  QString valueText;
  QAccessible::State state;
  // A value change: the value it carries.
  QVariant value;
  // A state change: the states that changed.
  QAccessible::State changed;
};

class AccessibleEventLog {
 public:
  AccessibleEventLog();
  ~AccessibleEventLog();
  AccessibleEventLog(const AccessibleEventLog&) = delete;
  AccessibleEventLog& operator=(const AccessibleEventLog&) = delete;

  // Whether Qt's accessibility could be switched on (the platform has a
  // bridge to switch); nothing is recorded otherwise.
  bool isListening() const { return listening_; }

  const std::vector<HeardEvent>& events() const { return events_; }
  // The events of type, in order; with an object, only those about it
  // (naming it, or an item it holds).
  std::vector<HeardEvent> of(QAccessible::Event type, const QObject* object = nullptr) const;
  void clear() { events_.clear(); }

 private:
  static void record(QAccessibleEvent* event);

  bool listening_ = false;
  QAccessible::UpdateHandler previous_ = nullptr;
  std::vector<HeardEvent> events_;
};

// A readable name of an event type ("ValueChanged"), for messages.
const char* eventName(QAccessible::Event type);

}  // namespace tidewell::testing
