#include "app/firstrun/MediaIntroPlayer.h"

#include <QCoreApplication>
#include <QFileInfo>
#include <QLibraryInfo>
#include <QMediaPlayer>
#include <QTimer>
#include <QUrl>
#include <QVideoFrame>
#include <QVideoSink>
#include <limits>

namespace tidewell::app {

namespace {

constexpr int kTickMs = 200;

bool hasBackendPlugin(const QString& backend) {
  const QString file = QStringLiteral("/multimedia/lib") + backend + QStringLiteral("mediaplugin.so");
  for (const QString& folder : QCoreApplication::libraryPaths())
    if (QFileInfo::exists(folder + file)) return true;
  return QFileInfo::exists(QLibraryInfo::path(QLibraryInfo::PluginsPath) + file);
}

// Whether a backend that can work is there, choosing ffmpeg unless the
// environment names one. Qt 6.4 aborts the process when QtMultimedia is used
// without any backend, so nothing of it may be created before this said
// yes. Decided once, before the backend is loaded on first use.
bool chooseMediaBackend() {
  static const bool usable = [] {
    const QString named = qEnvironmentVariable("QT_MEDIA_BACKEND");
    if (!named.isEmpty()) return hasBackendPlugin(named);
    if (!hasBackendPlugin(QStringLiteral("ffmpeg"))) return false;
    qputenv("QT_MEDIA_BACKEND", "ffmpeg");
    return true;
  }();
  return usable;
}

}  // namespace

std::unique_ptr<IntroPlayer> MediaIntroPlayer::create(const QString& file) {
  if (file.isEmpty() || !QFileInfo(file).isFile()) return nullptr;
  if (!chooseMediaBackend()) return nullptr;
  std::unique_ptr<MediaIntroPlayer> player(new MediaIntroPlayer);
  if (!player->player_->isAvailable()) return nullptr;
  player->player_->setSource(QUrl::fromLocalFile(QFileInfo(file).absoluteFilePath()));
  return player;
}

MediaIntroPlayer::MediaIntroPlayer()
    : sink_(new QVideoSink(this)), player_(new QMediaPlayer(this)), ticks_(new QTimer(this)) {
  player_->setVideoSink(sink_);
  ticks_->setInterval(kTickMs);
  ticks_->setTimerType(Qt::PreciseTimer);
  connect(ticks_, &QTimer::timeout, this, [this] { Q_EMIT ticked(double(player_->position()) / 1000.0); });
  connect(sink_, &QVideoSink::videoFrameChanged, this, &MediaIntroPlayer::takeFrame);
  connect(player_, &QMediaPlayer::playbackStateChanged, this, [this](QMediaPlayer::PlaybackState state) {
    if (state == QMediaPlayer::PlayingState)
      ticks_->start();
    else
      ticks_->stop();
  });
  connect(player_, &QMediaPlayer::mediaStatusChanged, this, [this](QMediaPlayer::MediaStatus status) {
    if (status == QMediaPlayer::EndOfMedia) Q_EMIT reachedEnd();
    if (status == QMediaPlayer::InvalidMedia && !failed_) {
      failed_ = true;
      Q_EMIT failed();
    }
  });
  connect(player_, &QMediaPlayer::errorOccurred, this, [this](QMediaPlayer::Error error, const QString&) {
    if (error == QMediaPlayer::NoError || failed_) return;
    failed_ = true;
    Q_EMIT failed();
  });
}

MediaIntroPlayer::~MediaIntroPlayer() {
  // Stop decoding before the sink goes.
  player_->stop();
  player_->setVideoSink(nullptr);
}

void MediaIntroPlayer::play() { player_->play(); }

void MediaIntroPlayer::pause() {
  // Pausing a stopped player would load the first frame again; at the end
  // the last one is to stay.
  if (player_->playbackState() == QMediaPlayer::PlayingState) player_->pause();
}

double MediaIntroPlayer::durationSeconds() const {
  const qint64 ms = player_->duration();
  return ms > 0 ? double(ms) / 1000.0 : std::numeric_limits<double>::quiet_NaN();
}

void MediaIntroPlayer::takeFrame(const QVideoFrame& frame) {
  // An empty frame (at the end, on stop) keeps the last picture.
  if (!frame.isValid()) return;
  QImage image = frame.toImage();
  if (image.isNull()) return;
  frame_ = std::move(image);
  Q_EMIT frameChanged();
}

}  // namespace tidewell::app
