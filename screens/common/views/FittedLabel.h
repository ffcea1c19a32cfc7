#pragma once
// A one-line text that shrinks to fit the width it is given, down to a
// minimum share of its size, and is cut at the end when even that is too
// wide ("54 pt, shrinking to at most 0.6 of its size"). Its natural size is
// the whole text at full size; it never asks for more. The "text"
// property is the whole text; shownScale() what it is drawn at. GUI
// thread only.

#include <QColor>
#include <QFont>
#include <QWidget>
#include <optional>

namespace tidewell::screens {

struct FittedLabelLook {
  QFont font;
  QColor colour = Qt::white;
  double minimumScale = 1;
  bool monospacedDigits = false;
  Qt::Alignment alignment = Qt::AlignLeft;
};

// The factor the font is drawn at for text in width: 1 when it fits, else
// the largest that fits, but not below minimumScale.
double fittedScale(const FittedLabelLook& look, const QString& text, double width);

class FittedLabel : public QWidget {
  Q_OBJECT
  Q_PROPERTY(QString text READ text WRITE setText)
 public:
  FittedLabel(QString text, FittedLabelLook look, QWidget* parent = nullptr);

  const QString& text() const { return text_; }
  void setText(const QString& text);
  void setColour(const QColor& colour);
  double shownScale() const { return fittedScale(look_, text_, width()); }

  QSize sizeHint() const override;
  QSize minimumSizeHint() const override;

 protected:
  void paintEvent(QPaintEvent* event) override;

 private:
  // What the last paint fitted: for this text, width and font, the font
  // drawn at and the text shown.
  struct Fit {
    QString text;
    int width = 0;
    QFont look;
    QFont font;
    QString shown;
  };

  QString text_;
  FittedLabelLook look_;
  std::optional<Fit> fit_;
};

}  // namespace tidewell::screens
