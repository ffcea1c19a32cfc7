#include "screens/deepscan/TrashPillButton.h"

#include <QFontMetricsF>
#include <QPainter>
#include <cmath>

#include "design/components/PillButtonLook.h"
#include "design/keyboard/KeyboardFocus.h"
#include "design/symbols/Symbol.h"
#include "design/type/InterFont.h"
#include "screens/deepscan/DeepScanLook.h"

namespace tidewell::screens {

using namespace design::literals;

namespace {
// The ghost pill's label size and paddings, so the trash pill stands as
// tall as the labelled pills beside it.
constexpr double kLabelSize = 12, kPadX = 14, kPadY = 8;
}  // namespace

TrashPillButton::TrashPillButton(QWidget* parent) : QAbstractButton(parent) {
  setSizePolicy(QSizePolicy::Fixed, QSizePolicy::Fixed);
  setCursor(Qt::PointingHandCursor);
  // A symbol alone: named by what it does (its tooltip names the item).
  setAccessibleName(QStringLiteral("Move to Trash"));
  design::KeyboardFocus::makeFocusable(this, design::FocusRingShape::capsule());
}

QSize TrashPillButton::sizeHint() const {
  const double side = design::symbolSide(kLabelSize);
  const double height = QFontMetricsF(design::ghostPillFont()).height() + 2 * kPadY;
  return {int(std::ceil(side + 2 * kPadX)), int(std::ceil(height))};
}

void TrashPillButton::paintEvent(QPaintEvent*) {
  QPainter painter(this);
  painter.setRenderHint(QPainter::Antialiasing);
  const QRectF area(rect());
  design::paintGhostPill(painter, area, design::PillLabel{}, isDown());
  design::applyPressedLook(painter, area, isDown());
  design::drawSymbol(painter, "trash"_symbol, design::symbolBox(area.center(), kLabelSize),
                     design::FontWeight::Medium, DeepScanLook::personalRed());
}

}  // namespace tidewell::screens
