#pragma once
// The top band of the review screen: "Found … of junk." over the subline
// on the left, and the "Safe only", "All" and "None" buttons on the right.
// The screen hands it the title; the buttons say safeOnlyRequested,
// allRequested and noneRequested. Children "reviewTitle",
// "reviewSubline", "safeOnlyButton", "allButton", "noneButton". GUI
// thread only.

#include <QWidget>

namespace tidewell::screens {

class TextLabel;

class ReviewHeader : public QWidget {
  Q_OBJECT
 public:
  explicit ReviewHeader(QWidget* parent = nullptr);

  void setTitle(const QString& title);

 Q_SIGNALS:
  void safeOnlyRequested();
  void allRequested();
  void noneRequested();

 private:
  TextLabel* title_;
};

}  // namespace tidewell::screens
