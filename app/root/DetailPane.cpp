#include "app/root/DetailPane.h"

#include "design/theme/SectionAccent.h"

namespace tidewell::app {

DetailPane::DetailPane(Factory factory, QWidget* parent) : PageHost(parent), factory_(std::move(factory)) {
  setObjectName(QStringLiteral("detailPane"));
}

void DetailPane::showSection(Section section) {
  design::SectionAccent::set(this, sectionPalette(section));
  section_ = section;
  setPageFor(int(section), [this, section]() -> QWidget* {
    QWidget* screen = factory_ ? factory_(section) : nullptr;
    if (!screen) return nullptr;
    ++built_;
    if (screen->objectName().isEmpty())
      screen->setObjectName(QStringLiteral("screen:") + sectionTitle(section));
    return screen;
  });
}

}  // namespace tidewell::app
