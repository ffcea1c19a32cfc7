#pragma once
// A short figure line in the section accent, led by a symbol: "+1.2 GB so
// far" on the start page, "~41 GB free after this" in the review footer.
// The symbol is bold at its own size; the text is Inter semibold with
// monospaced digits. The "text" property is the text. GUI thread only.

#include <QWidget>

#include "design/symbols/SymbolTable.h"

namespace tidewell::screens {

class AccentLabel;
class SymbolView;

struct AccentFigureLook {
  double symbolSize = 10;
  double textSize = 12;
  int spacing = 5;
};

class AccentFigure : public QWidget {
  Q_OBJECT
  Q_PROPERTY(QString text READ text WRITE setText)
 public:
  AccentFigure(design::SymbolName symbol, AccentFigureLook look, QWidget* parent = nullptr);

  QString text() const;
  void setText(const QString& text);
  SymbolView* symbolView() const { return symbol_; }
  AccentLabel* label() const { return label_; }

 private:
  SymbolView* symbol_;
  AccentLabel* label_;
};

}  // namespace tidewell::screens
