#pragma once
// What the review screen shows when the scan found nothing: the seal,
// "Nothing to clean", the reassurance and "Scan Again", which says
// scanAgainRequested. objectName "reviewEmpty"; children
// "emptyTitle", "emptyMessage", "scanAgainButton". GUI thread only.

#include <QWidget>

namespace tidewell::screens {

class ReviewEmptyState : public QWidget {
  Q_OBJECT
 public:
  explicit ReviewEmptyState(QWidget* parent = nullptr);

 Q_SIGNALS:
  void scanAgainRequested();
};

}  // namespace tidewell::screens
