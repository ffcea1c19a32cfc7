// Build-time tool: paints the intro video's frames and pipes them to
// ffmpeg, which encodes them as H.264 in an MP4 file.
//   tidewell-intro-video FFMPEG WORDMARK.svg OUT.mp4
// The file appears only when encoding succeeded (it is written beside OUT
// first and renamed), so a failed build never leaves half a video.
#include <QDir>
#include <QFile>
#include <QGuiApplication>
#include <QImage>
#include <QPainter>
#include <QProcess>
#include <cmath>
#include <cstdio>

#include "app/introvideo/IntroFrame.h"
#include "design/brand/BrandAsset.h"

using tidewell::app::kIntroFrameSize;
using tidewell::app::kIntroFramesPerSecond;
using tidewell::app::kIntroSeconds;

int main(int argc, char** argv) {
  if (!qEnvironmentVariableIsSet("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
  QGuiApplication app(argc, argv);
  if (argc != 4) {
    std::fprintf(stderr, "usage: tidewell-intro-video FFMPEG WORDMARK.svg OUT.mp4\n");
    return 2;
  }
  const QString ffmpeg = QString::fromLocal8Bit(argv[1]);
  const auto wordmark = tidewell::design::BrandArtwork::loadFile(QString::fromLocal8Bit(argv[2]));
  if (!wordmark) {
    std::fprintf(stderr, "tidewell-intro-video: cannot load the logo %s\n", argv[2]);
    return 1;
  }
  const QString out = QString::fromLocal8Bit(argv[3]);
  const QString partial = out + QStringLiteral(".part");
  QDir().mkpath(QFileInfo(out).absolutePath());

  const QString size = QStringLiteral("%1x%2").arg(kIntroFrameSize.width()).arg(kIntroFrameSize.height());
  QProcess encoder;
  encoder.setProcessChannelMode(QProcess::ForwardedErrorChannel);
  encoder.start(
      ffmpeg,
      {"-hide_banner", "-loglevel", "error", "-y",       "-f",      "rawvideo",
       "-pix_fmt",     "rgb24",     "-s",    size,       "-r",      QString::number(kIntroFramesPerSecond),
       "-i",           "-",         "-an",   "-c:v",     "libx264", "-preset",
       "veryfast",     "-crf",      "20",    "-pix_fmt", "yuv420p", "-movflags",
       "+faststart",   "-f",        "mp4",   partial});
  if (!encoder.waitForStarted()) {
    std::fprintf(stderr, "tidewell-intro-video: cannot start %s\n", argv[1]);
    return 1;
  }

  const int frames = int(std::lround(kIntroSeconds * kIntroFramesPerSecond));
  QImage frame(kIntroFrameSize, QImage::Format_RGB888);
  bool written = true;
  for (int i = 0; i < frames && written; ++i) {
    {
      QPainter painter(&frame);
      tidewell::app::paintIntroFrame(painter, QRectF(QPointF(0, 0), QSizeF(kIntroFrameSize)), *wordmark,
                                     double(i) / kIntroFramesPerSecond);
    }
    const qsizetype row = qsizetype(frame.width()) * 3;
    for (int y = 0; y < frame.height() && written; ++y)
      written = encoder.write(reinterpret_cast<const char*>(frame.constScanLine(y)), row) == row;
    // Keep at most one frame buffered.
    while (written && encoder.bytesToWrite() > 0) written = encoder.waitForBytesWritten(30000);
  }
  encoder.closeWriteChannel();
  encoder.waitForFinished(-1);
  if (!written || encoder.exitStatus() != QProcess::NormalExit || encoder.exitCode() != 0) {
    std::fprintf(stderr, "tidewell-intro-video: ffmpeg could not encode the video\n");
    QFile::remove(partial);
    return 1;
  }
  QFile::remove(out);
  if (!QFile::rename(partial, out)) {
    std::fprintf(stderr, "tidewell-intro-video: cannot write %s\n", argv[3]);
    return 1;
  }
  return 0;
}
