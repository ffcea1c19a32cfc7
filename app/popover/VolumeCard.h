#pragma once
// The popover's volume card: the used donut with the percentage in its
// centre, and beside it the free size, "free of" the total and, once
// anything was freed, the reclaimed badge; on a raised rounded card. Drawn
// in one pass from a value snapshot. GUI thread only.

#include <QWidget>
#include <cstdint>

#include "app/popover/PopoverFigures.h"
#include "design/theme/SectionPalette.h"

namespace tidewell::app {

struct VolumeCardLook {
  VolumeFigures figures;
  int64_t totalFreedBytes = 0;
  design::SectionPalette accent = design::SectionPalette::clean();
  bool operator==(const VolumeCardLook&) const = default;
};

// Padding 14, donut 80 across with an 8-point line, 16 to the texts.
double volumeCardHeight(const VolumeCardLook& look);
void paintVolumeCard(QPainter& painter, const QRectF& rect, const VolumeCardLook& look);

class VolumeCard : public QWidget {
  Q_OBJECT
 public:
  explicit VolumeCard(QWidget* parent = nullptr);

  const VolumeCardLook& look() const { return look_; }
  void setLook(const VolumeCardLook& look);
  QSize sizeHint() const override;
  QSize minimumSizeHint() const override { return sizeHint(); }

 protected:
  void paintEvent(QPaintEvent* event) override;

 private:
  VolumeCardLook look_;
};

}  // namespace tidewell::app
