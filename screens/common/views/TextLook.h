#pragma once
// How a text of a screen is set: its font (always from design::inter), its
// colour, how many lines it may take and how it is cut. A plain value.

#include <QColor>
#include <QFont>

#include "design/theme/Color.h"
#include "design/type/FontWeight.h"
#include "design/type/InterFont.h"

namespace tidewell::screens {

struct TextLook {
  QFont font = design::inter(13);
  QColor colour = Qt::white;
  // Lines the text may take: 1 keeps it on one line; 0 lets it wrap onto
  // as many as it needs. Wrapping breaks at word boundaries, inside a word
  // only when one word is wider than the line.
  int maxLines = 1;
  // Lines of height kept even when the text needs fewer, so that cards of
  // one grid row line up.
  int reservedLines = 0;
  // Where a text too long for its lines is cut: at the end of the last line
  // (ElideRight), or, for one line only, in the middle (ElideMiddle) or at
  // the start (ElideLeft). ElideNone clips.
  Qt::TextElideMode elide = Qt::ElideRight;
  // Horizontal alignment of each line: AlignLeft, AlignHCenter or AlignRight.
  Qt::Alignment alignment = Qt::AlignLeft;
  // Digits in cells of equal width (one-line texts only).
  bool monospacedDigits = false;
  bool operator==(const TextLook&) const = default;

  TextLook lines(int count) const;
  TextLook reserving(int count) const;
  TextLook elided(Qt::TextElideMode mode) const;
  TextLook aligned(Qt::Alignment horizontal) const;
  TextLook centred() const { return aligned(Qt::AlignHCenter); }
  TextLook withMonospacedDigits() const;
  // Letter spacing in pixels ("FREE RIGHT NOW" is tracked 1.1).
  TextLook tracked(double pixels) const;
  TextLook coloured(const QColor& c) const;
};

// The look of a text: Inter (or the system's fixed-pitch font for the
// monospaced design) at size and weight, in colour, on one line.
TextLook textLook(double size, design::FontWeight weight = design::FontWeight::Regular,
                  const QColor& colour = Qt::white, design::FontDesign design = design::FontDesign::Default);

}  // namespace tidewell::screens
