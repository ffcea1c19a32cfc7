#include "screens/common/views/IconLabel.h"

#include <QHBoxLayout>

#include "screens/common/views/SymbolView.h"
#include "screens/common/views/TextLabel.h"

namespace tidewell::screens {

namespace {
design::FontWeight weightOf(const QFont& font) {
  using design::FontWeight;
  const int w = font.weight();
  if (w >= QFont::Black) return FontWeight::Black;
  if (w >= QFont::Bold) return FontWeight::Bold;
  if (w >= QFont::DemiBold) return FontWeight::Semibold;
  if (w >= QFont::Medium) return FontWeight::Medium;
  if (w <= QFont::Light) return FontWeight::Light;
  return FontWeight::Regular;
}
}  // namespace

IconLabel::IconLabel(design::SymbolName symbol, QString text, TextLook look,
                     std::optional<QColor> symbolColour, double spacing, QWidget* parent)
    : QWidget(parent) {
  const double size = design::fontPixelSize(look.font);
  symbol_ = new SymbolView(std::move(symbol), size, weightOf(look.font),
                           symbolColour ? *symbolColour : look.colour, this);
  label_ = new TextLabel(std::move(text), std::move(look), this);
  auto* row = new QHBoxLayout(this);
  row->setContentsMargins(0, 0, 0, 0);
  row->setSpacing(int(std::lround(spacing)));
  row->addWidget(symbol_, 0, Qt::AlignVCenter);
  row->addWidget(label_, 1, Qt::AlignVCenter);
  setSizePolicy(QSizePolicy::Preferred, QSizePolicy::Fixed);
}

QString IconLabel::text() const { return label_->text(); }
void IconLabel::setText(const QString& text) { label_->setText(text); }
QString IconLabel::symbolName() const { return symbol_->symbolName(); }

}  // namespace tidewell::screens
