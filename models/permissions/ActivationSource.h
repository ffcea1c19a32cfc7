#pragma once
// Tells models that the application became active again (the user came
// back from another window, say from the system's settings). The
// application shell emits activated() when the application turns active;
// tests emit it themselves. Lives on the GUI thread.

#include <QObject>

namespace tidewell::models {

class ActivationSource : public QObject {
  Q_OBJECT

 public:
  using QObject::QObject;

 Q_SIGNALS:
  void activated();
};

}  // namespace tidewell::models
