#pragma once
// A vertical scroll view with visible indicators over the screen's
// backdrop: frameless and transparent, never scrolling sideways, its
// content as wide as the view and as high as the content needs at that
// width. The content is a shadow host with a vertical box (no margins, no
// spacing until the screen sets them), so the glows of cards inside it are
// drawn. GUI thread only.

#include <QScrollArea>

class QVBoxLayout;

namespace tidewell::screens {

class ScrollColumn : public QScrollArea {
  Q_OBJECT
 public:
  explicit ScrollColumn(QWidget* parent = nullptr);

  QWidget* content() const { return content_; }
  QVBoxLayout* column() const { return column_; }

 private:
  QWidget* content_;
  QVBoxLayout* column_;
};

}  // namespace tidewell::screens
