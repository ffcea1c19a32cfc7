#pragma once
// Stands in for a section's screen until the screen itself exists: the
// section's symbol in a chip of the section accent, and its title.

#include <QWidget>

#include "app/root/Mode.h"

namespace tidewell::app {

class SectionPlaceholder : public QWidget {
  Q_OBJECT
 public:
  explicit SectionPlaceholder(Mode mode, QWidget* parent = nullptr);
  QString title() const { return title_; }

 private:
  QString title_;
};

}  // namespace tidewell::app
