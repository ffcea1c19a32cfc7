#include "app/ShellOptions.h"

#include <QGuiApplication>

#include "app/popover/MenuBarView.h"
#include "models/permissions/ActivationSource.h"

namespace tidewell::app {

TidewellMacApp::Options shellOptions(AppBridge& bridge, const ProcessServices& process,
                                     std::function<void(ContentView::Context&)> adjust) {
  if (auto* application = qobject_cast<QGuiApplication*>(QCoreApplication::instance())) {
    QObject::connect(application, &QGuiApplication::applicationStateChanged, process.activation.get(),
                     [activation = process.activation.get()](Qt::ApplicationState state) {
                       if (state == Qt::ApplicationActive) Q_EMIT activation->activated();
                     });
  }

  TidewellMacApp::Options options;
  options.windowContent = [&bridge, &process, adjust]() -> QWidget* {
    ContentView::Context context;
    context.settings = process.models.settings;
    context.hasDevTools = process.hasDevTools;
    context.models = WindowModels::create(
        process, [revealer = context.services.revealer](const QString& path) { revealer->reveal(path); });
    if (adjust) adjust(context);
    return new ContentView(bridge, std::move(context));
  };
  options.popoverContent = [&bridge, &process](std::function<void()> close) -> QWidget* {
    return new MenuBarView(bridge, {process.readVolume, process.models.settings}, std::move(close));
  };
  return options;
}

}  // namespace tidewell::app
