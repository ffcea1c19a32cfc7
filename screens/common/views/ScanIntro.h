#pragma once
// The intro of a tool before its first scan: the round start button with
// its symbol and title over one caption line (13 regular, secondary),
// centred in all the room it gets, 26 apart, padded 28. Nothing starts on
// its own: the button runs start. Children "scanButton", "introCaption".
// GUI thread only.

#include <QWidget>
#include <functional>

#include "design/symbols/SymbolTable.h"

namespace tidewell::screens {

class ScanIntro : public QWidget {
  Q_OBJECT
 public:
  ScanIntro(design::SymbolName symbol, QString title, QString caption, std::function<void()> start,
            QWidget* parent = nullptr);
};

}  // namespace tidewell::screens
