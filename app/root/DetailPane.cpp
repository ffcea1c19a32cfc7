#include "app/root/DetailPane.h"

#include <QVBoxLayout>

#include "design/keyboard/KeyboardFocus.h"
#include "design/theme/SectionAccent.h"

namespace tidewell::app {

DetailPane::DetailPane(Factory factory, QWidget* parent) : QWidget(parent), factory_(std::move(factory)) {
  setObjectName(QStringLiteral("detailPane"));
  auto* layout = new QVBoxLayout(this);
  layout->setContentsMargins(0, 0, 0, 0);
  layout->setSpacing(0);
}

void DetailPane::show(Section section) {
  design::SectionAccent::set(this, sectionPalette(section));
  if (section_ == section && screen_) return;
  // A screen that goes with the keyboard focus (or the pane holding it
  // between screens) hands it to the next one.
  const bool carry = design::KeyboardFocus::holdsFocus(this);
  if (carry) setFocus(Qt::OtherFocusReason);
  if (screen_) {
    screen_->hide();
    // The old screen may be the one whose click changed the section.
    screen_->deleteLater();
  }
  section_ = section;
  screen_ = factory_ ? factory_(section) : nullptr;
  if (!screen_) return;
  ++built_;
  if (screen_->objectName().isEmpty())
    screen_->setObjectName(QStringLiteral("screen:") + sectionTitle(section));
  layout()->addWidget(screen_);
  screen_->show();
  if (carry) design::KeyboardFocus::focusFirst(screen_);
}

}  // namespace tidewell::app
