#pragma once
// The result screen after a cleanup: the result ring, sweeping from empty
// to full over 1.8 s each time it is shown, around the bytes reclaimed
// (counting up over the same time) or "All done" when nothing was freed;
// the headline; the free space before and after; the card naming the
// items that would not budge, when any; and "Done". Built for one outcome;
// the screen makes a new one for another. objectName "resultPanel";
// children "resultRing", "allDone", "reclaimedCount", "reclaimedWord",
// "resultHeadline", "resultSubline", "freeBefore", "freeAfter",
// "failuresCard", "failuresTitle", "failuresSentence", "doneButton". A
// reader hears it as an alert when it is shown: "All clean!" and what was
// reclaimed. "Done" reports doneClicked(). GUI thread only.

#include <QWidget>

#include "screens/clean/rules/CleanedRules.h"

namespace tidewell::screens {

class ProgressRing;

class ResultPanel : public QWidget {
  Q_OBJECT
 public:
  ResultPanel(const CleanedContent& content, int64_t freedBytes, QWidget* parent = nullptr);

  ProgressRing* ring() const { return ring_; }

 Q_SIGNALS:
  void doneClicked();

 protected:
  void showEvent(QShowEvent* event) override;

 private:
  ProgressRing* ring_;
};

}  // namespace tidewell::screens
