#pragma once
// One category in the review screen's rail: its tick box, symbol, title
// and "2 of 3 · 1.2 GB" line, and a chevron. A click on the tick box says
// toggleRequested; a click anywhere else on the row says viewRequested.
// Filled and edged in the accent while its category is viewed, faintly
// lit while hovered.
// Gets plain texts from its screen and never reads the model.
// objectName "categoryRow", keyed by the category's title; children
// "categoryCheck", "categoryTitle", "categoryCount", "categoryChevron".
// GUI thread only.

#include "screens/clean/rules/ReviewRules.h"
#include "screens/common/layout/Surface.h"

namespace tidewell::screens {

class SelectionBox;
class SymbolView;
class TextLabel;

class CategoryRow : public Surface {
  Q_OBJECT
 public:
  explicit CategoryRow(QWidget* parent = nullptr);

  void setContent(const RailRowContent& content);
  const RailRowContent& content() const { return content_; }

  // The fill and border for a state, in accent.
  static SurfaceLook lookFor(bool viewing, bool hovering, const QColor& accent);

 Q_SIGNALS:
  void toggleRequested();
  void viewRequested();

 protected:
  void paintBackground(QPainter& painter, const QRectF& rect) override;
  void addBackgroundKey(design::PaintKey& key) const override;

 private:
  RailRowContent content_;
  SelectionBox* check_;
  SymbolView* symbol_;
  TextLabel* title_;
  TextLabel* count_;
  SymbolView* chevron_;
};

}  // namespace tidewell::screens
