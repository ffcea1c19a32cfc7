#include "app/root/FullDiskAccessCard.h"

#include <QPaintEvent>
#include <QPainter>
#include <QVBoxLayout>

#include "app/root/IconTextRow.h"
#include "design/components/PillButton.h"
#include "design/paint/PaintCache.h"
#include "design/paint/ShadowLayer.h"
#include "design/paint/Shapes.h"
#include "design/theme/Color.h"
#include "design/theme/SectionPalette.h"
#include "design/type/InterFont.h"
#include "screens/common/views/TextLabel.h"

namespace tidewell::app {

using namespace design::literals;
namespace Color = design::Color;
using design::FontWeight;

namespace {

constexpr double kCardRadius = 14;

// The card's rounded fill and hairline; a shadow host, so the button's glow
// is drawn over the fill.
class AccessCardSurface : public QWidget {
 public:
  explicit AccessCardSurface(QWidget* parent) : QWidget(parent) { design::ShadowLayer::makeHost(this); }

 protected:
  void paintEvent(QPaintEvent* event) override {
    QPainter painter(this);
    painter.setRenderHint(QPainter::Antialiasing);
    fill_.paint(painter, size(), 0, [this](QPainter& p) {
      const QRectF area = QRectF(rect());
      p.fillPath(design::continuousRoundedRect(area, kCardRadius), Color::raisedSurface());
      p.setPen(QPen(Color::hairline(), 1));
      p.drawPath(design::continuousRoundedRect(area.adjusted(0.5, 0.5, -0.5, -0.5), kCardRadius - 0.5));
    });
    design::ShadowLayer::paintCasters(this, painter, event->region());
  }

 private:
  design::PaintCache fill_;
};

}  // namespace

FullDiskAccessCard::FullDiskAccessCard(bool granted, QWidget* parent) : QWidget(parent), granted_(granted) {
  setObjectName(QStringLiteral("fullDiskAccess"));
  auto* layout = new QVBoxLayout(this);
  layout->setContentsMargins(0, 0, 0, 0);

  grantedLine_ = new QWidget(this);
  grantedLine_->setObjectName(QStringLiteral("fullDiskAccessGranted"));
  auto* lineLayout = new QVBoxLayout(grantedLine_);
  lineLayout->setContentsMargins(12, 0, 12, 0);
  lineLayout->addWidget(iconTextRow("checkmark.shield.fill"_symbol, 12, design::SectionPalette::accentGreen(),
                                    QStringLiteral("Full Disk Access"),
                                    screens::textLook(11.5, FontWeight::Regular, Color::secondaryText()), 8,
                                    grantedLine_));
  layout->addWidget(grantedLine_);

  card_ = new AccessCardSurface(this);
  card_->setObjectName(QStringLiteral("fullDiskAccessMissing"));
  auto* cardLayout = new QVBoxLayout(card_);
  cardLayout->setContentsMargins(16, 16, 16, 16);
  cardLayout->setSpacing(10);
  cardLayout->addWidget(iconTextRow("lock.shield.fill"_symbol, 15, Color::systemOrange(),
                                    QStringLiteral("Full Disk Access"),
                                    screens::textLook(13.5, FontWeight::Semibold, Color::white()), 8, card_));
  auto* explanation = new screens::TextLabel(
      QStringLiteral("Grant access to unlock all cleaning features."),
      screens::textLook(11.5, FontWeight::Regular, Color::secondaryText()).lines(0), card_);
  cardLayout->addWidget(explanation);
  auto* enable = new design::PillButton({QStringLiteral("Enable Access"), std::nullopt},
                                        {std::nullopt, Color::pillText(), 13, 18, 10}, card_);
  enable->setObjectName(QStringLiteral("enableAccess"));
  connect(enable, &QAbstractButton::clicked, this, &FullDiskAccessCard::enableAccessClicked);
  cardLayout->addSpacing(2);
  cardLayout->addWidget(enable, 0, Qt::AlignLeft);
  layout->addWidget(card_);

  setGranted(granted);
}

void FullDiskAccessCard::setGranted(bool granted) {
  granted_ = granted;
  grantedLine_->setVisible(granted);
  card_->setVisible(!granted);
}

}  // namespace tidewell::app
