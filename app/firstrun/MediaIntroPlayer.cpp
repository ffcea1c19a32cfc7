#include "app/firstrun/MediaIntroPlayer.h"

#include <dlfcn.h>

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

// The file of a backend's plugin, where Qt would look for it; empty when
// there is none.
QString backendPluginFile(const QString& backend) {
  const QString file = QStringLiteral("/multimedia/lib") + backend + QStringLiteral("mediaplugin.so");
  for (const QString& folder : QCoreApplication::libraryPaths())
    if (QFileInfo::exists(folder + file)) return folder + file;
  const QString installed = QLibraryInfo::path(QLibraryInfo::PluginsPath) + file;
  return QFileInfo::exists(installed) ? installed : QString();
}

// The plugin of a backend that can work, choosing ffmpeg unless the
// environment names one; empty when there is none. Qt 6.4 aborts the
// process when QtMultimedia is used without any backend, so nothing of it
// may be created before this named one. Decided once, before the backend
// is loaded on first use.
const QString& chosenBackendPlugin() {
  static const QString plugin = [] {
    const QString named = qEnvironmentVariable("QT_MEDIA_BACKEND");
    if (!named.isEmpty()) return backendPluginFile(named);
    QString ffmpeg = backendPluginFile(QStringLiteral("ffmpeg"));
    if (!ffmpeg.isEmpty()) qputenv("QT_MEDIA_BACKEND", "ffmpeg");
    return ffmpeg;
  }();
  return plugin;
}

bool chooseMediaBackend() { return !chosenBackendPlugin().isEmpty(); }

}  // namespace

std::unique_ptr<IntroPlayer> MediaIntroPlayer::create(const QString& file) {
  if (file.isEmpty() || !QFileInfo(file).isFile()) return nullptr;
  if (!chooseMediaBackend()) return nullptr;
  std::unique_ptr<MediaIntroPlayer> player(new MediaIntroPlayer);
  if (!player->player_->isAvailable()) return nullptr;
  player->player_->setSource(QUrl::fromLocalFile(QFileInfo(file).absoluteFilePath()));
  return player;
}

std::function<void()> MediaIntroPlayer::backendLoader(const QString& file) {
  if (file.isEmpty() || !QFileInfo(file).isFile() || !chooseMediaBackend()) return {};
  return [plugin = chosenBackendPlugin().toLocal8Bit()] {
    // Loaded with what it links and kept for the life of the process, as
    // Qt keeps its plugins; Qt's own load of the file later finds it in
    // memory. Nothing of Qt's is made here, so no object lives on this
    // thread.
    dlopen(plugin.constData(), RTLD_NOW | RTLD_LOCAL);
  };
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
