#include "app/root/SectionPlaceholder.h"

#include <QLabel>
#include <QVBoxLayout>

#include "design/Color.h"
#include "design/IconChip.h"
#include "design/InterFont.h"

namespace tidewell::app {

SectionPlaceholder::SectionPlaceholder(Mode mode, QWidget* parent)
    : QWidget(parent), title_(modeTitle(mode)) {
  auto* layout = new QVBoxLayout(this);
  layout->setSpacing(16);
  layout->addStretch(1);
  layout->addWidget(new design::IconChip(modeSymbol(mode), 56, this), 0, Qt::AlignHCenter);
  auto* heading = new QLabel(title_, this);
  heading->setObjectName(QStringLiteral("sectionTitle"));
  heading->setFont(design::inter(28, design::FontWeight::Semibold));
  QPalette white = heading->palette();
  white.setColor(QPalette::WindowText, design::Color::white());
  heading->setPalette(white);
  layout->addWidget(heading, 0, Qt::AlignHCenter);
  layout->addStretch(1);
}

}  // namespace tidewell::app
