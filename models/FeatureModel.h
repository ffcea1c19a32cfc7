#pragma once
// The base of every feature model: a GUI-thread QObject that publishes its
// fields. Each published field has a getter and a NOTIFY-style signal of its
// own, and after every published write the model also emits changed(), so a
// screen (or the Smart Scan controller) can follow all of a model at once.
// Writes notify even when the value is equal, as screens expect.
//
// Ownership: the window's root view holds its models through shared_ptr
// (create them with std::make_shared). An operation the user started (a
// clean, a trash, an uninstall, a scan) takes keepAlive() before its first
// await, so closing the window never cuts it off: the model lives until the
// operation has finished and recorded its result. A model made without a
// shared_ptr (a test on the stack) must outlive its operations itself.

#include <QObject>
#include <memory>
#include <type_traits>
#include <utility>

namespace tidewell::models {

class FeatureModel : public QObject, public std::enable_shared_from_this<FeatureModel> {
  Q_OBJECT

 public:
  using QObject::QObject;

 Q_SIGNALS:
  // After every published write.
  void changed();

 protected:
  // A strong reference for a running operation; empty when the model is not
  // owned by a shared_ptr.
  std::shared_ptr<FeatureModel> keepAlive() { return weak_from_this().lock(); }

  // field = value, then the field's own signal, then changed(). The signal
  // may be declared by a base of Owner (models that share fields).
  template <typename Owner, typename Declarer, typename T, typename V>
  void publish(Owner* owner, T& field, V&& value, void (Declarer::*notify)()) {
    static_assert(std::is_base_of_v<Declarer, Owner>);
    field = std::forward<V>(value);
    (owner->*notify)();
    Q_EMIT changed();
  }
};

}  // namespace tidewell::models
