#pragma once
// One line of the interface's text in one font and colour, optionally with
// monospaced digits (so a number does not jitter), aligned within its
// widget and cut short at the end when it does not fit. GUI thread only.

#include <QColor>
#include <QFont>
#include <QWidget>

namespace tidewell::app {

class TextLine : public QWidget {
  Q_OBJECT
 public:
  TextLine(const QString& text, const QFont& font, const QColor& colour, bool monospacedDigits = false,
           Qt::Alignment alignment = Qt::AlignCenter, QWidget* parent = nullptr);

  const QString& text() const { return text_; }
  void setText(const QString& text);
  QSize sizeHint() const override;
  QSize minimumSizeHint() const override;

 protected:
  void paintEvent(QPaintEvent* event) override;

 private:
  double naturalWidth() const;
  QString text_;
  QColor colour_;
  bool monospacedDigits_;
  Qt::Alignment alignment_;
};

}  // namespace tidewell::app
