#include "app/firstrun/IntroPreparation.h"

#include <QThread>

#include "app/firstrun/IntroPlayer.h"

namespace tidewell::app {

IntroPreparation::IntroPreparation(IntroRevealView::PlayerFactory makePlayer, QObject* parent)
    : QObject(parent), makePlayer_(std::move(makePlayer)) {}

IntroPreparation::~IntroPreparation() {
  // A library half loaded cannot be stopped; the thread must end before it
  // goes.
  if (worker_) worker_->wait();
}

void IntroPreparation::start(std::function<void()> warmUp) {
  if (started_) return;
  started_ = true;
  if (!warmUp) {
    // After the card's first frame.
    QMetaObject::invokeMethod(this, &IntroPreparation::makePlayer, Qt::QueuedConnection);
    return;
  }
  worker_ = QThread::create(std::move(warmUp));
  worker_->setParent(this);
  worker_->setObjectName(QStringLiteral("introWarmUp"));
  // Told on the GUI thread, from the event loop.
  connect(worker_, &QThread::finished, this, &IntroPreparation::makePlayer);
  worker_->start(QThread::LowPriority);
}

void IntroPreparation::makePlayer() {
  if (made_ || taken_) return;
  made_ = true;
  if (makePlayer_) player_ = makePlayer_();
  Q_EMIT ready();
}

std::unique_ptr<IntroPlayer> IntroPreparation::take() {
  if (taken_) return nullptr;
  // Asked before the player was made: the rest of the warm-up is waited
  // for here, and the player made now.
  if (worker_) worker_->wait();
  makePlayer();
  taken_ = true;
  return std::move(player_);
}

}  // namespace tidewell::app
