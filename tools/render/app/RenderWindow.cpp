// Renders the whole main window offscreen into OUTDIR, once per section
// (window-home.png, window-clean.png, ...), with developer tools so every
// row is there; and the sidebar with Full Disk Access missing, which a
// Linux machine never shows by itself. Real models over an empty fixture
// home; nothing runs.
#include <QDir>
#include <QTemporaryDir>

#include "app/AppBridge.h"
#include "app/firstrun/IntroPlayer.h"
#include "app/root/ContentView.h"
#include "app/root/Sidebar.h"
#include "app/root/WindowModels.h"
#include "models/ManualExecutor.h"
#include "models/SettingsStore.h"
#include "testkit/probe/FakeServices.h"
#include "testkit/probe/Probe.h"
#include "testkit/probe/Renderer.h"

using namespace tidewell;
using namespace tidewell::app;

int main(int argc, char** argv) {
  return probe::runRenderer(argc, argv, [](probe::Shots& shots) {
    QTemporaryDir fixture;
    QDir(fixture.path()).mkpath(QStringLiteral("home"));
    auto settings = models::SettingsStore::atFile(fixture.filePath(QStringLiteral("settings.ini")));
    settings->setHasOnboarded(true);
    ProcessServices process = ProcessServices::forContext(
        platform::EngineContext::forFixture(fixture.path().toStdString()),
        {std::make_shared<models::ManualExecutor>(), settings, models::Clock::system()});
    process.readVolume = [] {
      return std::optional<platform::VolumeCapacity>({98'000'000'000, 245'000'000'000});
    };

    AppBridge bridge;
    probe::FakeServices fakes;
    ContentView::Context context;
    context.settings = settings;
    context.hasDevTools = true;
    context.services = fakes.services();
    context.models = WindowModels::create(process, {});
    context.introPlayer = [] { return std::unique_ptr<IntroPlayer>(); };
    ContentView view(bridge, std::move(context));

    for (const Section section : allSections) {
      view.setSection(section);
      const QString name = QStringLiteral("window-") + sectionTitle(section).toLower().replace(u' ', u'-');
      shots.save(name, probe::render(&view, {1120, 740}, 2));
    }

    Sidebar missing(visibleSections(false), Section::home, false);
    shots.save(QStringLiteral("window-sidebar-access-missing"),
               probe::render(&missing, {kSidebarWidth, 740}, 2));
  });
}
