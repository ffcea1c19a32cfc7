#pragma once
// A system symbol standing alone (a state's big symbol, a row's icon): drawn
// at a text size and weight, centred in the widget, in a colour or the
// section accent's primary. It may run a repeating symbol effect: the pulse
// of scanning states, or the iterative variable colour of the cleaning
// ring; under reduce motion the symbol stands still. Its natural size is
// the symbol's square; a caller may frame it wider ("framed 22 wide").
// GUI thread only.

#include <QWidget>
#include <optional>

#include "design/paint/PaintCache.h"
#include "design/symbols/SymbolEffect.h"
#include "design/symbols/SymbolTable.h"
#include "design/type/FontWeight.h"

namespace tidewell::screens {

class SymbolView : public QWidget {
  Q_OBJECT
  Q_PROPERTY(QString symbolName READ symbolName)
 public:
  // colour: none draws in the section accent's primary.
  SymbolView(design::SymbolName symbol, double fontSize,
             design::FontWeight weight = design::FontWeight::Regular,
             std::optional<QColor> colour = std::nullopt, QWidget* parent = nullptr);

  const design::SymbolName& symbol() const { return symbol_; }
  QString symbolName() const { return symbol_.text(); }
  void setSymbol(const design::SymbolName& symbol);
  void setColour(std::optional<QColor> colour);
  // The colour it draws in now.
  QColor currentColour() const;

  // Runs effect, repeating, while shown (none: stops it); the effect it
  // already runs goes on undisturbed.
  void setEffect(std::optional<design::SymbolEffect::Kind> effect);
  // The pulse of scanning states.
  void pulse() { setEffect(design::SymbolEffect::Kind::Pulse); }
  std::optional<design::SymbolEffect::Kind> effect() const;

  QSize sizeHint() const override;

 protected:
  void paintEvent(QPaintEvent* event) override;

 private:
  void replaceEffect(std::optional<design::SymbolEffect::Kind> effect);

  design::SymbolName symbol_;
  double fontSize_;
  design::FontWeight weight_;
  std::optional<QColor> colour_;
  design::SymbolEffect* effect_ = nullptr;
  design::PaintCache paintCache_;
};

}  // namespace tidewell::screens
