#pragma once
// A tinted square holding a symbol: corner radius 0.32 of the side, the
// accent's primary at 0.14 with a 0.25 border, the symbol at 0.45 of the
// side in the primary colour.

#include <QWidget>
#include <optional>

#include "design/symbols/SymbolTable.h"
#include "design/theme/SectionPalette.h"

namespace tidewell::design {

inline double iconChipRadius(double size) { return 0.32 * size; }
inline double iconChipSymbolSize(double size) { return 0.45 * size; }
void paintIconChip(QPainter& painter, const QRectF& rect, const SymbolName& symbol,
                   const SectionPalette& accent);

class IconChip : public QWidget {
  Q_OBJECT
 public:
  IconChip(SymbolName symbol, double size, QWidget* parent = nullptr);

  // A palette of its own instead of the section accent (none: the accent).
  void setExplicitPalette(std::optional<SectionPalette> palette);
  QSize sizeHint() const override;

 protected:
  void paintEvent(QPaintEvent* event) override;

 private:
  SymbolName symbol_;
  double size_;
  std::optional<SectionPalette> palette_;
};

}  // namespace tidewell::design
