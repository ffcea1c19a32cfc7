#include "screens/devmode/DevItemRow.h"

#include <QHBoxLayout>
#include <QPainter>
#include <QVBoxLayout>

#include "design/accessibility/AccessibleTraits.h"
#include "design/motion/AnimationClock.h"
#include "design/motion/FrameTimer.h"
#include "design/motion/MotionPreference.h"
#include "design/theme/Color.h"
#include "design/theme/SectionAccent.h"
#include "design/type/FileNameText.h"
#include "screens/common/Formatting.h"
#include "screens/common/ObjectNames.h"
#include "screens/common/controls/SelectionBox.h"
#include "screens/common/views/Badge.h"
#include "screens/common/views/TextLabel.h"
#include "screens/devmode/DevModeLook.h"

namespace tidewell::screens {

namespace {

using design::FontWeight;
namespace Color = design::Color;

constexpr double kEase = 0.15;

QColor mix(const QColor& from, const QColor& to, double t) {
  const auto lerp = [t](float a, float b) { return a + (b - a) * float(t); };
  QColor out;
  out.setRgbF(lerp(from.redF(), to.redF()), lerp(from.greenF(), to.greenF()), lerp(from.blueF(), to.blueF()),
              lerp(from.alphaF(), to.alphaF()));
  return out;
}

BadgeLook reviewBadge() {
  return {10, Color::systemOrange(), Color::withOpacity(Color::systemOrange(), 0.18), 6, 2};
}

}  // namespace

DevItemRow::DevItemRow(const engine::CleanupItem& item, BoolBinding isOn, QWidget* parent)
    : Surface({}, parent),
      lit_(design::Transition::easeOut(kEase)),
      frames_(new design::FrameTimer(this, design::kTransitionFrameMs, [this] { onFrame(); })) {
  setObjectName(QStringLiteral("itemRow"));
  setClickable(true);
  boxSlot_ = named(new QWidget(this), "itemCheck");
  boxSlot_->setFixedSize(int(kSelectionBoxSide), int(kSelectionBoxSide));
  boxSlot_->setAttribute(Qt::WA_TransparentForMouseEvents);
  // The row is the check box; its box is painted in this slot.
  design::setHiddenFromAccessibility(boxSlot_);
  title_ = named(new TextLabel({}, textLook(13, FontWeight::Medium)), "itemTitle");
  badge_ = named(new Badge(QStringLiteral("review"), reviewBadge()), "reviewBadge");
  detail_ = named(new TextLabel({}, textLook(11.5, FontWeight::Regular, Color::secondaryText()).lines(0)),
                  "itemDetail");
  size_ = named(new TextLabel({}, textLook(13, FontWeight::Semibold).withMonospacedDigits()), "itemSize");

  auto* titleRow = new QHBoxLayout;
  titleRow->setContentsMargins(0, 0, 0, 0);
  titleRow->setSpacing(6);
  titleRow->addWidget(title_, 0, Qt::AlignVCenter);
  titleRow->addWidget(badge_, 0, Qt::AlignVCenter);
  titleRow->addStretch(1);

  auto* texts = new QVBoxLayout;
  texts->setContentsMargins(0, 0, 0, 0);
  texts->setSpacing(2);
  texts->addLayout(titleRow);
  texts->addWidget(detail_);

  auto* row = new QHBoxLayout(this);
  row->setContentsMargins(12, 12, 12, 12);
  row->setSpacing(12);
  row->addWidget(boxSlot_, 0, Qt::AlignVCenter);
  row->addLayout(texts, 1);
  row->addSpacing(8);
  row->addWidget(size_, 0, Qt::AlignVCenter);

  connect(this, &Surface::clicked, this, [this] { toggleBinding(binding_); });
  design::AccessibleTraits& traits = design::accessibleTraits(this);
  traits.name = [this] {
    QStringList parts{title_->text()};
    if (hasBadge()) parts << badge_->text();
    parts << size_->text();
    return parts.join(QStringLiteral(", "));
  };
  traits.description = [this] { return detail_->text(); };
  traits.checked = [this] { return on_ ? Qt::Checked : Qt::Unchecked; };
  setItem(item, std::move(isOn));
  on_ = binding_.value();
  lit_.jump(on_ ? 1 : 0);
  applyLitness(false);
}

void DevItemRow::setItem(const engine::CleanupItem& item, BoolBinding isOn) {
  binding_ = std::move(isOn);
  setKey(this, QString::fromStdString(item.target.id));
  title_->setText(design::fileNameText(item.target.title));
  badge_->setVisible(item.target.safety == engine::SafetyLevel::caution);
  detail_->setText(design::fileNameText(item.target.detail));
  size_->setText(bytesText(item.sizeBytes));
  refresh();
}

void DevItemRow::refresh() {
  const bool on = binding_.value();
  if (on == on_) return;
  on_ = on;
  design::accessibleCheckChanged(this);
  if (design::reduceMotion())
    lit_.jump(on_ ? 1 : 0);
  else
    lit_.retarget(on_ ? 1 : 0, design::AnimationClock::shared().now());
  applyLitness(true);
}

bool DevItemRow::hasBadge() const { return !badge_->isHidden(); }

double DevItemRow::litness() const { return lit_.value(design::AnimationClock::shared().now()); }

void DevItemRow::applyLitness(bool animate) {
  size_->setColour(mix(Color::secondaryText(), Qt::white, litness()));
  frames_->setWanted(animate && !lit_.isSettled(design::AnimationClock::shared().now()));
  update();
}

void DevItemRow::onFrame() { applyLitness(true); }

void DevItemRow::addBackgroundKey(design::PaintKey& key) const {
  key.add(design::SectionAccent::of(this).primary, litness(), QRectF(boxSlot_->geometry()));
}

void DevItemRow::paintBackground(QPainter& painter, const QRectF& rect) {
  const QColor accent = design::SectionAccent::of(this).primary;
  const double t = litness();
  paintSurface(painter, rect,
               {14, mix(Color::raisedSurface(), Color::withOpacity(accent, 0.07), t),
                mix(Color::hairline(), Color::withOpacity(accent, 0.35), t), 1});
  // The box eases with the row: the unpicked box, the picked one over it.
  const QRectF box = QRectF(boxSlot_->geometry());
  paintSelectionBox(painter, box, SelectionMark::off, accent, DevModeLook::checkColour());
  painter.save();
  painter.setOpacity(painter.opacity() * t);
  paintSelectionBox(painter, box, SelectionMark::on, accent, DevModeLook::checkColour());
  painter.restore();
}

}  // namespace tidewell::screens
