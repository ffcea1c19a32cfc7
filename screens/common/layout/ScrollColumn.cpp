#include "screens/common/layout/ScrollColumn.h"

#include <QScrollBar>
#include <QVBoxLayout>

#include "design/paint/ShadowLayer.h"

namespace tidewell::screens {

namespace {
// A slim dark scroller: a rounded thumb of white at 0.25 on no track.
constexpr const char* kScrollerSheet =
    "QScrollBar:vertical { background: transparent; width: 10px; margin: 2px 2px 2px 0; }"
    "QScrollBar::handle:vertical { background: rgba(255,255,255,64); border-radius: 3px; min-height: 28px;"
    " margin: 0 1px; }"
    "QScrollBar::handle:vertical:hover { background: rgba(255,255,255,100); }"
    "QScrollBar::add-line:vertical, QScrollBar::sub-line:vertical { height: 0; }"
    "QScrollBar::add-page:vertical, QScrollBar::sub-page:vertical { background: transparent; }";
}  // namespace

ScrollColumn::ScrollColumn(QWidget* parent) : QScrollArea(parent) {
  setFrameShape(QFrame::NoFrame);
  // Tab goes to what it holds (and scrolls it into view), not to the column.
  setFocusPolicy(Qt::NoFocus);
  setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
  setVerticalScrollBarPolicy(Qt::ScrollBarAsNeeded);
  setWidgetResizable(true);
  setAutoFillBackground(false);
  viewport()->setAutoFillBackground(false);
  verticalScrollBar()->setStyleSheet(QString::fromLatin1(kScrollerSheet));

  content_ = new design::ShadowHost;
  column_ = new QVBoxLayout(content_);
  column_->setContentsMargins(0, 0, 0, 0);
  column_->setSpacing(0);
  setWidget(content_);
  // setWidget turns the content's own fill on; the backdrop shows through.
  content_->setAutoFillBackground(false);
}

}  // namespace tidewell::screens
