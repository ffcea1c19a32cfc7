#include "testkit/probe/Renderer.h"

#include <QApplication>
#include <QDir>
#include <cstdio>
#include <cstdlib>

#include "testkit/probe/Probe.h"
#include "testkit/probe/Stage.h"

namespace tidewell::probe {

bool Shots::take(const QString& name, QWidget* content, const design::SectionPalette& accent, QSize size,
                 QMargins margins) {
  Stage stage(content, accent, size, margins);
  return take(name, stage);
}

bool Shots::take(const QString& name, Stage& stage) { return save(name, stage.image()); }

bool Shots::save(const QString& name, const QImage& image) {
  QDir().mkpath(folder_);
  const bool ok = !image.isNull() && image.save(QDir(folder_).filePath(name + QStringLiteral(".png")));
  if (ok) {
    ++written_;
  } else {
    ++failures_;
    std::fprintf(stderr, "render: could not write %s/%s.png\n", qPrintable(folder_), qPrintable(name));
  }
  return ok;
}

int runRenderer(int argc, char** argv, const std::function<void(Shots&)>& body) {
  if (argc != 2) {
    std::fprintf(stderr, "usage: %s OUTDIR\n", argc > 0 ? argv[0] : "render");
    return 2;
  }
  setenv("QT_QPA_PLATFORM", "offscreen", 0);
  setenv("TIDEWELL_REDUCE_MOTION", "1", 0);
  QApplication app(argc, argv);
  prepare();
  Shots shots(QString::fromLocal8Bit(argv[1]));
  body(shots);
  settle();
  return shots.failures() == 0 ? 0 : 1;
}

}  // namespace tidewell::probe
