#include "screens/common/views/TextStyle.h"

namespace tidewell::screens {

TextStyle TextStyle::lines(int count) const {
  TextStyle s = *this;
  s.maxLines = std::max(0, count);
  return s;
}

TextStyle TextStyle::reserving(int count) const {
  TextStyle s = *this;
  s.reservedLines = std::max(0, count);
  return s;
}

TextStyle TextStyle::elided(Qt::TextElideMode mode) const {
  TextStyle s = *this;
  s.elide = mode;
  return s;
}

TextStyle TextStyle::aligned(Qt::Alignment horizontal) const {
  TextStyle s = *this;
  s.alignment = horizontal & Qt::AlignHorizontal_Mask;
  return s;
}

TextStyle TextStyle::withMonospacedDigits() const {
  TextStyle s = *this;
  s.monospacedDigits = true;
  return s;
}

TextStyle TextStyle::tracked(double pixels) const {
  TextStyle s = *this;
  s.font.setLetterSpacing(QFont::AbsoluteSpacing, pixels);
  return s;
}

TextStyle TextStyle::coloured(const QColor& c) const {
  TextStyle s = *this;
  s.colour = c;
  return s;
}

TextStyle textStyle(double size, design::FontWeight weight, const QColor& colour, design::FontDesign design) {
  TextStyle s;
  s.font = design::inter(size, weight, design);
  s.colour = colour;
  return s;
}

}  // namespace tidewell::screens
