#include "screens/performance/AppMemoryRow.h"

#include <QHBoxLayout>

#include "design/components/GhostPillButton.h"
#include "design/components/GradientBar.h"
#include "design/theme/Color.h"
#include "design/theme/SectionAccent.h"
#include "design/type/FileNameText.h"
#include "screens/common/ObjectNames.h"
#include "screens/common/views/AppIconView.h"
#include "screens/common/views/Spinner.h"
#include "screens/common/views/TextLabel.h"
#include "screens/performance/PerformanceRules.h"

namespace tidewell::screens {

using design::FontDesign;
using design::FontWeight;

namespace {

constexpr int kIconSide = 30;
constexpr int kBarWidth = 90;
constexpr int kBarHeight = 6;
constexpr int kFootprintWidth = 66;
constexpr int kSpinnerWidth = 58;

}  // namespace

AppMemoryRow::AppMemoryRow(engine::RunningApp app, int64_t maxBytes, bool isBusy,
                           std::shared_ptr<AppIconProvider> icons, QWidget* parent)
    : Surface(SurfaceLook{}, parent),
      app_(std::move(app)),
      maxBytes_(maxBytes),
      busy_(isBusy),
      icons_(std::move(icons)) {
  setObjectName(QStringLiteral("appMemoryRow"));
  setKey(this, QString::number(app_.id));
  setSizePolicy(QSizePolicy::Preferred, QSizePolicy::Fixed);

  row_ = new QHBoxLayout(this);
  row_->setContentsMargins(10, 10, 10, 10);
  row_->setSpacing(12);

  name_ = named(new TextLabel({}, textLook(13, FontWeight::Semibold)), "appName");
  name_->setSizePolicy(QSizePolicy::Preferred, QSizePolicy::Preferred);
  bar_ = named(new design::GradientBar(0, kBarHeight), "memoryBar");
  bar_->setFixedWidth(kBarWidth);
  footprint_ = named(new TextLabel({}, textLook(12.5, FontWeight::Semibold, design::Color::secondaryText(),
                                                FontDesign::Rounded)
                                           .withMonospacedDigits()
                                           .aligned(Qt::AlignRight)),
                     "footprint");
  footprint_->setFixedWidth(kFootprintWidth);
  quitButton_ = named(new design::GhostPillButton({QStringLiteral("Quit"), std::nullopt}), "quitButton");
  connect(quitButton_, &QAbstractButton::clicked, this, &AppMemoryRow::quitRequested);
  spinnerSlot_ = named(new QWidget, "quitSpinner");
  spinnerSlot_->setFixedWidth(kSpinnerWidth);
  auto* spinnerBox = new QHBoxLayout(spinnerSlot_);
  spinnerBox->setContentsMargins(0, 0, 0, 0);
  spinnerBox->addWidget(new Spinner(ControlSize::small), 0, Qt::AlignCenter);

  // The icon goes first, placed by showValues().
  row_->addWidget(name_, 0, Qt::AlignVCenter);
  // A box layout puts no spacing beside a spacer item: the spacer carries
  // the second gap and its own minimum of 8.
  row_->addSpacerItem(new QSpacerItem(8 + row_->spacing(), 0, QSizePolicy::Expanding, QSizePolicy::Minimum));
  row_->addWidget(bar_, 0, Qt::AlignVCenter);
  row_->addWidget(footprint_, 0, Qt::AlignVCenter);
  row_->addWidget(quitButton_, 0, Qt::AlignVCenter);
  row_->addWidget(spinnerSlot_, 0, Qt::AlignVCenter);

  connect(this, &Surface::hoverChanged, this, &AppMemoryRow::showHover);
  showValues();
}

void AppMemoryRow::update(engine::RunningApp app, int64_t maxBytes, bool isBusy) {
  app_ = std::move(app);
  maxBytes_ = maxBytes;
  busy_ = isBusy;
  showValues();
}

double AppMemoryRow::barFraction() const { return memoryBarFraction(app_.memoryBytes, maxBytes_); }

void AppMemoryRow::showValues() {
  const QString iconPath = appIconPath(app_.url);
  if (!icon_ || icon_->path() != iconPath) {
    delete icon_;
    icon_ = named(new AppIconView(iconPath, icons_), "appIcon");
    icon_->setFixedSize(kIconSide, kIconSide);
    row_->insertWidget(0, icon_, 0, Qt::AlignVCenter);
  }
  name_->setText(design::fileNameText(app_.name));
  bar_->setFraction(barFraction());
  footprint_->setText(footprintText(app_.memoryBytes));
  quitButton_->setVisible(!busy_);
  spinnerSlot_->setVisible(busy_);
}

void AppMemoryRow::showHover(bool hovering) {
  SurfaceLook surface = look();
  surface.border = hovering ? design::Color::withOpacity(design::SectionAccent::of(this).primary, 0.35)
                            : design::Color::hairline();
  setLook(surface);
}

}  // namespace tidewell::screens
