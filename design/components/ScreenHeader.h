#pragma once
// The title block at the head of a screen: the title (Inter semibold 22,
// white) and, when given, one line under it (Inter regular 12.5, secondary
// text), 4 apart, left-aligned across the full width.

#include <QWidget>
#include <optional>

namespace tidewell::design {

double screenHeaderHeight(bool hasSubtitle);
void paintScreenHeader(QPainter& painter, const QRectF& rect, const QString& title,
                       const std::optional<QString>& subtitle);

class ScreenHeader : public QWidget {
  Q_OBJECT
  Q_PROPERTY(QString title READ title)
  Q_PROPERTY(QString subtitle READ subtitleText)
 public:
  ScreenHeader(QString title, std::optional<QString> subtitle, QWidget* parent = nullptr);

  const QString& title() const { return title_; }
  const std::optional<QString>& subtitle() const { return subtitle_; }
  // The subtitle, or "" when there is none.
  QString subtitleText() const { return subtitle_.value_or(QString()); }

  void setTitle(const QString& title);
  void setSubtitle(const std::optional<QString>& subtitle);
  QSize sizeHint() const override;
  QSize minimumSizeHint() const override;

 protected:
  void paintEvent(QPaintEvent* event) override;

 private:
  QString title_;
  std::optional<QString> subtitle_;
};

}  // namespace tidewell::design
