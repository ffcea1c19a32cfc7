#include "app/firstrun/IntroRevealView.h"

#include <QPainter>
#include <QTimer>
#include <algorithm>
#include <cmath>

#include "app/firstrun/IntroClock.h"
#include "app/firstrun/IntroPlayer.h"
#include "app/firstrun/IntroVideoFile.h"
#include "app/firstrun/MediaIntroPlayer.h"
#include "design/accessibility/AccessibleTraits.h"
#include "design/motion/Easing.h"

namespace tidewell::app {

namespace {

// The source rect of image that fills target's shape, centred: the picture
// covers the whole view and is cropped, never letterboxed.
QRectF aspectFillSource(const QSizeF& image, const QSizeF& target) {
  if (image.isEmpty() || target.isEmpty()) return {};
  const double scale = std::max(target.width() / image.width(), target.height() / image.height());
  const QSizeF shown(target.width() / scale, target.height() / scale);
  return QRectF(QPointF((image.width() - shown.width()) / 2, (image.height() - shown.height()) / 2), shown);
}

}  // namespace

IntroRevealView::PlayerFactory IntroRevealView::bundledVideo() {
  return [] { return MediaIntroPlayer::create(introVideoFile()); };
}

IntroRevealView::IntroRevealView(PlayerFactory makePlayer, std::shared_ptr<IntroClock> clock, QWidget* parent)
    : QWidget(parent),
      makePlayer_(std::move(makePlayer)),
      clock_(std::move(clock)),
      repaint_(new QTimer(this)) {
  setObjectName(QStringLiteral("introRevealView"));
  // A silent picture of the brand: nothing in it to read or press.
  design::setHiddenFromAccessibility(this);
  setAttribute(Qt::WA_OpaquePaintEvent, false);
  // Repaints while fading; the opacity itself is read from the clock.
  repaint_->setInterval(16);
  connect(repaint_, &QTimer::timeout, this, [this] {
    update();
    if (opacity() <= 0) repaint_->stop();
  });
}

IntroRevealView::~IntroRevealView() = default;

double IntroRevealView::opacity() const {
  if (!revealed_ || !player_) return revealed_ ? 0.0 : 1.0;
  const double progress = (clock_->now() - revealedAt_) / kFadeOut;
  return 1.0 - design::easeInOut(std::clamp(progress, 0.0, 1.0));
}

void IntroRevealView::showEvent(QShowEvent* event) {
  QWidget::showEvent(event);
  startPlayback();
}

void IntroRevealView::startPlayback() {
  if (started_) return;
  started_ = true;
  std::unique_ptr<IntroPlayer> player = makePlayer_ ? makePlayer_() : nullptr;
  if (!player) {
    // Nothing to play: reveal and finish at once, without a fade.
    revealed_ = true;
    QMetaObject::invokeMethod(
        this,
        [this] {
          Q_EMIT revealed();
          done_ = true;
          Q_EMIT done();
        },
        Qt::QueuedConnection);
    return;
  }
  player_ = player.release();
  player_->setParent(this);
  connect(player_, &IntroPlayer::frameChanged, this, qOverload<>(&QWidget::update));
  ticks_ = connect(player_, &IntroPlayer::ticked, this, &IntroRevealView::tick);
  connect(player_, &IntroPlayer::reachedEnd, this, &IntroRevealView::reveal);
  // A video that cannot be played shows nothing worth waiting for.
  connect(player_, &IntroPlayer::failed, this, &IntroRevealView::reveal);
  player_->play();
  clock_->after(kWatchdog, this, [this] { reveal(); });
}

void IntroRevealView::tick(double positionSeconds) {
  const double duration = player_->durationSeconds();
  if (std::isfinite(duration) && duration > 0 && duration - kRevealLead <= positionSeconds) reveal();
}

void IntroRevealView::reveal() {
  if (revealed_) return;
  revealed_ = true;
  disconnect(ticks_);
  revealedAt_ = clock_->now();
  Q_EMIT revealed();
  repaint_->start();
  clock_->after(kDoneAfterReveal, this, [this] { finish(); });
}

void IntroRevealView::finish() {
  if (player_) player_->pause();
  done_ = true;
  Q_EMIT done();
}

void IntroRevealView::paintEvent(QPaintEvent*) {
  const double alpha = opacity();
  if (alpha <= 0) return;
  QPainter painter(this);
  painter.setOpacity(alpha);
  painter.fillRect(rect(), Qt::black);
  const QImage frame = player_ ? player_->currentFrame() : QImage();
  if (frame.isNull()) return;
  painter.setRenderHint(QPainter::SmoothPixmapTransform);
  painter.drawImage(QRectF(rect()), frame, aspectFillSource(QSizeF(frame.size()), QSizeF(size())));
}

}  // namespace tidewell::app
