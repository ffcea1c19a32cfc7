#include "screens/apps/AppCard.h"

#include <QFile>
#include <QHBoxLayout>
#include <QVBoxLayout>

#include "design/theme/Color.h"
#include "design/theme/SectionAccent.h"
#include "screens/apps/AppCardContent.h"
#include "screens/apps/TrashButton.h"
#include "screens/common/ObjectNames.h"
#include "screens/common/views/AppIconView.h"
#include "screens/common/views/Badge.h"
#include "screens/common/views/TextLabel.h"

namespace tidewell::screens {

using design::FontDesign;
using design::FontWeight;

namespace {

constexpr int kPadding = 14;
constexpr int kSpacing = 7;
constexpr int kIconSide = 40;

SurfaceLook cardLook() { return {16, design::Color::raisedSurface(), design::Color::hairline(), 1}; }

BadgeLook badgeLookFor(AppBadge badge) {
  const AppBadgeLook look = appBadgeLook(badge);
  BadgeLook out;
  out.fontSize = 10;
  out.text = look.textColour;
  out.fill = look.fill;
  out.horizontalPadding = 7;
  out.verticalPadding = 2;
  return out;
}

}  // namespace

AppCard::AppCard(const engine::InstalledApp& app, base::TimePoint now, QColor destructiveRed,
                 std::shared_ptr<AppIconProvider> icons, QWidget* parent)
    : Surface(cardLook(), parent) {
  setObjectName(QStringLiteral("appCard"));
  setKey(this, QFile::decodeName(QByteArray::fromStdString(app.url)));
  connect(this, &Surface::hoverChanged, this, [this] { update(); });

  icon_ =
      named(new AppIconView(QFile::decodeName(QByteArray::fromStdString(app.url)), std::move(icons), this),
            "appIcon");
  icon_->setFixedSize(kIconSide, kIconSide);
  trash_ = named(new TrashButton(destructiveRed, QString(), this), "appTrash");
  connect(trash_, &QAbstractButton::clicked, this, &AppCard::uninstallRequested);

  name_ = named(new TextLabel({}, textLook(13.5, FontWeight::Semibold), this), "appName");
  version_ =
      named(new TextLabel({}, textLook(10.5, FontWeight::Regular, design::Color::tertiaryText()), this),
            "appVersion");
  badge_ = named(new Badge({}, {}, this), "appBadge");
  note_ = named(
      new TextLabel(
          {}, textLook(11, FontWeight::Regular, design::Color::secondaryText()).lines(2).reserving(2), this),
      "appNote");
  size_ = named(
      new TextLabel({}, textLook(16, FontWeight::Bold, Qt::white, FontDesign::Rounded).withMonospacedDigits(),
                    this),
      "appSize");

  auto* top = new QHBoxLayout;
  top->setContentsMargins(0, 0, 0, 0);
  top->addWidget(icon_, 0, Qt::AlignTop);
  top->addStretch(1);
  top->addWidget(trash_, 0, Qt::AlignTop);

  auto* meta = new QHBoxLayout;
  meta->setContentsMargins(0, 0, 0, 0);
  meta->setSpacing(6);
  meta->addWidget(version_, 0, Qt::AlignVCenter);
  meta->addWidget(badge_, 0, Qt::AlignVCenter);
  meta->addStretch(1);

  auto* column = new QVBoxLayout(this);
  column->setContentsMargins(kPadding, kPadding, kPadding, kPadding);
  column->setSpacing(kSpacing);
  column->addLayout(top);
  column->addWidget(name_);
  column->addLayout(meta);
  column->addWidget(note_);
  // A box layout puts no spacing beside a spacer, so the spacer carries
  // the second gap itself: at least 2 between two gaps of 7.
  column->addSpacerItem(new QSpacerItem(0, 2 + kSpacing, QSizePolicy::Minimum, QSizePolicy::Expanding));
  column->addWidget(size_);

  setApp(app, now);
}

void AppCard::setApp(const engine::InstalledApp& app, base::TimePoint now) {
  app_ = app;
  const AppCardContent content = appCardContent(app, now);
  trash_->setHelp(content.trashHelp);
  name_->setText(content.name);
  version_->setText(content.version.value_or(QString()));
  version_->setVisible(content.version.has_value());
  if (content.badge) {
    badge_->setText(appBadgeLook(*content.badge).text);
    badge_->setLook(badgeLookFor(*content.badge));
  }
  badge_->setVisible(content.badge.has_value());
  note_->setText(content.note);
  size_->setText(content.sizeText);
}

void AppCard::addBackgroundKey(design::PaintKey& key) const {
  key.add(design::SectionAccent::of(this).primary);
}

void AppCard::paintBackground(QPainter& painter, const QRectF& rect) {
  SurfaceLook look = cardLook();
  if (isHovering()) look.border = design::Color::withOpacity(design::SectionAccent::of(this).primary, 0.45);
  paintSurface(painter, rect, look);
}

}  // namespace tidewell::screens
