#pragma once
// One entry of the main window's sidebar: icon, section name and, when
// active, a gradient fill in the section's own palette with a glow (drawn
// by the shadow host). Hovering lightens an inactive row and bounces the
// icon once per change; nothing else animates.

#include <QAbstractButton>

#include "design/paint/Shadow.h"
#include "design/paint/ShadowCaster.h"
#include "design/symbols/Symbol.h"
#include "design/theme/SectionPalette.h"

namespace tidewell::design {

class SymbolEffect;

struct SidebarRowSnapshot {
  SymbolName symbol;
  QString label;
  bool isActive = false;
  bool hovering = false;
  SectionPalette palette;
  SymbolFrame iconFrame;  // the bounce, when running
};

// Padding 12 x 9, an 18-wide icon frame, 10 between icon and label.
double sidebarRowHeight();
double sidebarRowNaturalWidth(const SidebarRowSnapshot& look);
QColor sidebarRowForeground(const SidebarRowSnapshot& look);
// The active fill's glow: primary at 0.45, radius 12, 3 down.
Shadow sidebarRowShadow(const SectionPalette& palette);

void paintSidebarRowShadow(QPainter& painter, const QRectF& rect, const SidebarRowSnapshot& look);
void paintSidebarRowBody(QPainter& painter, const QRectF& rect, const SidebarRowSnapshot& look);

class SidebarRow : public QAbstractButton, public ShadowCaster {
  Q_OBJECT
 public:
  // The palette is the row's own; the tree's section accent does not apply.
  // A click is reported by clicked().
  SidebarRow(SymbolName symbol, QString label, SectionPalette palette, QWidget* parent = nullptr);

  bool isActive() const { return look_.isActive; }
  void setActive(bool active);
  bool isHovering() const { return look_.hovering; }
  // What the pointer does; public so the look can be shown without one.
  void setHovering(bool hovering);

  QSize sizeHint() const override;
  QSize minimumSizeHint() const override;
  void paintShadows(QPainter& painter) const override;
  QRectF shadowArea() const override;

 protected:
  void paintEvent(QPaintEvent* event) override;
  void enterEvent(QEnterEvent* event) override;
  void leaveEvent(QEvent* event) override;

 private:
  SidebarRowSnapshot currentSnapshot() const;
  SidebarRowSnapshot look_;
  SymbolEffect* bounce_;
};

}  // namespace tidewell::design
