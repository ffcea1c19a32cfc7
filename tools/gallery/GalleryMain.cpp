// tidewell_gallery OUTDIR: renders every design element offscreen to PNG.
#include <QApplication>
#include <QDir>
#include <cstdio>

#include "Pages.h"
#include "design/motion/MotionPreference.h"
#include "design/type/BundledFonts.h"

int main(int argc, char** argv) {
  qputenv("QT_QPA_PLATFORM", "offscreen");
  QApplication app(argc, argv);
  if (argc < 2) {
    std::fprintf(stderr, "usage: tidewell_gallery OUTDIR\n");
    return 2;
  }
  const QString out = QString::fromLocal8Bit(argv[1]);
  if (!QDir().mkpath(out)) {
    std::fprintf(stderr, "cannot create %s\n", argv[1]);
    return 1;
  }
  tidewell::design::registerBundledFonts();
  tidewell::design::setReduceMotionOverride(false);
  using namespace tidewell::gallery;
  bool ok = true;
  for (auto page : {palettesPage, healthPage, fontsPage, logoPage, symbolsPage, symbolEffectsPage, pillsPage,
                    sidebarPage, chipsAndHeadersPage, gaugesPage, blobsPage, ringsPage, countUpPage,
                    scanButtonPage, backdropPage, cardsPage, cardWindowPage})
    ok = page(out) && ok;
  std::printf("%s\n", ok ? "gallery written" : "some pages failed");
  return ok ? 0 : 1;
}
