#pragma once
// A title-and-icon label: a symbol, then a text, side by side and centred
// vertically ("arrow.uturn.backward" + "You can undo this from the
// Trash."). The symbol takes the text's size and weight and, unless given
// its own colour, the text's colour. GUI thread only.

#include <QWidget>
#include <optional>

#include "design/symbols/SymbolTable.h"
#include "screens/common/views/TextLook.h"

namespace tidewell::screens {

class SymbolView;
class TextLabel;

class IconLabel : public QWidget {
  Q_OBJECT
  Q_PROPERTY(QString text READ text WRITE setText)
  Q_PROPERTY(QString symbolName READ symbolName)
 public:
  IconLabel(design::SymbolName symbol, QString text, TextLook look,
            std::optional<QColor> symbolColour = std::nullopt, double spacing = 6, QWidget* parent = nullptr);

  QString text() const;
  void setText(const QString& text);
  QString symbolName() const;
  SymbolView* symbolView() const { return symbol_; }
  TextLabel* label() const { return label_; }

 private:
  SymbolView* symbol_;
  TextLabel* label_;
};

}  // namespace tidewell::screens
