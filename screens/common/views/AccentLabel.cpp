#include "screens/common/views/AccentLabel.h"

#include "design/theme/SectionAccent.h"

namespace tidewell::screens {

AccentLabel::AccentLabel(QString text, TextLook look, QWidget* parent)
    : TextLabel(std::move(text), look, parent) {}

QColor AccentLabel::currentColour() const { return design::SectionAccent::of(this).primary; }

void AccentLabel::paintEvent(QPaintEvent* event) {
  // The accent is only known once the label is placed; setColour changes
  // nothing when it is already right.
  setColour(currentColour());
  TextLabel::paintEvent(event);
}

}  // namespace tidewell::screens
