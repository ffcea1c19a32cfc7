#pragma once
// The look of the filled capsule of primary actions and of the quiet
// capsule of secondary ones, with their paint functions; the button
// widgets are PillButton and GhostPillButton.

#include <QColor>
#include <QFont>
#include <QRectF>
#include <QString>
#include <optional>

#include "design/paint/Shadow.h"
#include "design/symbols/SymbolTable.h"
#include "design/theme/SectionPalette.h"

class QPainter;

namespace tidewell::design {

struct PillButtonLook {
  std::optional<QColor> tint;  // none: the white fill, glowing in the section accent
  QColor textColor;
  double fontSize = 13;
  double horizontalPadding = 18;
  double verticalPadding = 10;
  bool operator==(const PillButtonLook&) const = default;
};

// A symbol after a label's title, at a size and weight of its own
// ("Review 2.3 GB of junk" followed by an 11-point bold arrow, 7 apart).
struct TrailingSymbol {
  SymbolName name;
  double size = 11;
  FontWeight weight = FontWeight::Bold;
  double spacing = 7;
  bool operator==(const TrailingSymbol&) const = default;
};

// A button's label: a title, optionally led by a symbol and optionally
// followed by one.
struct PillLabel {
  QString title;
  std::optional<SymbolName> symbol;
  std::optional<TrailingSymbol> trailing = std::nullopt;
  bool operator==(const PillLabel&) const = default;
};

// Press feedback of both pills: 97 % size about the centre, 85 % opacity.
inline constexpr double kPressedScale = 0.97;
inline constexpr double kPressedOpacity = 0.85;

// Label layout shared by the pills: symbol box, gap, then the title.
QSizeF pillLabelSize(const QFont& font, const PillLabel& label);
void paintPillLabel(QPainter& painter, const QRectF& rect, const QFont& font, const QColor& colour,
                    const PillLabel& label);

QFont pillFont(const PillButtonLook& look);
// Capsule size: the label plus the paddings.
QSizeF pillSize(const PillButtonLook& look, const PillLabel& label);
// The glow: the tint (or the accent's primary) at 0.35, radius 12, 4 down.
Shadow pillShadow(const PillButtonLook& look, const SectionPalette& accent);

// The capsule filling rect, and its glow.
void paintPillBody(QPainter& painter, const QRectF& rect, const PillButtonLook& look, const PillLabel& label,
                   bool pressed);
void paintPillShadow(QPainter& painter, const QRectF& rect, const PillButtonLook& look,
                     const SectionPalette& accent, bool pressed);

// The quiet pill: Inter medium 12, white at 0.85, padding 14 x 8, raised
// surface with a hairline border, no glow.
QFont ghostPillFont();
QSizeF ghostPillSize(const PillLabel& label);
// The label's colour unless a button gives its own ("Stop" in red).
QColor ghostPillForeground();
void paintGhostPill(QPainter& painter, const QRectF& rect, const PillLabel& label, bool pressed,
                    const QColor& foreground = ghostPillForeground());

// Applies the pressed look about rect's centre to painter.
void applyPressedLook(QPainter& painter, const QRectF& rect, bool pressed);

}  // namespace tidewell::design
