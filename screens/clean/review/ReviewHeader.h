#pragma once
// The top band of the review screen: "Found … of junk." over the subline
// on the left, and the "Safe only", "All" and "None" buttons on the right.
// The screen hands it the title and what the buttons do. Children
// "reviewTitle", "reviewSubline", "safeOnlyButton", "allButton",
// "noneButton". GUI thread only.

#include <QWidget>
#include <functional>

namespace tidewell::screens {

class TextLabel;

class ReviewHeader : public QWidget {
  Q_OBJECT
 public:
  struct Actions {
    std::function<void()> safeOnly, all, none;
  };
  explicit ReviewHeader(Actions actions, QWidget* parent = nullptr);

  void setTitle(const QString& title);

 private:
  TextLabel* title_;
};

}  // namespace tidewell::screens
