#pragma once
// A symbol followed by a line of text, as the sidebar's quieter lines use
// it (the Full Disk Access line and heading, the About row): left-aligned,
// both centred on one line.

#include <QColor>
#include <QFont>
#include <QRectF>
#include <QString>
#include <QWidget>

#include "design/FontWeight.h"
#include "design/SymbolTable.h"

namespace tidewell::app {

struct IconText {
  design::SymbolName symbol;
  double symbolSize;  // the symbol stands in text of this size
  design::FontWeight symbolWeight;
  QColor symbolColour;
  QString text;
  QFont font;
  QColor textColour;
  double spacing;
};

QSizeF iconTextSize(const IconText& line);
// Draws line at rect's left edge, centred vertically.
void paintIconText(QPainter& painter, const QRectF& rect, const IconText& line);

class IconTextLabel : public QWidget {
  Q_OBJECT
 public:
  explicit IconTextLabel(IconText line, QWidget* parent = nullptr);
  QString text() const { return line_.text; }
  QSize sizeHint() const override;
  QSize minimumSizeHint() const override { return sizeHint(); }

 protected:
  void paintEvent(QPaintEvent* event) override;

 private:
  IconText line_;
};

}  // namespace tidewell::app
