#include "design/theme/SectionAccent.h"

#include <QVariant>
#include <QWidget>

#include "design/paint/ShadowLayer.h"

namespace tidewell::design::SectionAccent {

namespace {
constexpr const char* kProperty = "tidewellSectionAccent";

void repaintTree(QWidget* widget) {
  // Glows in the accent are drawn by the shadow host, which may sit above.
  if (QWidget* host = ShadowLayer::hostOf(widget)) host->update();
  widget->update();
  for (QWidget* child : widget->findChildren<QWidget*>()) child->update();
}
}  // namespace

void set(QWidget* widget, const SectionPalette& palette) {
  if (!widget) return;
  // The detail pane sets its section's palette again on every phase change;
  // the same palette must not repaint the whole screen.
  const QVariant current = widget->property(kProperty);
  if (current.isValid() && current.canConvert<SectionPalette>() && current.value<SectionPalette>() == palette)
    return;
  widget->setProperty(kProperty, QVariant::fromValue(palette));
  repaintTree(widget);
}

void clear(QWidget* widget) {
  if (!widget || !widget->property(kProperty).isValid()) return;
  widget->setProperty(kProperty, QVariant());
  repaintTree(widget);
}

SectionPalette of(const QWidget* widget) {
  for (const QWidget* w = widget; w; w = w->parentWidget())
    if (const std::optional<SectionPalette> palette = setOn(w)) return *palette;
  return SectionPalette::clean();
}

std::optional<SectionPalette> setOn(const QWidget* widget) {
  if (!widget) return std::nullopt;
  const QVariant value = widget->property(kProperty);
  if (value.isValid() && value.canConvert<SectionPalette>()) return value.value<SectionPalette>();
  return std::nullopt;
}

SectionPalette resolve(const QWidget* widget, const std::optional<SectionPalette>& explicitPalette) {
  return explicitPalette ? *explicitPalette : of(widget);
}

}  // namespace tidewell::design::SectionAccent
