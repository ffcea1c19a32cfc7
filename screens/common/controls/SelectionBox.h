#pragma once
// The tick box of a selection: 20 x 20, corner radius 6 (continuous). On
// and mixed: filled and edged in the section accent's primary, with a
// "checkmark" or a "minus" (11 bold) in the check colour the screen gives.
// Off: white at 0.05, edged in white at 0.25, empty. A button: a click
// reports clicked(); a box that only shows a row's state (the row itself
// toggles) lets clicks through with setClickable(false). GUI thread only.

#include <QAbstractButton>

namespace tidewell::screens {

enum class SelectionMark { off, on, mixed };

// The mark of a group: off when nothing of it is selected, on when all of
// it is, mixed otherwise (a group of none is off).
SelectionMark selectionMark(qsizetype selected, qsizetype count);

inline constexpr double kSelectionBoxSide = 20;

void paintSelectionBox(QPainter& painter, const QRectF& rect, SelectionMark mark, const QColor& accent,
                       const QColor& checkColour);

class SelectionBox : public QAbstractButton {
  Q_OBJECT
 public:
  explicit SelectionBox(QColor checkColour, SelectionMark mark = SelectionMark::off,
                        QWidget* parent = nullptr);

  SelectionMark mark() const { return mark_; }
  void setMark(SelectionMark mark);
  void setClickable(bool clickable);

  QSize sizeHint() const override;
  QSize minimumSizeHint() const override { return sizeHint(); }

 protected:
  void paintEvent(QPaintEvent* event) override;

 private:
  QColor checkColour_;
  SelectionMark mark_;
};

}  // namespace tidewell::screens
