#pragma once
// The main of a screen renderer (render-<name>, built with
// tidewell_renderer and run by scripts/screens OUTDIR): sets up the
// offscreen application, prepares fonts and still motion, and hands the
// body a Shots that saves each state as OUTDIR/<name>.png at twice the
// size. Exit status 0 when every shot was written, 1 otherwise, 2 for a
// wrong command line.
//
//   int main(int argc, char** argv) {
//     return probe::runRenderer(argc, argv, [](probe::Shots& shots) {
//       auto* view = new AppsView(...);
//       shots.take("apps-idle", view, design::SectionPalette::apps(), {1120 - 220, 740});
//     });
//   }

#include <QImage>
#include <QMargins>
#include <QSize>
#include <QString>
#include <functional>

#include "design/theme/SectionPalette.h"

class QWidget;

namespace tidewell::probe {

class Stage;

class Shots {
 public:
  explicit Shots(QString folder) : folder_(std::move(folder)) {}
  const QString& folder() const { return folder_; }

  // Puts content on a Stage of size with accent and saves it as name; the
  // stage (and content) is deleted afterwards.
  bool take(const QString& name, QWidget* content, const design::SectionPalette& accent, QSize size,
            QMargins margins = {});
  // Saves a stage the body built (it stays the body's).
  bool take(const QString& name, Stage& stage);
  // Saves an image rendered otherwise (a dialog: probe::render(dialog)).
  bool save(const QString& name, const QImage& image);
  int failures() const { return failures_; }
  int written() const { return written_; }

 private:
  QString folder_;
  int failures_ = 0;
  int written_ = 0;
};

// The detail pane of the main window: 1120 x 740 less the sidebar.
inline constexpr QSize kDetailPaneSize{900, 740};

int runRenderer(int argc, char** argv, const std::function<void(Shots&)>& body);

}  // namespace tidewell::probe
