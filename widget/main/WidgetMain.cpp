// tidewell-mac-widget: the free-space widget on the desktop. Measures the
// home volume itself, hourly, and opens the application to scan on a click.
#include <QApplication>
#include <QScreen>
#include <cstdio>
#include <string>

#include "base/ToolkitArguments.h"
#include "widget/DesktopWindowFlags.h"
#include "widget/TidewellWidgetView.h"
#include "widget/WidgetOptions.h"
#include "widget/timeline/TimelineHost.h"

using namespace tidewell::widget;

namespace {
// Near the top right corner of the screen, clear of panels.
void placeOnScreen(QWidget& view) {
  const QScreen* screen = QGuiApplication::primaryScreen();
  if (!screen) return;
  constexpr int kMargin = 24;
  const QRect area = screen->availableGeometry();
  view.move(area.right() - view.width() - kMargin, area.top() + kMargin);
}
}  // namespace

int main(int argc, char** argv) {
  // The command line is read before QApplication, which aborts without a
  // display, so --help and a mistyped option are answered anywhere.
  QStringList arguments;
  for (const std::string& argument : tidewell::base::programArguments(argc, argv)) {
    arguments << QString::fromLocal8Bit(argument.data(), qsizetype(argument.size()));
  }
  const WidgetOptions options = parseWidgetOptions(arguments);
  if (!options.error.isEmpty()) {
    std::fprintf(stderr, "tidewell-mac-widget: %s\n", qPrintable(options.error));
    return 2;
  }
  if (options.help) {
    std::fputs(qPrintable(options.helpText), stdout);
    return 0;
  }

  QApplication app(argc, argv);
  QApplication::setApplicationName(QStringLiteral("tidewell-mac-widget"));
  QApplication::setApplicationDisplayName(QStringLiteral("Free Space"));
  QGuiApplication::setDesktopFileName(QStringLiteral("tidewell-mac-widget"));

  TidewellWidgetView view(options.family);
  view.setWindowFlags(desktopWindowFlags(QGuiApplication::platformName()));
  view.setWindowTitle(QStringLiteral("Free Space"));

  const TimelineContext context{options.family, false};
  const SpaceProvider provider;
  TimelineHost host(
      provider, context, [] { return std::chrono::system_clock::now(); }, makeTimerTicker());
  if (options.placeholder) {
    view.setEntry(provider.placeholder(context));
  } else {
    QObject::connect(&host, &TimelineHost::entryChanged, &view, &TidewellWidgetView::setEntry);
    host.start();
  }

  placeOnScreen(view);
  view.show();
  return app.exec();
}
