#pragma once
// The section accent carried down the widget tree: a widget shows the
// palette set on it or on its nearest ancestor, and the clean palette when
// none is set (a window outside every section sees green). GUI thread only.

#include <optional>

#include "design/theme/SectionPalette.h"

class QWidget;

namespace tidewell::design::SectionAccent {

// Sets the palette for widget and everything below it, and repaints them
// (nothing when widget already has that palette set).
void set(QWidget* widget, const SectionPalette& palette);
// Removes a palette set on widget itself (descendants then inherit again).
void clear(QWidget* widget);
// The palette set on widget or its nearest ancestor, else the clean palette.
SectionPalette of(const QWidget* widget);
// The palette set on widget itself, if any.
std::optional<SectionPalette> setOn(const QWidget* widget);
// A palette given to a component explicitly wins over the tree's.
SectionPalette resolve(const QWidget* widget, const std::optional<SectionPalette>& explicitPalette);

}  // namespace tidewell::design::SectionAccent
