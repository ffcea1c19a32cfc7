#pragma once
// What the review screen shows when the scan found nothing: the seal,
// "Nothing to clean", the reassurance and "Scan Again". The screen hands
// it what the button does. objectName "reviewEmpty"; children
// "emptyTitle", "emptyMessage", "scanAgainButton". GUI thread only.

#include <QWidget>
#include <functional>

namespace tidewell::screens {

class ReviewEmptyState : public QWidget {
  Q_OBJECT
 public:
  explicit ReviewEmptyState(std::function<void()> scanAgain, QWidget* parent = nullptr);
};

}  // namespace tidewell::screens
