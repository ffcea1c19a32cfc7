#include "screens/common/views/SymbolView.h"

#include <QPainter>
#include <cmath>

#include "design/accessibility/AccessibleTraits.h"
#include "design/paint/PaintKey.h"
#include "design/symbols/Symbol.h"
#include "design/theme/SectionAccent.h"

namespace tidewell::screens {

SymbolView::SymbolView(design::SymbolName symbol, double fontSize, design::FontWeight weight,
                       std::optional<QColor> colour, QWidget* parent)
    : QWidget(parent), symbol_(std::move(symbol)), fontSize_(fontSize), weight_(weight), colour_(colour) {
  // The words beside a symbol say what it shows.
  design::setHiddenFromAccessibility(this);
  setSizePolicy(QSizePolicy::Fixed, QSizePolicy::Fixed);
}

void SymbolView::setSymbol(const design::SymbolName& symbol) {
  if (symbol == symbol_) return;
  symbol_ = symbol;
  if (effect_) replaceEffect(effect_->kind());  // the layer count follows the symbol
  update();
}

void SymbolView::setColour(std::optional<QColor> colour) {
  if (colour == colour_) return;
  colour_ = colour;
  update();
}

QColor SymbolView::currentColour() const {
  return colour_ ? *colour_ : design::SectionAccent::of(this).primary;
}

void SymbolView::setEffect(std::optional<design::SymbolEffect::Kind> effect) {
  // Asked again for the effect it runs, it keeps running in step.
  if (effect == this->effect()) return;
  replaceEffect(effect);
  update();
}

void SymbolView::replaceEffect(std::optional<design::SymbolEffect::Kind> effect) {
  if (effect_) {
    effect_->stop();
    effect_->deleteLater();
    effect_ = nullptr;
  }
  if (effect) {
    effect_ = new design::SymbolEffect(*effect, this, design::symbolLayerCount(symbol_));
    effect_->start();
  }
}

std::optional<design::SymbolEffect::Kind> SymbolView::effect() const {
  if (!effect_) return std::nullopt;
  return effect_->kind();
}

QSize SymbolView::sizeHint() const {
  const int side = int(std::ceil(design::symbolSide(fontSize_)));
  return {side, side};
}

void SymbolView::paintEvent(QPaintEvent*) {
  QPainter painter(this);
  painter.setRenderHint(QPainter::Antialiasing);
  painter.setRenderHint(QPainter::SmoothPixmapTransform);
  const QRectF box = design::symbolBox(QRectF(rect()).center(), fontSize_);
  const design::SymbolFrame frame = effect_ ? effect_->frame() : design::SymbolFrame{};
  const QColor colour = currentColour();
  design::PaintKey key;
  key.add(symbol_.text(), fontSize_, weight_, colour, frame.opacity, frame.scale);
  for (double layer : frame.layerOpacity) key.add(layer);
  paintCache_.paint(painter, size(), key,
                    [&](QPainter& p) { design::drawSymbol(p, symbol_, box, weight_, colour, frame); });
}

}  // namespace tidewell::screens
