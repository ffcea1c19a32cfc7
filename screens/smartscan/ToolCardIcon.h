#pragma once
// A tool card's icon: a 36-point circle of the tool's colour at 0.15 with
// the tool's symbol over it (15 semibold) in that colour. GUI thread only.

#include <QColor>
#include <QWidget>

#include "design/symbols/SymbolTable.h"

namespace tidewell::screens {

class ToolCardIcon : public QWidget {
  Q_OBJECT
  Q_PROPERTY(QString symbolName READ symbolName)
 public:
  ToolCardIcon(design::SymbolName symbol, QColor primary, QWidget* parent = nullptr);

  QString symbolName() const { return symbol_.text(); }
  QSize sizeHint() const override { return {36, 36}; }

 protected:
  void paintEvent(QPaintEvent* event) override;

 private:
  design::SymbolName symbol_;
  QColor primary_;
};

}  // namespace tidewell::screens
