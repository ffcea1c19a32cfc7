// Renders both widget families, measured and placeholder, into OUTDIR as
// widget-small.png, widget-medium.png, widget-small-placeholder.png and
// widget-medium-placeholder.png, from fixed volume figures.
#include <QApplication>
#include <QDir>
#include <QImage>
#include <QPainter>
#include <cstdio>

#include "widget/WidgetLayout.h"
#include "widget/WidgetPainter.h"
#include "widget/timeline/SpaceProvider.h"

using namespace tidewell::widget;

namespace {
constexpr double kPixelRatio = 2;

// A 500 GB disk with 61.23 GB left.
SpaceProvider fixedProvider() {
  SpaceSources sources;
  sources.now = [] { return tidewell::base::TimePoint(std::chrono::seconds(1'780'000'000)); };
  sources.home = [] { return std::string("/home/sample"); };
  sources.readVolume = [](const std::string&) { return VolumeReading{61'234'567'890, 494'384'795'648}; };
  sources.oneHourLater = [](tidewell::base::TimePoint t) { return t + std::chrono::hours(1); };
  return SpaceProvider(sources);
}

bool render(const QString& path, WidgetFamily family, const SpaceEntry& entry) {
  const QSizeF size = widgetSize(family);
  QImage image((size * kPixelRatio).toSize(), QImage::Format_ARGB32_Premultiplied);
  image.setDevicePixelRatio(kPixelRatio);
  image.fill(Qt::transparent);
  {
    QPainter painter(&image);
    paintTidewellWidget(painter, QRectF(QPointF(0, 0), size), family, entry);
  }
  return image.save(path);
}
}  // namespace

int main(int argc, char** argv) {
  QApplication app(argc, argv);
  if (argc != 2) {
    std::fprintf(stderr, "usage: render-widget OUTDIR\n");
    return 2;
  }
  const QDir out(QString::fromLocal8Bit(argv[1]));
  const SpaceProvider provider = fixedProvider();
  struct Shot {
    const char* name;
    WidgetFamily family;
    bool placeholder;
  };
  const Shot shots[] = {{"widget-small", WidgetFamily::Small, false},
                        {"widget-medium", WidgetFamily::Medium, false},
                        {"widget-small-placeholder", WidgetFamily::Small, true},
                        {"widget-medium-placeholder", WidgetFamily::Medium, true}};
  int failed = 0;
  for (const Shot& shot : shots) {
    const TimelineContext context{shot.family, false};
    const SpaceEntry entry = shot.placeholder ? provider.placeholder(context) : provider.readEntry();
    const QString path = out.filePath(QString::fromLatin1(shot.name) + QStringLiteral(".png"));
    if (!render(path, shot.family, entry)) {
      std::fprintf(stderr, "render-widget: could not write %s\n", qPrintable(path));
      ++failed;
    }
  }
  return failed ? 1 : 0;
}
