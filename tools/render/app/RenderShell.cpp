// Renders the shell's content offscreen into OUTDIR: the tray popover
// (measured, and before its first measurement), the welcome card, a frame
// of the intro, and About on its own and as the sheet over a window.
#include <QApplication>
#include <QDir>
#include <QImage>
#include <QPainter>
#include <QTemporaryDir>
#include <cstdio>

#include "app/AppBridge.h"
#include "app/about/AboutSheet.h"
#include "app/about/AboutView.h"
#include "app/firstrun/IntroClock.h"
#include "app/firstrun/IntroPlayer.h"
#include "app/firstrun/IntroRevealView.h"
#include "app/firstrun/OnboardingView.h"
#include "app/introvideo/IntroFrame.h"
#include "app/popover/MenuBarView.h"
#include "app/popover/QuickCard.h"
#include "design/brand/BrandAsset.h"
#include "design/brand/ResourceRoot.h"
#include "design/paint/AmbientBackground.h"
#include "design/type/BundledFonts.h"
#include "models/SettingsStore.h"

using namespace tidewell;
using namespace tidewell::app;

namespace {

constexpr double kPixelRatio = 2;

// Shows one fixed picture, as the intro's player would at that moment.
class StillPlayer final : public IntroPlayer {
 public:
  explicit StillPlayer(QImage frame) : frame_(std::move(frame)) {}
  void play() override {}
  void pause() override {}
  double durationSeconds() const override { return kIntroSeconds; }
  QImage currentFrame() const override { return frame_; }

 private:
  QImage frame_;
};

bool save(QWidget& widget, const QDir& out, const char* name) {
  widget.show();
  QCoreApplication::processEvents();
  QImage image((QSizeF(widget.size()) * kPixelRatio).toSize(), QImage::Format_ARGB32_Premultiplied);
  image.setDevicePixelRatio(kPixelRatio);
  image.fill(Qt::black);
  widget.render(&image);
  const QString path = out.filePath(QString::fromLatin1(name) + QStringLiteral(".png"));
  if (image.save(path)) return true;
  std::fprintf(stderr, "render-shell: could not write %s\n", qPrintable(path));
  return false;
}

QImage introFrame(double t) {
  QImage frame(kIntroFrameSize, QImage::Format_RGB32);
  const auto wordmark = design::BrandArtwork::load(design::BrandAsset::Wordmark, design::resourceRoot());
  QPainter painter(&frame);
  if (wordmark)
    paintIntroFrame(painter, QRectF(frame.rect()), *wordmark, t);
  else
    frame.fill(Qt::black);
  return frame;
}

}  // namespace

int main(int argc, char** argv) {
  QApplication app(argc, argv);
  if (argc != 2) {
    std::fprintf(stderr, "usage: render-shell OUTDIR\n");
    return 2;
  }
  design::registerBundledFonts();
  const QDir out(QString::fromLocal8Bit(argv[1]));
  QTemporaryDir scratch;
  auto settings = models::SettingsStore::atFile(scratch.filePath(QStringLiteral("settings.ini")));
  settings->addFreedBytes(12'480'000'000);
  AppBridge bridge;
  int failed = 0;

  {
    // A 500 GB disk with 61.23 GB left; the Apps card under the pointer.
    MenuBarView popover(bridge,
                        {[] {
                           return platform::VolumeCapacity{61'234'567'890, 494'384'795'648};
                         },
                         settings},
                        [] {});
    popover.findChild<QuickCard*>(QStringLiteral("quickCard:Apps"))->setHovering(true);
    failed += !save(popover, out, "shell-popover");
  }
  {
    // The first moment of a showing whose reading failed, nothing freed yet.
    auto empty = models::SettingsStore::atFile(scratch.filePath(QStringLiteral("empty.ini")));
    MenuBarView popover(bridge, {[] { return std::optional<platform::VolumeCapacity>(); }, empty}, [] {});
    failed += !save(popover, out, "shell-popover-unmeasured");
  }
  {
    OnboardingView onboarding;
    onboarding.resize(1120, 740);
    failed += !save(onboarding, out, "shell-onboarding");
  }
  {
    IntroRevealView intro([] { return std::make_unique<StillPlayer>(introFrame(3.2)); },
                          IntroClock::system());
    intro.resize(1120, 740);
    failed += !save(intro, out, "shell-intro");
  }
  {
    AboutView about([](const QUrl&) {});
    failed += !save(about, out, "shell-about");
  }
  {
    design::AmbientBackground window(design::SectionPalette::clean());
    window.resize(1120, 740);
    AboutSheet sheet(&window, [](const QUrl&) {});
    sheet.present();
    failed += !save(window, out, "shell-about-sheet");
  }
  return failed ? 1 : 0;
}
