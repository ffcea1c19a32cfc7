#include "screens/smartscan/ToolCard.h"

#include <QEvent>
#include <QGraphicsOpacityEffect>
#include <QHBoxLayout>
#include <QVBoxLayout>

#include "design/accessibility/AccessibleTraits.h"
#include "design/motion/AnimationClock.h"
#include "design/motion/FrameTimer.h"
#include "design/motion/MotionPreference.h"
#include "design/theme/Color.h"
#include "screens/common/ObjectNames.h"
#include "screens/common/views/Spinner.h"
#include "screens/common/views/SymbolView.h"
#include "screens/common/views/TextLabel.h"
#include "screens/smartscan/ToolCardIcon.h"

namespace tidewell::screens {

namespace {

using design::FontWeight;
using Kind = ToolCardStatus::Kind;
using namespace design::literals;

QColor mix(const QColor& from, const QColor& to, double t) {
  auto lerp = [t](double a, double b) { return a + (b - a) * t; };
  QColor c;
  c.setRgbF(float(lerp(from.redF(), to.redF())), float(lerp(from.greenF(), to.greenF())),
            float(lerp(from.blueF(), to.blueF())), float(lerp(from.alphaF(), to.alphaF())));
  return c;
}

double now() { return design::AnimationClock::shared().now(); }

QHBoxLayout* centredRow(int spacing) {
  auto* row = new QHBoxLayout;
  row->setContentsMargins(0, 0, 0, 0);
  row->setSpacing(spacing);
  row->addStretch(1);
  return row;
}

}  // namespace

ToolCard::ToolCard(design::SymbolName symbol, QString title, design::SectionPalette palette,
                   ToolCardStatus status, QWidget* parent)
    : Surface({16, design::Color::raisedSurface(), design::Color::hairline(), 1}, parent),
      title_(std::move(title)),
      palette_(std::move(palette)),
      status_(std::move(status)),
      fade_(new QGraphicsOpacityEffect(this)),
      opacity_(design::Transition::easeInOut(kToolCardStatusSeconds, 1)),
      lit_(design::Transition::easeInOut(kToolCardStatusSeconds, 0)),
      frames_(new design::FrameTimer(this, design::kTransitionFrameMs, [this] { onFrame(); })) {
  setObjectName(QStringLiteral("toolCard"));
  setClickable(true);
  setFixedWidth(150);
  setSizePolicy(QSizePolicy::Fixed, QSizePolicy::Fixed);
  setGraphicsEffect(fade_);

  auto* column = new QVBoxLayout(this);
  column->setContentsMargins(0, 14, 0, 14);
  column->setSpacing(9);
  column->addWidget(new ToolCardIcon(std::move(symbol), palette_.primary), 0, Qt::AlignHCenter);
  column->addWidget(
      named(new TextLabel(title_, textLook(12.5, FontWeight::Semibold).centred()), "toolCardTitle"), 0,
      Qt::AlignHCenter);
  statusSlot_ = new QWidget;
  statusSlot_->setFixedHeight(32);
  // Only room for the status line, which lies over it.
  design::setHiddenFromAccessibility(statusSlot_);
  column->addWidget(statusSlot_);
  statusLine_ = new QWidget(this);
  statusBox_ = new QVBoxLayout(statusLine_);
  statusBox_->setContentsMargins(0, 0, 0, 0);
  statusBox_->setSpacing(3);

  connect(this, &Surface::clicked, this, &ToolCard::tapped);
  connect(this, &Surface::hoverChanged, this, [this] {
    if (note_) note_->setText(toolCardDoneNote(isHovering()));
    refreshLook(false);
  });
  buildStatusLine();
  refreshLook(false);

  // A button named by its tool and the status shown.
  design::accessibleTraits(this).name = [this] {
    QStringList parts{title_};
    for (const TextLabel* label : statusLine_->findChildren<TextLabel*>())
      if (!label->isHidden() && !label->text().isEmpty()) parts << label->text();
    return parts.join(QStringLiteral(", "));
  };
}

void ToolCard::setStatus(const ToolCardStatus& status) {
  if (status == status_) return;
  status_ = status;
  buildStatusLine();
  refreshLook(true);
  design::accessibleNameChanged(this);
}

ToolCardLook ToolCard::look() const { return toolCardLook(status_, palette_.primary, isHovering()); }

double ToolCard::shownOpacity() const { return opacity_.value(now()); }

void ToolCard::buildStatusLine() {
  note_ = nullptr;
  // The line changes on the models' signals, never inside its own events,
  // so its old widgets can go at once.
  while (QLayoutItem* item = statusBox_->takeAt(0)) {
    delete item->widget();
    if (QLayout* inner = item->layout()) {
      while (QLayoutItem* child = inner->takeAt(0)) {
        delete child->widget();
        delete child;
      }
    }
    delete item;
  }
  const QString text = toolCardStatusText(status_);
  const QColor tertiary = design::Color::tertiaryText();
  switch (status_.kind) {
    case Kind::waiting:
    case Kind::skipped:
      statusBox_->addWidget(
          named(new TextLabel(text, textLook(11, FontWeight::Regular, tertiary).centred()), "toolCardStatus"),
          0, Qt::AlignHCenter);
      break;
    case Kind::active: {
      QHBoxLayout* row = centredRow(6);
      row->addWidget(new Spinner(ControlSize::mini, palette_.primary), 0, Qt::AlignVCenter);
      row->addWidget(
          named(new TextLabel(text, textLook(11, FontWeight::Medium, palette_.primary)), "toolCardStatus"), 0,
          Qt::AlignVCenter);
      row->addStretch(1);
      statusBox_->addLayout(row);
      break;
    }
    case Kind::done: {
      statusBox_->addWidget(
          named(new TextLabel(text, textLook(16, FontWeight::Bold).withMonospacedDigits().centred()),
                "toolCardStatus"),
          0, Qt::AlignHCenter);
      QHBoxLayout* row = centredRow(3);
      row->addWidget(new SymbolView("checkmark.circle.fill"_symbol, 9, FontWeight::Regular,
                                    design::SectionPalette::clean().primary),
                     0, Qt::AlignVCenter);
      note_ =
          named(new TextLabel(toolCardDoneNote(isHovering()), textLook(10, FontWeight::Regular, tertiary)),
                "toolCardNote");
      row->addWidget(note_, 0, Qt::AlignVCenter);
      row->addStretch(1);
      statusBox_->addLayout(row);
      break;
    }
  }
  placeStatusLine();
}

void ToolCard::resizeEvent(QResizeEvent* event) {
  Surface::resizeEvent(event);
  placeStatusLine();
}

bool ToolCard::event(QEvent* event) {
  const bool handled = Surface::event(event);
  if (event->type() == QEvent::LayoutRequest) placeStatusLine();
  return handled;
}

void ToolCard::placeStatusLine() {
  statusBox_->activate();
  const QRect slot = statusSlot_->geometry();
  const int height = statusLine_->sizeHint().height();
  statusLine_->setGeometry(slot.left(), slot.top() + (slot.height() - height) / 2, slot.width(), height);
}

void ToolCard::refreshLook(bool animated) {
  const ToolCardLook target = look();
  const double lit = target.border == design::Color::hairline() ? 0.0 : 1.0;
  if (animated && !design::reduceMotion()) {
    opacity_.retarget(target.opacity, now());
    lit_.retarget(lit, now());
  } else {
    opacity_.jump(target.opacity);
    // The pointer lights the edge at once; only a change of status eases.
    lit_.jump(lit);
  }
  onFrame();
}

void ToolCard::onFrame() {
  const double t = now();
  SurfaceLook shown = Surface::look();
  shown.border =
      mix(design::Color::hairline(), design::Color::withOpacity(palette_.primary, 0.55), lit_.value(t));
  setLook(shown);
  const double opacity = opacity_.value(t);
  fade_->setOpacity(opacity);
  fade_->setEnabled(opacity < 1.0);
  frames_->setWanted(!opacity_.isSettled(t) || !lit_.isSettled(t));
}

}  // namespace tidewell::screens
