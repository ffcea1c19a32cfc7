#pragma once
// The bar under a review (the Clean review, Dev Mode): the stand-in for
// the ultra-thin material across its width, a hairline along its top edge,
// and a row of its content padded 20 left and right and 14 above and
// below, 16 apart. Add the content to row(). GUI thread only.

#include <QWidget>

class QHBoxLayout;

namespace tidewell::screens {

class FooterBar : public QWidget {
  Q_OBJECT
 public:
  explicit FooterBar(QWidget* parent = nullptr);
  QHBoxLayout* row() const { return row_; }

 protected:
  void paintEvent(QPaintEvent* event) override;

 private:
  QHBoxLayout* row_;
};

}  // namespace tidewell::screens
