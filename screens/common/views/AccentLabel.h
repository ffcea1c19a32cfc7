#pragma once
// A TextLabel drawn in the section accent's primary colour (a freed-bytes
// line, a free-space-after line): the colour is taken from the accent of
// where the label sits each time it is painted, so a label made before it
// is placed in its section still shows that section's colour. GUI thread
// only.

#include "screens/common/views/TextLabel.h"

namespace tidewell::screens {

class AccentLabel : public TextLabel {
  Q_OBJECT
 public:
  // look's colour is ignored.
  explicit AccentLabel(QString text = {}, TextLook look = {}, QWidget* parent = nullptr);

  // The accent's primary where the label sits now.
  QColor currentColour() const;

 protected:
  void paintEvent(QPaintEvent* event) override;
};

}  // namespace tidewell::screens
