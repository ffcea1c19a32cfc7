#pragma once
// A symbol on a tinted shape of a fixed side: the round badge of a bucket
// row (26 across) and the rounded kind tile of a big-item card (34, corner
// radius 10). GUI thread only.

#include <QWidget>

#include "design/symbols/SymbolTable.h"
#include "design/type/FontWeight.h"

namespace tidewell::screens {

struct TintedTileLook {
  double side = 26;
  // Of the rounded rectangle; half the side or more draws a circle.
  double cornerRadius = 13;
  QColor fill;
  design::SymbolName symbol{QString()};
  double symbolSize = 12;
  design::FontWeight symbolWeight = design::FontWeight::Semibold;
  QColor symbolColour;
  bool operator==(const TintedTileLook&) const = default;
};

void paintTintedTile(QPainter& painter, const QRectF& rect, const TintedTileLook& look);

class TintedTile : public QWidget {
  Q_OBJECT
  Q_PROPERTY(QString symbolName READ symbolName)
 public:
  explicit TintedTile(TintedTileLook look, QWidget* parent = nullptr);

  const TintedTileLook& look() const { return look_; }
  void setLook(const TintedTileLook& look);
  QString symbolName() const { return look_.symbol.text(); }
  QSize sizeHint() const override;

 protected:
  void paintEvent(QPaintEvent* event) override;

 private:
  TintedTileLook look_;
};

}  // namespace tidewell::screens
