#pragma once
// A symbol and a line of text side by side, centred on one line, as the
// sidebar's quieter items use it (the Full Disk Access line and heading,
// the About row): the symbol at its own size, the text in its own look.

#include <QColor>
#include <QWidget>

#include "design/symbols/SymbolTable.h"
#include "screens/common/views/TextLook.h"

namespace tidewell::app {

QWidget* iconTextRow(const design::SymbolName& symbol, double symbolSize, const QColor& symbolColour,
                     const QString& text, const screens::TextLook& look, int spacing, QWidget* parent);

}  // namespace tidewell::app
