#pragma once
// The surface rows and cards of the screens are cut from: a rounded
// rectangle with continuous corners, filled (the raised surface, or a tint)
// and edged inside by a 1-point border (the hairline, or a tint at an
// opacity). A Surface is a container: give it a layout and children. It
// follows the pointer (hoverChanged; colours only, never animated) and,
// when clickable, reports a single click anywhere on it that its children
// do not take (clicked). It is a shadow host, so the glows of buttons on it
// are not hidden by its fill. GUI thread only.

#include <QWidget>

#include "design/paint/PaintCache.h"
#include "design/paint/PaintKey.h"
#include "design/theme/Color.h"

namespace tidewell::screens {

struct SurfaceLook {
  double cornerRadius = 14;
  QColor fill = design::Color::raisedSurface();
  QColor border = design::Color::hairline();
  double borderWidth = 1;
  bool operator==(const SurfaceLook&) const = default;
};

void paintSurface(QPainter& painter, const QRectF& rect, const SurfaceLook& look);

class Surface : public QWidget {
  Q_OBJECT
 public:
  explicit Surface(SurfaceLook look = {}, QWidget* parent = nullptr);

  const SurfaceLook& look() const { return look_; }
  void setLook(const SurfaceLook& look);

  bool isHovering() const { return hovering_; }
  // What the pointer does; public so a state can be shown without one.
  void setHovering(bool hovering);

  void setClickable(bool clickable);

 Q_SIGNALS:
  void hoverChanged(bool hovering);
  // A press and a release of the left button, both on the surface.
  void clicked();

 protected:
  // The fill and border, kept as one picture. A card that draws its
  // background otherwise (a look of its own, more layers) overrides
  // paintBackground, and adds to the picture's key everything that drawing
  // reads besides the look and the hover (the section accent, its state).
  virtual void paintBackground(QPainter& painter, const QRectF& rect);
  virtual void addBackgroundKey(design::PaintKey& key) const;
  void paintEvent(QPaintEvent* event) override;
  void enterEvent(QEnterEvent* event) override;
  void leaveEvent(QEvent* event) override;
  void mousePressEvent(QMouseEvent* event) override;
  void mouseReleaseEvent(QMouseEvent* event) override;

 private:
  SurfaceLook look_;
  bool hovering_ = false;
  bool clickable_ = false;
  bool pressed_ = false;
  design::PaintCache background_;
};

}  // namespace tidewell::screens
