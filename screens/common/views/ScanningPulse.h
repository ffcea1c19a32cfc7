#pragma once
// The centre of a tool's scanning state: the tool's symbol (46 light, in
// the accent, pulsing while motion is allowed) over the title and a small
// spinner in the accent, centred, spacing apart. Children
// "scanningSymbol", "scanningTitle", "scanningSpinner". GUI thread only.

#include <QWidget>

#include "design/symbols/SymbolTable.h"
#include "screens/common/views/TextLook.h"

namespace tidewell::screens {

class ScanningPulse : public QWidget {
  Q_OBJECT
 public:
  ScanningPulse(design::SymbolName symbol, QString title, TextLook titleLook, int spacing,
                QWidget* parent = nullptr);
};

}  // namespace tidewell::screens
