#include "app/about/AboutView.h"

#include <QDesktopServices>
#include <QHBoxLayout>
#include <QPaintEvent>
#include <QPainter>
#include <QVBoxLayout>

#include "app/about/AboutVersion.h"
#include "app/about/InstagramMark.h"
#include "app/about/LinkTile.h"
#include "design/accessibility/AccessibleTraits.h"
#include "design/brand/BrandLogo.h"
#include "design/components/PillButton.h"
#include "design/paint/ShadowLayer.h"
#include "design/paint/Shapes.h"
#include "design/symbols/Symbol.h"
#include "design/theme/Color.h"
#include "design/theme/SectionAccent.h"
#include "design/type/InterFont.h"
#include "screens/common/controls/PlainTextButton.h"
#include "screens/common/views/FittedLabel.h"
#include "screens/common/views/TextBlock.h"

namespace tidewell::app {

namespace {

using design::FontWeight;
using design::inter;
using namespace design::literals;

// A centred line at its full size, cut at the end when too narrow.
screens::FittedLabelLook oneLine(const QFont& font, const QColor& colour, bool monospacedDigits = false) {
  return {font, colour, 1, monospacedDigits, Qt::AlignHCenter};
}

constexpr int kPadding = 30;
constexpr int kSpacing = 20;

TileIcon symbolIcon(design::SymbolName name) {
  return [name](QPainter& painter, const QRectF& frame) {
    design::drawSymbol(painter, name, design::symbolBox(frame.center(), 16), FontWeight::Medium, Qt::white);
  };
}

TileIcon instagramIcon() {
  return [](QPainter& painter, const QRectF& frame) {
    constexpr double kSide = 17;
    paintInstagramMark(painter, QRectF(frame.center() - QPointF(kSide / 2, kSide / 2), QSizeF(kSide, kSide)));
  };
}

QVBoxLayout* column(int spacing, int inset) {
  auto* layout = new QVBoxLayout;
  layout->setSpacing(spacing);
  layout->setContentsMargins(inset, 0, inset, 0);
  return layout;
}

}  // namespace

AboutView::Opener AboutView::desktopOpener() {
  return [](const QUrl& address) { QDesktopServices::openUrl(address); };
}

QString AboutView::versionString() { return aboutVersionLine(); }

AboutView::AboutView(Opener open, AboutLinks links, QWidget* parent)
    : QWidget(parent), open_(std::move(open)), links_(std::move(links)) {
  setObjectName(QStringLiteral("aboutView"));
  design::SectionAccent::set(this, design::SectionPalette::clean());
  design::ShadowLayer::makeHost(this);

  auto* stack = new QVBoxLayout(this);
  // The wordmark has 12 points more above it.
  stack->setContentsMargins(kPadding, kPadding + 12, kPadding, kPadding);
  stack->setSpacing(kSpacing);
  stack->addWidget(new design::BrandLogo(design::BrandAsset::Wordmark, 40), 0, Qt::AlignHCenter);

  auto* about = column(12, 6);
  for (const char* sentence :
       {"Tidewell Mac finds and removes unnecessary files to deep clean your Mac, free up storage, and help "
        "it "
        "run faster.",
        "Scan your storage, review what's taking up space, and remove only what you no longer need."})
    about->addWidget(
        new screens::TextBlock(QString::fromUtf8(sentence), inter(12.5), design::Color::secondaryText()));
  stack->addLayout(about);

  auto* tiles = new QHBoxLayout;
  tiles->setSpacing(10);
  const struct {
    const char* title;
    TileIcon icon;
    QUrl address;
  } tileRows[] = {
      {"Website", symbolIcon("globe"_symbol), links_.website},
      {"Instagram", instagramIcon(), links_.instagram},
      {"YouTube", symbolIcon("play.rectangle.fill"_symbol), links_.youtube},
  };
  for (const auto& row : tileRows) {
    const QString title = QString::fromUtf8(row.title);
    auto* tile = new LinkTile(title, row.icon);
    tile->setObjectName(QStringLiteral("link:") + title);
    const QUrl address = row.address;
    connect(tile, &QAbstractButton::clicked, this, [this, address] {
      if (open_) open_(address);
    });
    tiles->addWidget(tile, 1);
  }
  stack->addLayout(tiles);

  auto* privacy = column(6, 6);
  privacy->addWidget(
      new screens::TextBlock(QStringLiteral("Your files stay yours. No one else can read them, not even us."),
                             inter(11.5), design::Color::white(0.75)));
  auto* policy =
      new screens::PlainTextButton(QStringLiteral("Privacy Policy"), inter(12, FontWeight::Semibold),
                                   design::SectionPalette::clean().primary);
  policy->setObjectName(QStringLiteral("privacyPolicy"));
  connect(policy, &QAbstractButton::clicked, this, [this] {
    if (open_) open_(links_.privacyPolicy);
  });
  privacy->addWidget(policy, 0, Qt::AlignHCenter);
  stack->addLayout(privacy);

  auto* divider = new QWidget;
  design::setHiddenFromAccessibility(divider);
  divider->setFixedHeight(1);
  divider->setAutoFillBackground(true);
  QPalette line = divider->palette();
  line.setColor(QPalette::Window, design::Color::white(0.08));
  divider->setPalette(line);
  auto* dividerRow = new QHBoxLayout;
  dividerRow->setContentsMargins(30, 0, 30, 0);
  dividerRow->addWidget(divider);
  stack->addLayout(dividerRow);

  auto* footer = column(3, 0);
  auto* version = new screens::FittedLabel(
      versionString(), oneLine(inter(11.5, FontWeight::Medium), design::Color::white(0.85), true));
  version->setObjectName(QStringLiteral("versionLine"));
  footer->addWidget(version);
  footer->addWidget(new screens::FittedLabel(QStringLiteral("Made with care for your Mac."),
                                             oneLine(inter(11), design::Color::tertiaryText())));
  stack->addLayout(footer);

  auto* done = new design::PillButton({QStringLiteral("Done"), std::nullopt},
                                      {std::nullopt, design::Color::pillText(), 13, 18, 10});
  done->setObjectName(QStringLiteral("done"));
  connect(done, &QAbstractButton::clicked, this, &AboutView::closeRequested);
  stack->addSpacing(2);
  stack->addWidget(done, 0, Qt::AlignHCenter);

  // The paragraphs wrap: the height follows from the fixed width.
  setFixedWidth(kWidth);
  stack->activate();
  const int height =
      stack->hasHeightForWidth() ? stack->totalHeightForWidth(kWidth) : stack->totalSizeHint().height();
  setFixedHeight(height);
}

void AboutView::setCornerRadius(double radius) {
  if (radius == cornerRadius_) return;
  cornerRadius_ = radius;
  update();
}

void AboutView::paintEvent(QPaintEvent* event) {
  QPainter painter(this);
  painter.setRenderHint(QPainter::Antialiasing);
  painter.fillPath(design::continuousRoundedRect(QRectF(rect()), cornerRadius_),
                   design::Color::appBackground());
  design::ShadowLayer::paintCasters(this, painter, event->region());
}

}  // namespace tidewell::app
