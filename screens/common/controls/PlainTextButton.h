#pragma once
// A button that is only its text, in a given font and colour, drawn where
// its alignment puts it within the widget (stretch it to make the whole row
// clickable). Pressed, the text dims to 70 %. GUI thread only.

#include <QAbstractButton>
#include <QColor>
#include <QFont>

namespace tidewell::screens {

class PlainTextButton : public QAbstractButton {
  Q_OBJECT
 public:
  PlainTextButton(const QString& text, QFont font, QColor colour, Qt::Alignment alignment = Qt::AlignCenter,
                  QWidget* parent = nullptr);

  const QColor& colour() const { return colour_; }
  QSize sizeHint() const override;
  QSize minimumSizeHint() const override { return sizeHint(); }

 protected:
  void paintEvent(QPaintEvent* event) override;

 private:
  QColor colour_;
  Qt::Alignment alignment_;
};

}  // namespace tidewell::screens
