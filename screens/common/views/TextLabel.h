#pragma once
// A text of a screen, painted: one line cut at the end or in the middle, or
// several lines wrapped and cut after the last one allowed, with lines of
// height reserved when asked (see TextLook). It is as wide as its text
// unless its layout gives it less, and as high as its lines at the width it
// gets (height for width), so wrapped texts grow vertically. Content
// margins set on it pad the text: the sizes grow by them and the text is
// laid out and drawn inside them. The "text" property is the whole text;
// visibleLines() what is painted. GUI thread.

#include <QStringList>
#include <QWidget>

#include "screens/common/views/TextLook.h"

namespace tidewell::screens {

class TextLabel : public QWidget {
  Q_OBJECT
  Q_PROPERTY(QString text READ text WRITE setText)
 public:
  explicit TextLabel(QString text = {}, TextLook look = {}, QWidget* parent = nullptr);

  const QString& text() const { return text_; }
  void setText(const QString& text);
  const TextLook& look() const { return look_; }
  void setLook(const TextLook& look);
  // Only the colour (hover and selection states change colours only).
  void setColour(const QColor& colour);

  // The lines as painted at the current width.
  QStringList visibleLines() const;
  bool isTruncated() const;

  QSize sizeHint() const override;
  QSize minimumSizeHint() const override;
  bool hasHeightForWidth() const override;
  int heightForWidth(int width) const override;

 protected:
  void paintEvent(QPaintEvent* event) override;
  void resizeEvent(QResizeEvent* event) override;

 private:
  void changed();
  QString text_;
  TextLook look_;
  // visibleLines() at linesWidth_, the width inside the margins (-1: none
  // yet), kept until the text, the look or that width changes: labels
  // repaint with every frame of the backdrop, and laying out is most of
  // what painting them costs.
  mutable QStringList lines_;
  mutable int linesWidth_ = -1;
};

}  // namespace tidewell::screens
