#include "screens/clean/review/ItemChip.h"

#include <QHBoxLayout>
#include <QVBoxLayout>

#include "design/accessibility/AccessibleTraits.h"
#include "design/motion/AnimationClock.h"
#include "design/motion/FrameTimer.h"
#include "design/motion/MotionPreference.h"
#include "design/theme/SectionAccent.h"
#include "screens/clean/review/CheckColour.h"
#include "screens/common/ObjectNames.h"
#include "screens/common/controls/SelectionBox.h"
#include "screens/common/views/Badge.h"
#include "screens/common/views/TextLabel.h"

namespace tidewell::screens {

using design::FontWeight;
using design::Color::withOpacity;

namespace {

constexpr double kSelectionEasing = 0.15;

QColor mix(const QColor& from, const QColor& to, double t) {
  auto lerp = [t](double a, double b) { return a + (b - a) * t; };
  return QColor::fromRgbF(float(lerp(from.redF(), to.redF())), float(lerp(from.greenF(), to.greenF())),
                          float(lerp(from.blueF(), to.blueF())), float(lerp(from.alphaF(), to.alphaF())));
}

BadgeLook reviewTagLook() {
  const QColor orange = design::Color::systemOrange();
  return {10, orange, withOpacity(orange, 0.18), 6, 2};
}

}  // namespace

ItemChip::ItemChip(const QString& id, BoolBinding binding, QWidget* parent)
    : Surface({}, parent),
      binding_(std::move(binding)),
      selection_(design::Transition::easeOut(kSelectionEasing)),
      frames_(new design::FrameTimer(this, design::kTransitionFrameMs, [this] { onFrame(); })),
      check_(named(new SelectionBox(cleanCheckColour()), "chipCheck")),
      title_(named(new TextLabel({}, textLook(13, FontWeight::Medium)), "chipTitle")),
      tag_(named(new Badge(QStringLiteral("Review"), reviewTagLook()), "reviewTag")),
      detail_(named(
          new TextLabel({}, textLook(11.5, FontWeight::Regular, design::Color::secondaryText()).lines(0)),
          "chipDetail")),
      size_(named(
          new TextLabel(
              {}, textLook(13, FontWeight::Semibold, design::Color::secondaryText()).withMonospacedDigits()),
          "chipSize")) {
  setObjectName(QStringLiteral("itemChip"));
  setKey(this, id);
  setClickable(true);
  // The chip toggles; its box only shows.
  check_->setClickable(false);

  auto* row = new QHBoxLayout(this);
  row->setContentsMargins(12, 12, 12, 12);
  row->setSpacing(12);
  row->addWidget(check_, 0, Qt::AlignVCenter);
  auto* words = new QVBoxLayout;
  words->setSpacing(2);
  auto* titleRow = new QHBoxLayout;
  titleRow->setSpacing(6);
  titleRow->addWidget(title_, 0, Qt::AlignVCenter);
  titleRow->addWidget(tag_, 0, Qt::AlignVCenter);
  titleRow->addStretch(1);
  words->addLayout(titleRow);
  words->addWidget(detail_);
  row->addLayout(words, 1);
  // With the row's spacing, at least the flexible gap of 8.
  row->addWidget(size_, 0, Qt::AlignVCenter);

  connect(this, &Surface::clicked, this, [this] { toggleBinding(binding_); });

  // The chip is the item's check box.
  design::AccessibleTraits& traits = design::accessibleTraits(this);
  traits.name = [this] {
    QStringList parts{content_.title};
    if (content_.reviewTag) parts << tag_->text();
    parts << content_.size;
    return parts.join(QStringLiteral(", "));
  };
  traits.description = [this] { return content_.detail; };
  traits.checked = [this] { return isOn() ? Qt::Checked : Qt::Unchecked; };
}

void ItemChip::setContent(const ChipContent& content) {
  const bool wasOn = isOn();
  const bool first = content_.title.isEmpty() && content_.size.isEmpty();
  const double shown = selectionAmount();
  content_ = content;
  check_->setMark(content.mark);
  title_->setText(content.title);
  tag_->setVisible(content.reviewTag);
  detail_->setText(content.detail);
  size_->setText(content.size);
  if (wasOn != isOn()) design::accessibleCheckChanged(this);
  const double target = isOn() ? 1 : 0;
  if (first || design::reduceMotion())
    selection_.jump(target);
  else if (wasOn != isOn())
    selection_.retarget(target, design::AnimationClock::shared().now());
  // The parts repaint themselves when they change; the chip's surface and
  // size colour follow the selection only when it moves.
  if (first || wasOn != isOn() || selectionAmount() != shown) onFrame();
}

double ItemChip::selectionAmount() const { return selection_.value(design::AnimationClock::shared().now()); }

SurfaceLook ItemChip::lookAt(double on, const QColor& accent) {
  return {14, mix(design::Color::raisedSurface(), withOpacity(accent, 0.07), on),
          mix(design::Color::hairline(), withOpacity(accent, 0.35), on), 1};
}

QColor ItemChip::sizeColourAt(double on) { return mix(design::Color::secondaryText(), Qt::white, on); }

void ItemChip::addBackgroundKey(design::PaintKey& key) const {
  key.add(selectionAmount(), design::SectionAccent::of(this).primary);
}

void ItemChip::paintBackground(QPainter& painter, const QRectF& rect) {
  paintSurface(painter, rect, lookAt(selectionAmount(), design::SectionAccent::of(this).primary));
}

void ItemChip::onFrame() {
  const double now = design::AnimationClock::shared().now();
  size_->setColour(sizeColourAt(selectionAmount()));
  frames_->setWanted(!selection_.isSettled(now));
  update();
}

}  // namespace tidewell::screens
