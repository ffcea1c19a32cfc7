#include "screens/common/views/TextLook.h"

namespace tidewell::screens {

TextLook TextLook::lines(int count) const {
  TextLook s = *this;
  s.maxLines = std::max(0, count);
  return s;
}

TextLook TextLook::reserving(int count) const {
  TextLook s = *this;
  s.reservedLines = std::max(0, count);
  return s;
}

TextLook TextLook::elided(Qt::TextElideMode mode) const {
  TextLook s = *this;
  s.elide = mode;
  return s;
}

TextLook TextLook::aligned(Qt::Alignment horizontal) const {
  TextLook s = *this;
  s.alignment = horizontal & Qt::AlignHorizontal_Mask;
  return s;
}

TextLook TextLook::withMonospacedDigits() const {
  TextLook s = *this;
  s.monospacedDigits = true;
  return s;
}

TextLook TextLook::tracked(double pixels) const {
  TextLook s = *this;
  s.font.setLetterSpacing(QFont::AbsoluteSpacing, pixels);
  return s;
}

TextLook TextLook::coloured(const QColor& c) const {
  TextLook s = *this;
  s.colour = c;
  return s;
}

TextLook textLook(double size, design::FontWeight weight, const QColor& colour, design::FontDesign design) {
  TextLook s;
  s.font = design::inter(size, weight, design);
  s.colour = colour;
  return s;
}

}  // namespace tidewell::screens
