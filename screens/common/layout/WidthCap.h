#pragma once
// Holds one widget at most a given width ("at most 440 wide"), aligned
// leading or centred in the width it gets, and as high as that widget needs
// at the capped width. Qt's box layouts ask a widget with a layout for its
// height at the full width of the column, whatever its maximum width, so a
// wrapping card with a maximum width alone would be given too little
// height; this container answers for the width the card really gets. GUI
// thread only.

#include <QWidget>

namespace tidewell::screens {

class WidthCap : public QWidget {
  Q_OBJECT
 public:
  // Takes child (becomes its parent). alignment: Qt::AlignLeft or AlignHCenter.
  WidthCap(QWidget* child, int maximumWidth, Qt::Alignment alignment = Qt::AlignLeft,
           QWidget* parent = nullptr);

  QWidget* child() const { return child_; }
  QSize sizeHint() const override;
  QSize minimumSizeHint() const override;
  bool hasHeightForWidth() const override { return true; }
  int heightForWidth(int width) const override;

 protected:
  void resizeEvent(QResizeEvent* event) override;
  bool event(QEvent* event) override;

 private:
  int childWidth(int width) const;
  int childHeight(int width) const;
  void place();

  QWidget* child_;
  int maximumWidth_;
  Qt::Alignment alignment_;
};

}  // namespace tidewell::screens
