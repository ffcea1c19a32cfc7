#include "screens/common/views/TextLabel.h"

#include <QPainter>
#include <cmath>

#include "design/accessibility/AccessibleTraits.h"
#include "screens/common/views/TextLines.h"

namespace tidewell::screens {

namespace {
// A wrapping text asks for no more than this much width by itself; its
// layout may give it more.
constexpr double kWrappingHintWidth = 520;
// Below this a cut text stops shrinking in a crowded row.
constexpr double kMinimumWidth = 24;

int up(double v) { return int(std::ceil(v - 1e-6)); }

int across(const QMargins& m) { return m.left() + m.right(); }
int down(const QMargins& m) { return m.top() + m.bottom(); }
}  // namespace

TextLabel::TextLabel(QString text, TextLook look, QWidget* parent)
    : QWidget(parent), text_(std::move(text)), look_(std::move(look)) {
  design::accessibleTraits(this).role = QAccessible::StaticText;
  changed();
}

void TextLabel::setText(const QString& text) {
  if (text == text_) return;
  text_ = text;
  changed();
  design::accessibleNameChanged(this);
}

void TextLabel::setLook(const TextLook& look) {
  if (look == look_) return;
  look_ = look;
  changed();
}

void TextLabel::setColour(const QColor& colour) {
  if (colour == look_.colour) return;
  look_.colour = colour;
  update();
}

void TextLabel::changed() {
  linesWidth_ = -1;
  QSizePolicy policy(QSizePolicy::Preferred,
                     look_.maxLines == 1 ? QSizePolicy::Fixed : QSizePolicy::Preferred);
  policy.setHeightForWidth(look_.maxLines != 1);
  setSizePolicy(policy);
  updateGeometry();
  update();
}

QStringList TextLabel::visibleLines() const {
  const int width = contentsRect().width();
  if (linesWidth_ != width) {
    lines_ = layOutLines(text_, look_, width);
    linesWidth_ = width;
  }
  return lines_;
}

bool TextLabel::isTruncated() const {
  const QStringList all = layOutLines(text_, look_.lines(0).elided(Qt::ElideNone), contentsRect().width());
  const QStringList shown = visibleLines();
  return all != shown;
}

// The margins set on the label pad its text on every side: its sizes are
// the text's plus the margins, and the text is laid out and drawn inside.
QSize TextLabel::sizeHint() const {
  const QMargins m = contentsMargins();
  const double natural = naturalTextWidth(text_, look_);
  if (look_.maxLines == 1) return {up(natural) + across(m), up(textBlockHeight(look_, 1)) + down(m)};
  const int width = up(std::min(natural, kWrappingHintWidth)) + across(m);
  return {width, heightForWidth(width)};
}

QSize TextLabel::minimumSizeHint() const {
  const QMargins m = contentsMargins();
  const double natural = naturalTextWidth(text_, look_);
  const bool cuts = look_.elide != Qt::ElideNone || look_.maxLines != 1;
  const int width = cuts ? up(std::min(natural, kMinimumWidth)) : up(natural);
  return {width + across(m), up(textBlockHeight(look_, 1)) + down(m)};
}

bool TextLabel::hasHeightForWidth() const { return look_.maxLines != 1; }

int TextLabel::heightForWidth(int width) const {
  const QMargins m = contentsMargins();
  if (look_.maxLines == 1) return up(textBlockHeight(look_, 1)) + down(m);
  // Layouts ask at the column's width; the label is never wider than its maximum.
  width = std::max(0, std::min(width, maximumWidth()) - across(m));
  const auto lines = layOutLines(text_, look_, width);
  return up(textBlockHeight(look_, std::max<int>(1, int(lines.size())))) + down(m);
}

void TextLabel::resizeEvent(QResizeEvent* event) {
  QWidget::resizeEvent(event);
  update();
}

void TextLabel::paintEvent(QPaintEvent*) {
  QPainter painter(this);
  painter.setRenderHint(QPainter::TextAntialiasing);
  paintTextLines(painter, QRectF(contentsRect()), visibleLines(), look_);
}

}  // namespace tidewell::screens
