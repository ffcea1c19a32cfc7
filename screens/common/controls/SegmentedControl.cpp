#include "screens/common/controls/SegmentedControl.h"

#include <QFontMetricsF>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QPainter>
#include <cmath>

#include "design/accessibility/AccessibleTraits.h"
#include "design/keyboard/KeyboardFocus.h"
#include "design/paint/Shapes.h"
#include "design/theme/Color.h"
#include "design/type/InterFont.h"
#include "design/type/ShapedText.h"

namespace tidewell::screens {

namespace {
QFont segmentFont() { return design::inter(12, design::FontWeight::Medium); }
constexpr double kHeight = 24;
constexpr double kPadding = 12;
constexpr double kTrackRadius = 7;
constexpr double kInset = 2;
constexpr double kThumbRadius = 5;

QRectF centredIn(const QRectF& outer, const QSizeF& size) {
  return QRectF(outer.center() - QPointF(size.width() / 2, size.height() / 2), size);
}
}  // namespace

SegmentedLayout segmentedLayout(const QStringList& titles) {
  const QFontMetricsF metrics(segmentFont());
  double widest = 0;
  for (const QString& t : titles) widest = std::max(widest, metrics.horizontalAdvance(t));
  const double segment = std::ceil(widest + 2 * kPadding);
  SegmentedLayout layout;
  for (qsizetype i = 0; i < titles.size(); ++i)
    layout.segments.append(QRectF(i * segment, 0, segment, kHeight));
  layout.size = QSizeF(segment * double(titles.size()), kHeight);
  return layout;
}

void paintSegmentedControl(QPainter& painter, const QRectF& rect, const QStringList& titles, int current) {
  using namespace design;
  const SegmentedLayout layout = segmentedLayout(titles);
  const QRectF track = centredIn(rect, layout.size);
  painter.save();
  painter.setRenderHint(QPainter::Antialiasing);
  painter.fillPath(continuousRoundedRect(track, kTrackRadius), Color::raisedSurface());
  strokeInside(painter, track, kTrackRadius, 1, Color::hairline());
  painter.setFont(segmentFont());
  for (qsizetype i = 0; i < titles.size(); ++i) {
    const QRectF segment = layout.segments[i].translated(track.topLeft());
    const bool chosen = i == current;
    if (chosen) {
      const QRectF thumb = segment.adjusted(kInset, kInset, -kInset, -kInset);
      painter.fillPath(continuousRoundedRect(thumb, kThumbRadius), Color::white(0.14));
      strokeInside(painter, thumb, kThumbRadius, 1, Color::white(0.08));
    }
    painter.setPen(chosen ? Color::white() : Color::white(0.6));
    design::drawShapedText(painter, segment, Qt::AlignCenter | Qt::TextSingleLine, titles[i]);
  }
  painter.restore();
}

SegmentedControl::SegmentedControl(QStringList titles, int current, QWidget* parent)
    : QWidget(parent),
      titles_(std::move(titles)),
      current_(std::clamp(current, 0, int(std::max<qsizetype>(0, titles_.size() - 1)))) {
  setSizePolicy(QSizePolicy::Fixed, QSizePolicy::Fixed);
  design::KeyboardFocus::makeFocusable(this, {kTrackRadius, {}});
  setCursor(Qt::PointingHandCursor);
  // One page tab per segment.
  design::AccessibleChoices choices;
  choices.titles = [this] { return titles_; };
  choices.current = [this] { return current_; };
  choices.choose = [this](int index) { setCurrentIndex(index); };
  choices.rect = [this](int index) { return segmentRect(index); };
  design::accessibleTraits(this).choices = std::move(choices);
}

void SegmentedControl::setCurrentIndex(int index) {
  if (index < 0 || index >= titles_.size() || index == current_) return;
  const int previous = current_;
  current_ = index;
  update();
  design::accessibleChoiceChanged(this, previous);
  Q_EMIT currentChanged(current_);
}

QString SegmentedControl::currentTitle() const {
  return current_ >= 0 && current_ < titles_.size() ? titles_[current_] : QString();
}

QRect SegmentedControl::segmentRect(int index) const {
  const SegmentedLayout layout = segmentedLayout(titles_);
  if (index < 0 || index >= layout.segments.size()) return {};
  const QRectF track = centredIn(QRectF(rect()), layout.size);
  return layout.segments[index].translated(track.topLeft()).toAlignedRect();
}

int SegmentedControl::segmentAt(QPointF pos) const {
  for (int i = 0; i < titles_.size(); ++i)
    if (QRectF(segmentRect(i)).contains(pos)) return i;
  return -1;
}

QSize SegmentedControl::sizeHint() const {
  const QSizeF size = segmentedLayout(titles_).size;
  return {int(std::ceil(size.width())), int(std::ceil(size.height()))};
}

void SegmentedControl::paintEvent(QPaintEvent*) {
  QPainter painter(this);
  paintSegmentedControl(painter, QRectF(rect()), titles_, current_);
}

void SegmentedControl::mousePressEvent(QMouseEvent* event) {
  if (event->button() != Qt::LeftButton) return QWidget::mousePressEvent(event);
  pressed_ = segmentAt(event->position());
  event->accept();
}

void SegmentedControl::mouseReleaseEvent(QMouseEvent* event) {
  if (event->button() != Qt::LeftButton) return QWidget::mouseReleaseEvent(event);
  const int released = segmentAt(event->position());
  if (released >= 0 && released == pressed_) setCurrentIndex(released);
  pressed_ = -1;
  event->accept();
}

void SegmentedControl::keyPressEvent(QKeyEvent* event) {
  if (event->key() == Qt::Key_Left) return setCurrentIndex(current_ - 1);
  if (event->key() == Qt::Key_Right) return setCurrentIndex(current_ + 1);
  QWidget::keyPressEvent(event);
}

}  // namespace tidewell::screens
