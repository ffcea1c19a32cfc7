#pragma once
// A stand-in for the window's detail pane, for rendering and testing one
// screen or component: a top-level widget painting the window background,
// a shadow host (so glows show), with a section accent, holding one
// content widget with margins. GUI thread only.

#include <QImage>
#include <QWidget>

#include "design/theme/SectionPalette.h"

class QVBoxLayout;

namespace tidewell::probe {

class Stage : public QWidget {
  Q_OBJECT
 public:
  Stage(QWidget* content, const design::SectionPalette& accent, QSize size, QMargins margins = {});

  QWidget* content() const { return content_; }
  QVBoxLayout* column() const { return column_; }
  // Rendered at the stage's size.
  QImage image(double devicePixelRatio = 2);
  // Rendered with dialog over it, as the window shows an alert or a sheet:
  // the stage dimmed, the dialog centred near the top with a hairline edge.
  QImage imageWithDialog(QWidget* dialog, double devicePixelRatio = 2);
  // image() saved as folder/name.png; false when it cannot be written.
  bool save(const QString& folder, const QString& name, double devicePixelRatio = 2);

 protected:
  void paintEvent(QPaintEvent* event) override;

 private:
  QWidget* content_;
  QVBoxLayout* column_;
  QSize size_;
};

}  // namespace tidewell::probe
