#pragma once
// One tile of the popover's quick grid: an icon chip in the card's accent,
// the title (Inter semibold 12, white) and empty space, on a rounded card
// that takes the accent's colour while the pointer is over it (at once, no
// animation). Its title is also the section it opens. GUI thread only.

#include <QAbstractButton>

#include "design/symbols/SymbolTable.h"
#include "design/theme/SectionPalette.h"

namespace tidewell::app {

struct QuickCardLook {
  QString title;
  design::SymbolName symbol;
  design::SectionPalette accent;
  bool hovering = false;
};

// Padding 10 x 9, a 24-point chip, 8 to the title.
double quickCardHeight();
void paintQuickCard(QPainter& painter, const QRectF& rect, const QuickCardLook& look);

class QuickCard : public QAbstractButton {
  Q_OBJECT
 public:
  // A click is reported by clicked().
  QuickCard(QString title, design::SymbolName symbol, design::SectionPalette accent,
            QWidget* parent = nullptr);

  const QuickCardLook& look() const { return look_; }
  bool isHovering() const { return look_.hovering; }
  // What the pointer does; public so the look can be shown without one.
  void setHovering(bool hovering);

  QSize sizeHint() const override;
  QSize minimumSizeHint() const override;

 protected:
  void paintEvent(QPaintEvent* event) override;
  void enterEvent(QEnterEvent* event) override;
  void leaveEvent(QEvent* event) override;

 private:
  QuickCardLook look_;
};

}  // namespace tidewell::app
