#include "screens/clean/AccentFigure.h"

#include <QHBoxLayout>

#include "screens/common/views/AccentLabel.h"
#include "screens/common/views/SymbolView.h"

namespace tidewell::screens {

AccentFigure::AccentFigure(design::SymbolName symbol, AccentFigureLook look, QWidget* parent)
    : QWidget(parent),
      symbol_(new SymbolView(std::move(symbol), look.symbolSize, design::FontWeight::Bold)),
      label_(
          new AccentLabel({}, textLook(look.textSize, design::FontWeight::Semibold).withMonospacedDigits())) {
  setSizePolicy(QSizePolicy::Fixed, QSizePolicy::Fixed);
  auto* row = new QHBoxLayout(this);
  row->setContentsMargins(0, 0, 0, 0);
  row->setSpacing(look.spacing);
  row->addWidget(symbol_, 0, Qt::AlignVCenter);
  row->addWidget(label_, 0, Qt::AlignVCenter);
}

QString AccentFigure::text() const { return label_->text(); }

void AccentFigure::setText(const QString& text) { label_->setText(text); }

}  // namespace tidewell::screens
