#pragma once
// A plain button whose label is one symbol (the "xmark" that dismisses a
// banner): no fill, the symbol in its colour, dimmed while pressed. The
// hit area is the widget, a little larger than the symbol. GUI thread only.

#include <QAbstractButton>
#include <optional>

#include "design/symbols/SymbolTable.h"
#include "design/type/FontWeight.h"

namespace tidewell::screens {

class SymbolButton : public QAbstractButton {
  Q_OBJECT
  Q_PROPERTY(QString symbolName READ symbolName)
 public:
  // colour: none draws in the section accent's primary.
  SymbolButton(design::SymbolName symbol, double fontSize, design::FontWeight weight,
               std::optional<QColor> colour, QWidget* parent = nullptr);

  QString symbolName() const { return symbol_.text(); }
  void setColour(std::optional<QColor> colour);
  QSize sizeHint() const override;

 protected:
  void paintEvent(QPaintEvent* event) override;

 private:
  design::SymbolName symbol_;
  double fontSize_;
  design::FontWeight weight_;
  std::optional<QColor> colour_;
};

}  // namespace tidewell::screens
