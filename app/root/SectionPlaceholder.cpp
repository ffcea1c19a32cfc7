#include "app/root/SectionPlaceholder.h"

#include <QVBoxLayout>

#include "design/IconChip.h"
#include "screens/common/views/TextLabel.h"

namespace tidewell::app {

SectionPlaceholder::SectionPlaceholder(Mode mode, QWidget* parent)
    : QWidget(parent), title_(modeTitle(mode)) {
  auto* layout = new QVBoxLayout(this);
  layout->setSpacing(16);
  layout->addStretch(1);
  layout->addWidget(new design::IconChip(modeSymbol(mode), 56, this), 0, Qt::AlignHCenter);
  auto* heading = new screens::TextLabel(title_, screens::textStyle(28, design::FontWeight::Semibold), this);
  heading->setObjectName(QStringLiteral("sectionTitle"));
  layout->addWidget(heading, 0, Qt::AlignHCenter);
  layout->addStretch(1);
}

}  // namespace tidewell::app
